// Numbers shown as text: a 32-bit value as the text a field shows, the display patterns of the
// results and use-conditions screens, and rounding to a 16-bit integer.
//
// Nothing here depends on the user's locale: the decimal point is always "." and there are never
// thousands separators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess::text {

//! A 32-bit value as text: at most 7 significant digits, no trailing zeros, no trailing point, a
//! minus sign when negative, no blank: 78.11, 1000, -48.78, 0, 0.001. Values of 1E+07 and above or
//! below 1E-04 in magnitude use an exponent: 1.234568E+07, 1.5E-05. leadingNumber reads every such
//! text back. Negative zero shows as 0; infinities and NaN, which no field ever holds, show as
//! "Infinity", "-Infinity" and "NaN".
std::string singleToText(float value);

//! value formatted with a display pattern made of an integer part of '0' and '#' placeholders and
//! an optional '.' with a fraction part of '0' placeholders: "0", "#", "00", "0.00".
//! The value is first taken as its decimal text of 15 significant digits, then rounded to the
//! pattern's number of decimals with halves away from zero. The integer part has at least as many
//! digits as the pattern has '0's before the point; "#" shows nothing for a value that rounds to 0
//! (2.5 -> "3", 0.49 -> "", 0.05 in "00" -> "00"). A value that rounds to zero has no minus sign.
std::string formatNumber(double value, std::string_view pattern);

//! A 32-bit value formatted with a display pattern: its text as singleToText gives it is rounded,
//! so 1.005f in "0.00" shows as "1.01" although the float lies just below 1.005.
std::string formatSingle(float value, std::string_view pattern);

//! The number at the start of text written in at most width characters: the value rounded (halves
//! away from zero, on the decimal digits as typed) to as many significant digits as fit, in plain
//! decimals or with an exponent as singleToText writes it ("1.23E-05"), whichever keeps more
//! digits (on a tie, the form the text used). Reading the result back with leadingNumber gives the
//! value to that precision; the magnitude never changes. Empty when text holds no number or even
//! one digit does not fit.
std::string numberToFit(std::string_view text, std::size_t width);

//! value rounded to 2 decimals with halves away from zero, taken at its 15-significant-digit text.
double roundToTwoDecimals(double value);

//! value rounded to the nearest whole number with halves to the even one (2.5 -> 2, 3.5 -> 4),
//! as a 16-bit signed integer; empty when the result lies outside -32768..32767 or value is NaN.
std::optional<std::int16_t> roundToInt16(double value);

}  // namespace tess::text
