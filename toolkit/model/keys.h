// What one typed key does to an edit box's content. Texts are GBK: a lead byte from 0x81
// to 0xFE and the byte after it are one character, typed as one key and deleted as one.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "common/text.h"

namespace toolkit::model {

// The length in bytes of the character that starts at `at`.
std::size_t characterLength(std::string_view text, std::size_t at);

// The content after `key` (one character) is typed into a box with the design's `flags`,
// or nothing when the key leaves the content as it is.
std::optional<common::Text> contentAfterKey(const common::Text& content, std::string_view key,
                                            unsigned flags);

}  // namespace toolkit::model
