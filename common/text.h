// Text and byte blocks shared by both programs.
//
// One encoding inside: every Text is a byte string in the system's ANSI code page
// (GBK, code page 936). Literals are compiled to GBK bytes (-fexec-charset=GBK), control
// contents and configuration files arrive as GBK bytes, and nothing here ever converts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace common {

using Text = std::string;
using ByteBlock = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Bytes linked into the program (see cmake/embed.cmake): a begin and an end address,
// both constant, so design tables holding them stay constant data.
struct EmbeddedBytes {
  const std::uint8_t* begin = nullptr;
  const std::uint8_t* end = nullptr;
  ByteView view() const { return {begin, static_cast<std::size_t>(end - begin)}; }
  std::size_t size() const { return static_cast<std::size_t>(end - begin); }
};

inline ByteView asBytes(const Text& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace common

// Declares the two symbols that embed_bytes() in CMake defines for one file.
#define COMMON_DECLARE_EMBEDDED(symbol)                 \
  extern "C" const std::uint8_t symbol##_begin[];       \
  extern "C" const std::uint8_t symbol##_end[]
#define COMMON_EMBEDDED(symbol) (::common::EmbeddedBytes{symbol##_begin, symbol##_end})
