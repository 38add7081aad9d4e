#pragma once
// Pieces of the number grammar that the leading-number conversion and the display patterns share:
// blanks, sign, digits, a point, and an exponent "E" with an optional sign and at least one digit.

#include <cstddef>
#include <string_view>

namespace tess::text::grammar {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

//! Exponents beyond this magnitude are saturated while they are read; any value there is far
//! outside the range of a double, so the saturation cannot change a result.
inline constexpr long long ExponentSaturation = 100000;

//! Reads the exponent that starts at pos ("e" or "E", an optional sign, at least one digit) and
//! returns its value; 0 when no complete exponent stands there. pos is not moved.
inline long long readExponent(std::string_view text, std::size_t pos) {
  if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) return 0;
  std::size_t look = pos + 1;
  bool negative = false;
  if (look < text.size() && (text[look] == '+' || text[look] == '-')) {
    negative = text[look] == '-';
    ++look;
  }
  long long exponent = 0;
  while (look < text.size() && isDigit(text[look])) {
    if (exponent < ExponentSaturation) exponent = exponent * 10 + (text[look] - '0');
    ++look;
  }
  return negative ? -exponent : exponent;
}

//! Whether a complete exponent (with at least one digit) starts at pos.
inline bool hasExponent(std::string_view text, std::size_t pos) {
  if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) return false;
  std::size_t look = pos + 1;
  if (look < text.size() && (text[look] == '+' || text[look] == '-')) ++look;
  return look < text.size() && isDigit(text[look]);
}

}  // namespace tess::text::grammar
