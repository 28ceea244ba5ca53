// Fuzzes the number rules with any bytes, and checks properties that catch real faults:
// no crash or read past the end (lone lead bytes included), ASCII decimal texts read as
// their value modulo 2^32, and every whole number of up to 13 digits printed as exactly its
// digits (longer ones are rounded to 13 significant digits by design).
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calculator/text_rules.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly `size` bytes on the heap, so ASan sees any read past the end.
  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)calculator::textToInteger(text);
  (void)calculator::bytesToText({data, size});

  if (size >= sizeof(std::int64_t)) {
    std::int64_t raw;
    std::memcpy(&raw, data, sizeof raw);
    const std::int64_t whole = raw % 10'000'000'000'000;

    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
    const std::string expected(digits, end);
    check(calculator::realToText(static_cast<double>(whole)) == expected);
    check(calculator::textToInteger(expected) ==
          static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole))));

    double real;
    std::memcpy(&real, data, sizeof real);
    const std::string printed = calculator::realToText(real);
    check(!printed.empty() && printed.size() <= 24);
  }
  return 0;
}
