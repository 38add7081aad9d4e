#include "platform/text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "platform/text/LeadingNumber.h"

using namespace tess::text;

namespace {

TEST(SingleToText, ShowsUpToSevenSignificantDigits) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {78.11f, "78.11"}, {1000.0f, "1000"}, {-48.78f, "-48.78"}, {0.0f, "0"}, {-0.0f, "0"},
      {0.5f, "0.5"}, {1.0f / 3.0f, "0.3333333"}, {1234567.0f, "1234567"}, {0.001f, "0.001"},
      {0.0001f, "0.0001"}, {123.4567f, "123.4567"}, {9999999.0f, "9999999"},
      // exponent form outside 1E-04 .. 1E+07
      {12345678.0f, "1.234568E+07"}, {1.5e-5f, "1.5E-05"}, {1e20f, "1E+20"}, {-2.5e-9f, "-2.5E-09"},
  };
  for (const auto& c : cases) EXPECT_EQ(singleToText(c.value), c.text) << c.text;
}

TEST(SingleToText, TextReadsBackToTheSameFloat) {
  // Values typed with up to 6 significant digits always come back as the same float, whatever
  // their magnitude; random floats of 7 digits as well.
  std::mt19937 random(11);
  std::uniform_int_distribution<int> mantissa(1, 999999);
  std::uniform_int_distribution<int> power(-30, 30);
  for (int round = 0; round < 100000; ++round) {
    const float value = static_cast<float>(mantissa(random) * std::pow(10.0, power(random)));
    const std::string text = singleToText(value);
    ASSERT_EQ(static_cast<float>(leadingNumber(text)), value) << text;
    ASSERT_EQ(text.find(' '), std::string::npos);
    ASSERT_EQ(text.find(','), std::string::npos);
  }
}

TEST(FormatNumber, PatternsRoundHalvesAwayFromZero) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {
      // whole numbers
      {2.5, "0", "3"}, {3.5, "0", "4"}, {-2.5, "0", "-3"}, {2.4999, "0", "2"}, {0.0, "0", "0"},
      {0.4, "0", "0"}, {-0.4, "0", "0"}, {123456.7, "0", "123457"}, {1e20, "0", "100000000000000000000"},
      // "#": nothing below one half
      {0.49, "#", ""}, {0.5, "#", "1"}, {0.0, "#", ""}, {17.5, "#", "18"}, {250.2, "#", "250"},
      // two decimals
      {1.0, "0.00", "1.00"}, {0.125, "0.00", "0.13"}, {-0.125, "0.00", "-0.13"}, {0.5, "0.00", "0.50"},
      {2.675, "0.00", "2.68"}, {0.004, "0.00", "0.00"}, {-0.004, "0.00", "0.00"}, {99.995, "0.00", "100.00"},
      // at least two digits
      {50.0, "00", "50"}, {5.0, "00", "05"}, {0.0, "00", "00"}, {100.0, "00", "100"}, {9.5, "00", "10"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << " in " << c.pattern;
  }
}

TEST(FormatNumber, SinglesAndTextsRoundTheirDecimalText) {
  // 1.005f lies just below 1.005; its text rounds up.
  EXPECT_EQ(formatSingle(1.005f, "0.00"), "1.01");
  EXPECT_EQ(formatSingle(1.0f, "0.00"), "1.00");
  EXPECT_EQ(formatSingle(0.5f * 100.0f, "00"), "50");
  EXPECT_EQ(formatSingle(0.05f * 100.0f, "00"), "05");
  EXPECT_EQ(formatDecimalText("1.5E-05", "0.00"), "0.00");
  EXPECT_EQ(formatDecimalText("1.5E+02", "0"), "150");
  EXPECT_EQ(formatDecimalText("abc", "0.00"), "0.00");
  EXPECT_EQ(formatDecimalText(" -2.5", "0"), "-3");
  EXPECT_EQ(roundToTwoDecimals(50.495), 50.5);
  EXPECT_EQ(roundToTwoDecimals(-0.125), -0.13);
}

TEST(FormatNumber, NonFiniteValuesDoNotCrash) {
  EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), "0"), "Infinity");
  EXPECT_EQ(formatNumber(std::nan(""), "0"), "NaN");
  EXPECT_EQ(singleToText(-std::numeric_limits<float>::infinity()), "-Infinity");
}

TEST(RoundToInt16, HalvesGoToTheEvenNumber) {
  const struct {
    double value;
    int rounded;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4, 2}, {2.6, 3},
               {-0.4, 0}, {32767.4, 32767}, {-32768.0, -32768}, {32766.5, 32766}};
  for (const auto& c : cases) {
    const auto rounded = roundToInt16(c.value);
    ASSERT_TRUE(rounded.has_value()) << c.value;
    EXPECT_EQ(*rounded, c.rounded) << c.value;
  }
  EXPECT_FALSE(roundToInt16(32767.5).has_value());
  EXPECT_FALSE(roundToInt16(-32768.6).has_value());
  EXPECT_FALSE(roundToInt16(1e300).has_value());
  EXPECT_FALSE(roundToInt16(std::nan("")).has_value());
}

}  // namespace
