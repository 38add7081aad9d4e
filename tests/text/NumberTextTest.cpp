#include "platform/text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "platform/text/LeadingNumber.h"

using namespace tess::text;

namespace {

// Up to seven significant digits; exponent form outside 1E-04 .. 1E+07; no minus on zero.
TEST(SingleToText, ShowsUpToSevenSignificantDigitsAndReadsBackToTheSameFloat) {
  const std::pair<float, const char*> cases[] = {
      {78.11f, "78.11"}, {1000.0f, "1000"}, {-0.0f, "0"}, {1.0f / 3.0f, "0.3333333"}, {0.0001f, "0.0001"},
      {9999999.0f, "9999999"}, {12345678.0f, "1.234568E+07"}, {1.5e-5f, "1.5E-05"}, {-2.5e-9f, "-2.5E-09"},
      {-std::numeric_limits<float>::infinity(), "-Infinity"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(singleToText(value), text) << text;

  // Values of up to 6 significant digits at any magnitude come back as the same float.
  std::mt19937 random(11);
  std::uniform_int_distribution<int> mantissa(1, 999999), power(-30, 30);
  for (int round = 0; round < 100000; ++round) {
    const float value = static_cast<float>(mantissa(random) * std::pow(10.0, power(random)));
    const std::string text = singleToText(value);
    ASSERT_EQ(static_cast<float>(leadingNumber(text)), value) << text;
    ASSERT_EQ(text.find_first_of(" ,"), std::string::npos) << text;
  }
}

TEST(FormatNumber, PatternsRoundHalvesAwayFromZero) {
  const struct { double value; const char* pattern; const char* text; } cases[] = {
      {2.5, "0", "3"}, {-2.5, "0", "-3"}, {2.4999, "0", "2"}, {-0.4, "0", "0"}, {std::nan(""), "0", "NaN"},
      {1e20, "0", "100000000000000000000"}, {0.49, "#", ""}, {0.5, "#", "1"}, {0.0, "#", ""},
      {250.2, "#", "250"}, {0.125, "0.00", "0.13"}, {-0.125, "0.00", "-0.13"}, {2.675, "0.00", "2.68"},
      {-0.004, "0.00", "0.00"}, {99.995, "0.00", "100.00"}, {5.0, "00", "05"}, {100.0, "00", "100"},
      {9.5, "00", "10"}};
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << c.pattern;
  EXPECT_EQ(formatSingle(1.005f, "0.00"), "1.01");  // 1.005f lies just below 1.005; its text rounds up
  EXPECT_EQ(formatSingle(0.05f * 100.0f, "00"), "05");
  EXPECT_EQ(roundToTwoDecimals(50.495), 50.5);
}

TEST(RoundToInt16, HalvesGoToTheEvenNumberAndOutOfRangeGivesNothing) {
  const std::pair<double, std::int16_t> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {2.6, 3},
                                                   {32767.4, 32767}, {-32768.0, -32768}, {32766.5, 32766}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(roundToInt16(value), std::optional(rounded)) << value;
  for (double value : {32767.5, -32768.6, 1e300, std::nan("")}) EXPECT_FALSE(roundToInt16(value)) << value;
}

}  // namespace
