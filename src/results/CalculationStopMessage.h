// The message that the results screen shows when a calculation stops short: which vapors could not
// be estimated, why, and what the user can change.
#pragma once

#include <string>

#include "model/CalculationRun.h"
#include "state/SetUp.h"

namespace results {

//! Title of the message box.
inline constexpr const char* CalculationStopTitle = "Calculation Incomplete";

//! The message for a calculation that did not complete, naming the vapors of slots 1 to
//! TotalVapors whose times were not fixed (in the slots' order after the run), the model's reason,
//! and whether the times shown for the other vapors are complete.
std::string calculationStopMessage(const SetUp& state, const CalculationStatus& status);

}  // namespace results
