#include "platform/text/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>

#include "platform/text/LeadingNumber.h"
#include "platform/text/NumberGrammar.h"

namespace tess::text {
namespace {

using grammar::isDigit;

// A decimal number as sign, significant digits and power: value = digits x 10^power.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero
  long long power = 0;
  bool found = false;         // the text starts with a number at all
  bool withExponent = false;  // that number is written with an exponent
};

// Reads the longest number at the start of text with the grammar of leadingNumber.
Decimal parseDecimal(std::string_view text) {
  Decimal d;
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    d.negative = text[pos] == '-';
    ++pos;
  }
  bool sawDigit = false;
  bool afterPoint = false;
  long long fractionDigits = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (isDigit(c)) {
      sawDigit = true;
      if (!d.digits.empty() || c != '0') d.digits += c;
      if (afterPoint) ++fractionDigits;
    } else if (c == '.' && !afterPoint) {
      afterPoint = true;
    } else {
      break;
    }
    ++pos;
  }
  if (!sawDigit) return Decimal{};
  d.found = true;
  d.withExponent = grammar::hasExponent(text, pos);
  const long long exponent = grammar::readExponent(text, pos);
  d.power = exponent - fractionDigits;
  if (d.digits.empty()) d.negative = false;
  return d;
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The layout of a display pattern: placeholders before and after the point.
struct Pattern {
  int integerZeros = 0;  // '0' placeholders before the point: minimum integer digits
  int decimals = 0;      // placeholders after the point
};

Pattern parsePattern(std::string_view pattern) {
  Pattern p;
  bool afterPoint = false;
  for (char c : pattern) {
    if (c == '.') {
      afterPoint = true;
    } else if (afterPoint && (c == '0' || c == '#')) {
      ++p.decimals;
    } else if (c == '0') {
      ++p.integerZeros;
    }
  }
  return p;
}

std::string formatDecimal(const Decimal& d, std::string_view patternText) {
  const Pattern pattern = parsePattern(patternText);
  // scaled = |value| x 10^decimals, rounded with halves away from zero.
  std::string scaled;
  const long long shift = d.power + pattern.decimals;
  if (d.digits.empty()) {
    scaled = "0";
  } else if (shift >= 0) {
    scaled = d.digits + std::string(static_cast<std::size_t>(shift), '0');
  } else {
    const long long dropped = -shift;
    if (dropped > static_cast<long long>(d.digits.size())) {
      scaled = "0";  // below half a unit of the last place
    } else {
      const std::size_t keep = d.digits.size() - static_cast<std::size_t>(dropped);
      const bool roundUp = d.digits[keep] >= '5';
      scaled = keep > 0 ? d.digits.substr(0, keep) : "0";
      if (roundUp) incrementDigits(scaled);
    }
  }
  const std::size_t firstNonZero = scaled.find_first_not_of('0');
  const bool isZero = firstNonZero == std::string::npos;
  scaled = isZero ? "0" : scaled.substr(firstNonZero);

  const auto decimals = static_cast<std::size_t>(pattern.decimals);
  if (scaled.size() <= decimals) scaled.insert(0, decimals + 1 - scaled.size(), '0');
  std::string integerPart = scaled.substr(0, scaled.size() - decimals);
  const std::string fraction = scaled.substr(scaled.size() - decimals);
  if (integerPart == "0") integerPart.clear();
  const auto minimumDigits = static_cast<std::size_t>(pattern.integerZeros);
  if (integerPart.size() < minimumDigits) integerPart.insert(0, minimumDigits - integerPart.size(), '0');

  std::string out = (d.negative && !isZero) ? "-" : "";
  out += integerPart;
  if (decimals > 0) out += "." + fraction;
  return out;
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

// The 15-significant-digit decimal text of a double, in exponent form.
std::string doubleDecimalText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, 14);
  return std::string(buffer, result.ptr);
}

// Decimal d rounded to at most `digits` significant digits, halves away from zero, without
// trailing zeros (they move into the power).
Decimal roundedTo(Decimal d, std::size_t digits) {
  if (d.digits.size() > digits) {
    const bool roundUp = d.digits[digits] >= '5';
    d.power += static_cast<long long>(d.digits.size() - digits);
    d.digits.resize(digits);
    if (roundUp) {
      incrementDigits(d.digits);
      if (d.digits.size() > digits) {  // 999 became 1000
        d.digits.pop_back();
        ++d.power;
      }
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') {
    d.digits.pop_back();
    ++d.power;
  }
  return d;
}

// d in plain decimals: 1234.5, 0.000012, 120000.
std::string plainText(const Decimal& d) {
  std::string out = d.negative ? "-" : "";
  const long long integerDigits = static_cast<long long>(d.digits.size()) + d.power;
  if (d.power >= 0) {
    out += d.digits + std::string(static_cast<std::size_t>(d.power), '0');
  } else if (integerDigits > 0) {
    out += d.digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
           d.digits.substr(static_cast<std::size_t>(integerDigits));
  } else {
    out += "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + d.digits;
  }
  return out;
}

// d with an exponent of at least two digits, as singleToText writes it: 1.23E-05, 1E+08.
std::string exponentText(const Decimal& d) {
  std::string out = d.negative ? "-" : "";
  out += d.digits.substr(0, 1);
  if (d.digits.size() > 1) out += "." + d.digits.substr(1);
  const long long exponent = d.power + static_cast<long long>(d.digits.size()) - 1;
  const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
  out += exponent < 0 ? "E-" : "E+";
  if (magnitude.size() < 2) out += '0';
  return out + magnitude;
}

}  // namespace

std::string singleToText(float value) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  if (value == 0.0f) return "0";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string formatNumber(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  return formatDecimal(parseDecimal(doubleDecimalText(value)), pattern);
}

std::string formatSingle(float value, std::string_view pattern) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  return formatDecimal(parseDecimal(singleToText(value)), pattern);
}

std::string numberToFit(std::string_view text, std::size_t width) {
  const Decimal value = parseDecimal(text);
  if (!value.found) return {};
  if (value.digits.empty()) return width > 0 ? "0" : "";
  const bool exponentFirst = value.withExponent;
  const auto limit = static_cast<long long>(width);
  for (std::size_t digits = value.digits.size(); digits > 0; --digits) {
    const Decimal rounded = roundedTo(value, digits);
    const long long integerDigits = static_cast<long long>(rounded.digits.size()) + rounded.power;
    // Plain decimals cannot fit with more integer digits or leading zeros than the width.
    const bool plainPossible = integerDigits <= limit && -integerDigits <= limit;
    const std::string plain = plainPossible ? plainText(rounded) : std::string();
    const std::string withExponent = exponentText(rounded);
    for (const std::string* candidate :
         exponentFirst ? std::array{&withExponent, &plain} : std::array{&plain, &withExponent}) {
      if (!candidate->empty() && candidate->size() <= width) return *candidate;
    }
  }
  return {};
}

double roundToTwoDecimals(double value) {
  if (!std::isfinite(value)) return value;
  return leadingNumber(formatNumber(value, "0.00"));
}

std::optional<std::int16_t> roundToInt16(double value) {
  if (std::isnan(value)) return std::nullopt;
  // Halves to the even neighbour, independent of the floating-point rounding mode. The
  // difference to the floor is exact for every double.
  double rounded = std::floor(value);
  const double above = value - rounded;
  if (above > 0.5 || (above == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace tess::text
