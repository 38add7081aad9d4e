#include "results/LimitsCheck.h"

#include "platform/text/LeadingNumber.h"

namespace results {

namespace {
// Largest breakthrough fraction for which the model's rate equation holds [-].
constexpr double MaxBreakthroughFraction = 0.5;
}  // namespace

bool rowWithinLimits(std::string_view vapConcText, std::string_view bkConcText) {
  const double c = tess::text::leadingNumber(vapConcText);
  const double b = tess::text::leadingNumber(bkConcText);
  // A negative vapor concentration is refused too: its box can show it while the shared state
  // still holds the last accepted, positive value, so a result would not belong to the screen.
  if (c <= 0) return false;
  if (b / c > MaxBreakthroughFraction) return false;
  return b > 0;
}

}  // namespace results
