// Time steps of one zone, evaluated with what stays the same within the zone reused.
#pragma once

#include "state/SetUp.h"

namespace IAST {

//! Performs the time steps of the zone that is current when it is made (MixVapors vapors in
//! play), with results identical to the step of the model in every bit.
class ZoneStepper {
 public:
  explicit ZoneStepper(SetUp& state);
  //! One step: ElapsedTime + 0.1, the zone water, the saved state, the breakthrough times.
  //! Returns true when the step left every value as it found it and later steps will do the same.
  bool step();

 private:
  SetUp& m_state;
};

}  // namespace IAST
