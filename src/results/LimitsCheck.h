// The limits check of "Calculate Results": the model holds only for breakthrough fractions above
// 0 and at most 0.5. The check reads the texts of the screen's boxes, so it tests what the user
// sees, and the values stored for the model, so that the model never runs on a fraction that the
// check has not seen (a box rewritten after a run shows its value rounded: 2.4 ppm shows "2").
#pragma once

#include <string_view>

namespace tess::results {

//! The concentrations of one row as its boxes show them and as the model will use them [ppm].
struct RowConcentrations {
  std::string_view vapConcText;  //!< text of the vapor-concentration box
  std::string_view bkConcText;   //!< text of the breakthrough-concentration box
  float storedVapConc;           //!< the slot's AvgVapConc
  double storedBkConc;           //!< the slot's BkConc
};

//! Whether one row may be calculated. With c and b the vapor and breakthrough concentrations
//! [ppm], read once from the box texts (leading-number values) and once as stored, the row fails
//! when either pair does: c is 0 or below (tested first, so nothing is divided by 0) or beyond
//! the range of a 32-bit value, b is 0 or below, or b / c is above 0.5; b / c = 0.5 exactly passes.
//! Both fractions are worked out as every BkFrac is, by breakthroughFraction.
bool rowWithinLimits(const RowConcentrations& row);

}  // namespace tess::results
