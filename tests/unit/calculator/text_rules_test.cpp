// The conversions as the user sees them: what a box's text counts as, and how a sum looks.
#include "calculator/text_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace calculator {
namespace {

struct TextCase {
  const char* text;
  std::int32_t value;
};

// clang-format off
constexpr TextCase kTextCases[] = {
    {"", 0},              {"abc", 0},           {"12abc", 12},         {" 7", 7},
    {"7 ", 7},            {"3.50", 3},          {"1e3", 1},            {"0x1A", 0},
    {"007", 7},           {"1,000", 1},         {"-8", -8},            {"+8", 8},
    {"- 8", 0},           {"--8", 0},           {"5-3", 5},            {"１２", 12},
    {"－１２", -12},      {"　７", 7},          {"１２ａ", 12},        {"   ", 0},
    {"－", 0},            {"+", 0},             {"\t\n\v\f\r9", 9},    {"＋５", 5},
    {"2147483647", 2147483647},   {"2147483648", -2147483647 - 1}, {"4294967296", 0},
    {"4294967306", 10},           {"-2147483649", 2147483647},     {"99999999999", 1215752191},
    {"2147483657", -2147483639},
    // Chinese characters are copied, not folded, and end the number.
    {"12分", 12},         {"分12", 0},
    // A lead byte at the very end is dropped; the digits before it still count.
    {"12\xA3", 12},
    // The second byte of a pair is taken whatever it is, even a digit.
    {"\xB0" "5", 0},
};
// clang-format on

TEST(TextToInteger, ReadsTheLeadingNumberAfterFolding) {
  for (const auto& c : kTextCases) {
    EXPECT_EQ(textToInteger(c.text), c.value) << "text: \"" << c.text << "\"";
  }
}

struct RealCase {
  double value;
  const char* text;
};

// clang-format off
const RealCase kRealCases[] = {
    {0.0, "0"},                       {-0.0, "0"},
    {100.0, "100"},                   {2.5, "2.5"},
    {-0.5, "-0.5"},                   {1.0 / 3, "0.3333333333333"},
    {2.0 / 3, "0.6666666666667"},     {0.0001, "0.0001"},
    {0.00001, "1e-005"},              {1234567890123.0, "1234567890123"},
    {12345678901234.0, "1.234567890123e+013"}, {1e20, "1e+020"},
    {4294967294.0, "4294967294"},     {-4294967296.0, "-4294967296"},
    {2147483657.0, "2147483657"},     {-2147483629.0, "-2147483629"},
    {1.7976931348623157e308, "1.797693134862e+308"}, {5e-324, "4.940656458412e-324"},
    {123.456, "123.456"},             {-1e-5, "-1e-005"},
};
// clang-format on

TEST(RealToText, ThirteenSignificantDigitsInPlainOrExponentNotation) {
  for (const auto& c : kRealCases) {
    EXPECT_EQ(realToText(c.value), c.text) << "value: " << c.value;
  }
}

TEST(RealToText, EverySumOfTwoWholeNumbersIsAPlainWholeNumber) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(realToText(double(kMax) + kMax), "4294967294");
  EXPECT_EQ(realToText(double(kMin) + kMin), "-4294967296");
  EXPECT_EQ(realToText(double(kMax) - kMin), "4294967295");
  EXPECT_EQ(realToText(double(kMin)), "-2147483648");
}

TEST(IntegerToText, PlainDecimal) {
  EXPECT_EQ(integerToText(0), "0");
  EXPECT_EQ(integerToText(5), "5");
  EXPECT_EQ(integerToText(-12), "-12");
  EXPECT_EQ(integerToText(59), "59");
  EXPECT_EQ(integerToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(BytesToText, StopsAtTheFirstZeroByteAndKeepsEverythingElse) {
  const std::uint8_t withZero[] = {'a', 'b', 0, 'c', 'd'};
  EXPECT_EQ(bytesToText(withZero), "ab");
  const std::uint8_t crlf[] = {'t', '\r', '\n'};
  EXPECT_EQ(bytesToText(crlf), "t\r\n");
  EXPECT_EQ(bytesToText({}), "");
  const std::uint8_t leadingZero[] = {0, 'x'};
  EXPECT_EQ(bytesToText(leadingZero), "");
  const std::string gbk = "计算器";
  EXPECT_EQ(bytesToText(common::asBytes(gbk)), gbk);
}

class FixedClock final : public common::Clock {
 public:
  explicit FixedClock(common::DateTime time) : time_(time) {}
  common::DateTime now() const override { return time_; }

 private:
  common::DateTime time_;
};

TEST(ClockFields, TakeHourMinuteSecondFromOneReading) {
  const FixedClock clock({2026, 12, 11, 9, 0, 1});
  const auto time = currentLocalTime(clock);
  EXPECT_EQ(hourOf(time), 9);
  EXPECT_EQ(minuteOf(time), 0);
  EXPECT_EQ(secondOf(time), 1);
}

TEST(ClockFields, SystemClockGivesAValidTimeOfDay) {
  const auto time = currentLocalTime(common::SystemClock());
  EXPECT_GE(time.year, 2024);
  EXPECT_GE(hourOf(time), 0);
  EXPECT_LE(hourOf(time), 23);
  EXPECT_LE(minuteOf(time), 59);
  EXPECT_LE(secondOf(time), 60);  // a leap second is possible
}

}  // namespace
}  // namespace calculator
