// The limits check of "Calculate Results": the model holds only for breakthrough fractions above
// 0 and at most 0.5. The check reads the texts of the screen's boxes, not the shared tables, so it
// tests exactly what the user sees.
#pragma once

#include <string_view>

namespace results {

//! Whether one row may be calculated: c and b are the leading-number values of the vapor
//! concentration and breakthrough concentration texts [ppm]. The row fails when c is 0 or below
//! (tested first, so nothing is divided by 0) or beyond the range of a 32-bit value, when b is 0
//! or below, or when b / c is above 0.5; b / c = 0.5 exactly passes.
bool rowWithinLimits(std::string_view vapConcText, std::string_view bkConcText);

}  // namespace results
