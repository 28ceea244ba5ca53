#include "calculator/text_rules.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace calculator {
namespace {

// Double-byte GBK characters that read as one ASCII byte when a number is read.
struct Fold {
  std::uint8_t first, second, ascii;
};
// clang-format off
constexpr Fold kSingleFolds[] = {
    {0xA1, 0xA1, 0x20},  // ideographic space
    {0xA1, 0xAB, 0x7E},  // wave dash
    {0xA1, 0xEE, 0x2A},  // white star
    {0xA1, 0xEF, 0x2A},  // black star
};
// clang-format on

// Full-width forms A3A1..A3FE are ASCII 0x21..0x7E shifted by 0x80 in the second byte.
bool foldFullWidth(std::uint8_t first, std::uint8_t second, char& ascii) {
  if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) {
    ascii = static_cast<char>(second - 0x80);
    return true;
  }
  for (const Fold& fold : kSingleFolds) {
    if (fold.first == first && fold.second == second) {
      ascii = static_cast<char>(fold.ascii);
      return true;
    }
  }
  return false;
}

Text foldedCopy(const Text& text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<std::uint8_t>(text[i]);
    if (first < 0x80) {
      folded += static_cast<char>(first);
      continue;
    }
    if (i + 1 == text.size()) break;  // a lead byte without its second byte is dropped
    const auto second = static_cast<std::uint8_t>(text[++i]);
    char ascii;
    if (foldFullWidth(first, second, ascii)) {
      folded += ascii;
    } else {
      folded += static_cast<char>(first);
      folded += static_cast<char>(second);
    }
  }
  return folded;
}

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t textToInteger(const Text& text) {
  const Text folded = foldedCopy(text);
  std::size_t i = 0;
  while (i < folded.size() && isSpace(folded[i])) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  std::uint32_t value = 0;
  for (; i < folded.size() && isDigit(folded[i]); ++i) {
    value = value * 10u + static_cast<std::uint32_t>(folded[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

Text realToText(double value) {
  if (value == 0 || std::isnan(value)) return "0";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // 17 significant digits; only the digits and the exponent's value are taken from the
  // C library, the rounding to 13 digits and the notation are ours. (std::to_chars would
  // do too, but it links 186 KB of tables into the calculator.)
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
  const std::string scientific(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
  const auto e = scientific.find('e');
  std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);  // 17 digits
  int exponent = std::atoi(scientific.c_str() + e + 1);

  // Round to 13 significant digits, carrying leftwards.
  const bool roundUp = digits[13] >= '5';
  digits.resize(13);
  if (roundUp) {
    int k = 12;
    while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9') digits[static_cast<std::size_t>(k--)] = '0';
    if (k < 0) {
      digits = "1" + digits.substr(0, 12);
      ++exponent;
    } else {
      ++digits[static_cast<std::size_t>(k)];
    }
  }

  std::string text;
  if (exponent >= -4 && exponent < 13) {
    if (exponent < 0) {
      text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
      const auto integral = static_cast<std::size_t>(exponent + 1);
      text = digits.substr(0, integral) + "." + digits.substr(integral);
    }
  } else {
    text = digits.substr(0, 1) + "." + digits.substr(1);
  }
  // Trailing zeros after the point, then a bare point.
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();

  if (!(exponent >= -4 && exponent < 13)) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text += suffix;
  }
  return value < 0 ? "-" + text : text;
}

Text integerToText(std::int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return Text(buffer, result.ptr);
}

Text bytesToText(ByteView bytes) {
  if (bytes.empty()) return {};
  const auto* zero = static_cast<const std::uint8_t*>(std::memchr(bytes.data(), 0, bytes.size()));
  const std::size_t length = zero ? static_cast<std::size_t>(zero - bytes.data()) : bytes.size();
  return Text(reinterpret_cast<const char*>(bytes.data()), length);
}

DateTime currentLocalTime(const common::Clock& clock) { return clock.now(); }

}  // namespace calculator
