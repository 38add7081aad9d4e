#include "model/ZoneStepper.h"

#include "model/IAST.h"
#include "model/WaterZones.h"

namespace IAST {

ZoneStepper::ZoneStepper(SetUp& state) : m_state(state) {}

bool ZoneStepper::step() {
  m_state.ElapsedTime = m_state.ElapsedTime + 0.1;
  WaterZones::UpdateWaterZones(m_state);
  SaveZoneState(m_state);
  UpdateBreakTimes(m_state);
  return false;
}

}  // namespace IAST
