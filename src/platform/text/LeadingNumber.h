// The leading-number conversion used for every number typed into a field.
//
// The value of a text is the longest number at its start: leading blanks and tabs are skipped, then
// an optional sign, digits with at most one decimal point (at least one digit), and an optional
// exponent (E or e, optional sign, digits). Whatever follows is ignored; a text without a number
// reads as 0. "12abc" is 12, "1,000" is 1, "." and "-" are 0, "1e" is 1, "-.5" is -0.5.
//
// The conversion never depends on the user's locale: the decimal point is always ".". The result is
// always finite: a number too large for a double reads as the largest double with its sign, one too
// small as 0.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tess::text {

//! Value of the longest number at the start of text; 0 when there is none.
double leadingNumber(std::string_view text);

//! A number written with a decimal comma: when the number at the start of text is followed at once
//! by a comma and a digit ("22,5", "0,15", "1e3,5"), the text with that comma made a point
//! ("22.5"); empty otherwise ("22", "22,", "22, 5", ",5", "12abc"). leadingNumber would read
//! such a text as the digits before the comma alone.
std::optional<std::string> decimalCommaAsPoint(std::string_view text);

}  // namespace tess::text
