// The message that the results screen shows when a calculation stops short: which vapors could not
// be estimated, why, and what the user can change.
#pragma once

#include <string>

#include "model/CalculationRun.h"
#include "state/SetUp.h"

namespace tess::results {

//! Title of the message box.
inline constexpr const char* CalculationStopTitle = "Calculation Incomplete";

//! The message for a calculation that did not complete, naming the vapors of slots 1 to
//! TotalVapors whose times were not fixed (in the slots' order after the run), the model's reason,
//! and, when other vapors have times, that those are complete but not the cartridge's service life.
std::string calculationStopMessage(const SetUp& state, const model::CalculationStatus& status);

}  // namespace tess::results
