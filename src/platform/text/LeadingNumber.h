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

#include <string_view>

namespace tess::text {

//! Value of the longest number at the start of text; 0 when there is none.
double leadingNumber(std::string_view text);

}  // namespace tess::text
