#include "platform/text/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>

#include "platform/text/LeadingNumber.h"

namespace tess::text {
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

// A number too long for its field keeps as many significant digits as fit, rounded, and its
// magnitude: the nearest value at that precision reads back.
TEST(NumberToFit, RoundsToTheDigitsThatFitAndKeepsTheMagnitude) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.234E-05", "1.23E-05"},  {"1.2345e-5", "1.23E-05"},   {"0.000012345", "1.23E-05"},
      {"123456789", "1.23E+08"},  {"-1.2345e-10", "-1.2E-10"}, {"12.3456789", "12.34568"},
      {"-45.678912", "-45.6789"}, {"99999.9999", "100000"},    {"1.2345678e2", "123.4568"},
      {"0.0000000", "0"},         {"12 mg/cm3 at 20", "12"},   {"abcdefghij", ""},
      {"--12345678", ""},         {"-.5e-100000", ""}};
  for (const auto& [text, fitted] : cases) EXPECT_EQ(numberToFit(text, 8), fitted) << text;

  // Random values of many digits at any magnitude, typed plain or with an exponent.
  std::mt19937_64 random(5);
  std::uniform_int_distribution<long long> mantissa(1, 999999999999LL);
  std::uniform_int_distribution<int> power(-40, 40);
  for (int round = 0; round < 20000; ++round) {
    const double typed =
        static_cast<double>(mantissa(random)) * std::pow(10.0, power(random)) * (round % 3 == 0 ? -1 : 1);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, round % 2 ? "%.12e" : "%.20f", typed);
    const std::string fitted = numberToFit(buffer, 8);
    ASSERT_FALSE(fitted.empty()) << buffer;
    ASSERT_LE(fitted.size(), 8u) << buffer;
    const double value = leadingNumber(buffer);
    if (value == 0) continue;  // below the 20 decimals of the plain text
    // The place of the fitted text's last digit: the read-back value lies within half of it.
    const std::size_t exponentAt = fitted.find('E');
    const std::size_t point = fitted.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(std::min(exponentAt, fitted.size()) - point - 1);
    const int exponent = exponentAt == std::string::npos ? 0 : std::stoi(fitted.substr(exponentAt + 1));
    const double unit = std::pow(10.0, exponent - decimals);
    ASSERT_LE(std::fabs(leadingNumber(fitted) - value), unit * 0.5000001) << buffer << " -> " << fitted;
  }
}

TEST(RoundToInt16, HalvesGoToTheEvenNumberAndOutOfRangeGivesNothing) {
  const std::pair<double, std::int16_t> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {2.6, 3},
                                                   {32767.4, 32767}, {-32768.0, -32768}, {32766.5, 32766}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(roundToInt16(value), std::optional(rounded)) << value;
  for (double value : {32767.5, -32768.6, 1e300, std::nan("")}) EXPECT_FALSE(roundToInt16(value)) << value;
}

}  // namespace
}  // namespace tess::text
