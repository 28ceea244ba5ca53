// Typing rules of the model's edit boxes: Backspace, Enter, integer-only filtering.
#include "toolkit/model/keys.h"

#include "toolkit/design.h"

namespace toolkit::model {

namespace {

constexpr char kBackspace = '\b';
constexpr unsigned char kFirstPrintable = 32;

bool isLeadByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

bool isIntegerKey(std::string_view key) {
  return key.size() == 1 && ((key[0] >= '0' && key[0] <= '9') || key[0] == '-');
}

// The content without its last character; a multi-line box's line break goes as one.
common::Text withoutLastCharacter(const common::Text& content) {
  if (content.ends_with("\r\n")) return content.substr(0, content.size() - 2);
  std::size_t last = 0;
  for (std::size_t at = 0; at < content.size(); at += characterLength(content, at)) last = at;
  return content.substr(0, last);
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t at) {
  return isLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

std::optional<common::Text> contentAfterKey(const common::Text& content, std::string_view key,
                                            unsigned flags) {
  if (key.empty()) return std::nullopt;
  if (key == std::string_view(&kBackspace, 1)) {
    if (content.empty()) return std::nullopt;
    return withoutLastCharacter(content);
  }
  if (static_cast<unsigned char>(key[0]) < kFirstPrintable) {
    // Enter makes a new line only in a multi-line box; other control keys (Tab, the copy
    // and paste shortcuts) do not change the content by themselves.
    if ((key[0] == '\r' || key[0] == '\n') && (flags & kMultiLine)) return content + "\r\n";
    return std::nullopt;
  }
  if ((flags & kIntegerOnly) && !isIntegerKey(key)) return std::nullopt;
  return content + common::Text(key);
}

}  // namespace toolkit::model
