#include "platform/text/LeadingNumber.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

#include "platform/text/NumberGrammar.h"

namespace tess::text {

using grammar::isDigit;

double leadingNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;

  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }

  // Mantissa: digits, optionally one point and more digits. Collect it without the sign so that
  // std::from_chars (which always uses "." and no locale) reads it.
  std::string number;
  long long firstSignificantPower = 0;  // decimal power of the first non-zero digit
  bool sawNonZero = false;
  bool sawDigit = false;
  long long digitsBeforePoint = 0;
  long long zerosAfterPointBeforeSignificant = 0;
  bool afterPoint = false;
  while (pos < text.size()) {
    const char c = text[pos];
    if (isDigit(c)) {
      sawDigit = true;
      if (!afterPoint) {
        if (sawNonZero || c != '0') ++digitsBeforePoint;
      } else if (!sawNonZero && c == '0') {
        ++zerosAfterPointBeforeSignificant;
      }
      if (c != '0') sawNonZero = true;
      number += c;
    } else if (c == '.' && !afterPoint) {
      afterPoint = true;
      number += c;
    } else {
      break;
    }
    ++pos;
  }
  if (!sawDigit) return 0.0;
  firstSignificantPower =
      digitsBeforePoint > 0 ? digitsBeforePoint - 1 : -(zerosAfterPointBeforeSignificant + 1);

  // Exponent: only when at least one digit follows the E and its sign.
  long long exponent = 0;
  if (grammar::hasExponent(text, pos)) {
    exponent = grammar::readExponent(text, pos);
    number += 'e';
    number += std::to_string(exponent);
  }
  if (!sawNonZero) return 0.0;

  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: decide by the power of the first significant digit.
    value = firstSignificantPower + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  if (value == 0.0) return 0.0;  // "-0" reads as plain 0
  return negative ? -value : value;
}

}  // namespace tess::text
