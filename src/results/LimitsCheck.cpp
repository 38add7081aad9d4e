#include "results/LimitsCheck.h"

#include <limits>

#include "platform/text/LeadingNumber.h"
#include "state/SetUp.h"

namespace tess::results {

namespace {
// Largest breakthrough fraction for which the model's rate equation holds [-].
constexpr double MaxBreakthroughFraction = 0.5;
}  // namespace

namespace {

bool pairWithinLimits(double c, double b) {
  // A negative vapor concentration is refused too: its box can show it while the shared state
  // still holds the last accepted, positive value, so a result would not belong to the screen.
  if (c <= 0) return false;
  // A concentration beyond the range of a 32-bit value cannot be stored (its box keeps the text
  // while the shared state keeps the last value), so it is refused here as well.
  if (c > std::numeric_limits<float>::max()) return false;
  if (breakthroughFraction(b, c) > MaxBreakthroughFraction) return false;
  return b > 0;
}

}  // namespace

bool rowWithinLimits(const RowConcentrations& row) {
  return pairWithinLimits(tess::text::leadingNumber(row.vapConcText),
                          tess::text::leadingNumber(row.bkConcText)) &&
         pairWithinLimits(row.storedVapConc, row.storedBkConc);
}

}  // namespace tess::results
