#include "platform/text/LeadingNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace tess::text {
namespace {

constexpr double Max = std::numeric_limits<double>::max();

TEST(LeadingNumber, ReadsTheLongestNumberAtTheStart) {
  const std::pair<std::string, double> cases[] = {
      // plain numbers, blanks around them; what follows the number is ignored
      {"  12 ", 12}, {"\t7", 7}, {"+5", 5}, {"-48.78", -48.78}, {".5", 0.5}, {"-.5", -0.5}, {"5.", 5},
      {"007", 7}, {"12abc", 12}, {"1,000", 1}, {"1.2.3", 1.2}, {"3 4", 3}, {"1-2", 1},
      // no number reads as 0
      {"", 0}, {".", 0}, {"-", 0}, {"+", 0}, {"abc", 0}, {"-.", 0}, {"e5", 0}, {" ", 0}, {"--1", 0},
      // exponents, complete or not
      {"1E3", 1000}, {"1.5E-05", 1.5e-5}, {"2e+2", 200}, {"1e+", 1}, {"1e-x", 1}, {"-2.5e1xyz", -25},
      // out of the range of a double: finite
      {"1e400", Max}, {"-1e400", -Max}, {"1e-400", 0}, {"0.000000001e999999999999999999", Max},
      {std::string(5000, '9'), Max}, {"0." + std::string(5000, '0') + "1", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
  EXPECT_FALSE(std::signbit(leadingNumber("-0.000")));  // negative zero reads as plain zero
  EXPECT_DOUBLE_EQ(leadingNumber("1" + std::string(300, '0')), 1e300);
}

// Random texts of the characters that matter to the grammar, then random bytes: never a crash,
// always a finite value, and the same value as the text with more after its number.
TEST(LeadingNumber, RandomTextsAlwaysGiveAFiniteValue) {
  const std::string alphabet = "0123456789.+-eE ,\tx\xC3\xA9";
  std::mt19937 random(20261206);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 220000; ++round) {
    const bool bytes = round >= 200000;
    std::string text(std::uniform_int_distribution<std::size_t>(0, bytes ? 400 : 40)(random), ' ');
    for (char& c : text) c = bytes ? static_cast<char>(byte(random)) : alphabet[pick(random)];
    const double value = leadingNumber(text);
    ASSERT_TRUE(std::isfinite(value)) << '"' << text << '"';
    if (!bytes) {
      ASSERT_EQ(leadingNumber(text + "abc"), value) << '"' << text << '"';
    }
  }
}

}  // namespace
}  // namespace tess::text
