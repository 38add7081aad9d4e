#include "platform/text/LeadingNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using tess::text::leadingNumber;

namespace {

struct Case {
  const char* text;
  double value;
};

TEST(LeadingNumber, ReadsTheLongestNumberAtTheStart) {
  const Case cases[] = {
      // plain numbers and surrounding blanks
      {"12", 12}, {"  12 ", 12}, {"\t7", 7}, {"+5", 5}, {"-48.78", -48.78}, {"78.11", 78.11},
      {".5", 0.5}, {"-.5", -0.5}, {"5.", 5}, {"007", 7},
      // what follows the number is ignored
      {"12abc", 12}, {"1,000", 1}, {"1.2.3", 1.2}, {"3 4", 3}, {"1-2", 1},
      // no number reads as 0
      {"", 0}, {".", 0}, {"-", 0}, {"+", 0}, {"abc", 0}, {"-.", 0}, {"e5", 0}, {" ", 0},
      {"--1", 0}, {"0.0", 0}, {"-0", 0},
      // exponents, complete or not
      {"1e3", 1000}, {"1E3", 1000}, {"1.5E-05", 1.5e-5}, {"2e+2", 200}, {"1e", 1}, {"1e+", 1},
      {"1e-x", 1}, {"-2.5e1xyz", -25},
      // out of the range of a double: finite
      {"1e400", std::numeric_limits<double>::max()}, {"-1e400", -std::numeric_limits<double>::max()},
      {"1e-400", 0}, {"0.000000001e999999999999999999", std::numeric_limits<double>::max()},
  };
  for (const Case& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingNumber, NegativeZeroReadsAsPlainZero) {
  EXPECT_FALSE(std::signbit(leadingNumber("-0")));
  EXPECT_FALSE(std::signbit(leadingNumber("-0.000")));
}

TEST(LeadingNumber, IgnoresTheUserLocale) {
  // A locale with a decimal comma must not change the reading; skipped where none is installed.
  const char* locales[] = {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", "German_Germany.1252"};
  const char* set = nullptr;
  for (const char* name : locales) {
    if ((set = std::setlocale(LC_ALL, name)) != nullptr) break;
  }
  EXPECT_EQ(leadingNumber("1.5"), 1.5);
  EXPECT_EQ(leadingNumber("1,5"), 1.0);
  std::setlocale(LC_ALL, "C");
}

// Random texts built from the characters that matter to the grammar: the conversion never
// crashes, always gives a finite value, and agrees with the value of the same text cut after its
// number.
TEST(LeadingNumber, RandomTextsAlwaysGiveAFiniteValue) {
  const std::string alphabet = "0123456789.+-eE ,\tx\xC3\xA9";
  std::mt19937 random(20261206);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 200000; ++round) {
    std::string text(length(random), ' ');
    for (char& c : text) c = alphabet[pick(random)];
    const double value = leadingNumber(text);
    ASSERT_TRUE(std::isfinite(value)) << '"' << text << '"';
    ASSERT_EQ(leadingNumber(text + "abc"), value) << '"' << text << '"';
  }
}

TEST(LeadingNumber, RandomBytesNeverCrash) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<std::size_t> length(0, 400);
  for (int round = 0; round < 20000; ++round) {
    std::string text(length(random), '\0');
    for (char& c : text) c = static_cast<char>(byte(random));
    ASSERT_TRUE(std::isfinite(leadingNumber(text)));
  }
  // Very long digit strings.
  EXPECT_EQ(leadingNumber(std::string(5000, '9')), std::numeric_limits<double>::max());
  EXPECT_EQ(leadingNumber("0." + std::string(5000, '0') + "1"), 0.0);
  EXPECT_DOUBLE_EQ(leadingNumber("1" + std::string(300, '0')), 1e300);
}

}  // namespace
