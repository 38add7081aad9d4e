// Time steps of one zone, with what stays the same within the zone computed once.
//
// Within a zone's steps the adsorbed fractions, the partial pressures and the vapors' rate
// coefficients do not change, so the weighted sums, the capacity exponentials, the zones' organic
// volumes and the kinetic factors are constant; the remaining functions are remembered for the last
// arguments they were evaluated at. A water pass that leaves every zone's water and humidity as it
// found them makes the step's remaining passes repeat it, so they are skipped; and after a step
// that left them all unchanged, a step whose new uptakes leave every zone's water as it is changes
// nothing but the uptakes and the raw water, so only those are written. Every value is
// computed by the same expressions as the full step, so the results agree in every bit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "state/SetUp.h"

namespace IAST {

//! Performs the time steps of the zone that is current when it is made (MixVapors vapors in
//! play). Make it just before the zone's first step.
class ZoneStepper {
 public:
  explicit ZoneStepper(SetUp& state);
  //! One step: ElapsedTime + 0.1, the zone water, the saved state, the breakthrough times.
  //! Returns true when the step left the zones' water, humidity and organic volume as it found
  //! them and the water uptake no longer depends on the time: every later step then repeats it.
  bool step();

 private:
  struct Memo {
    std::uint64_t key = 0;
    double value = 0;
    bool valid = false;
    bool settled = false;  // for the uptake: its value no longer depends on the time
  };

  double totalAdsorbedWet(int N) const;
  double componentAdsorbed(int i);
  double stoichTime(int j);
  double equilibriumWater(int j, double beta);
  double uptake(int j, double previous, double equilibrium);
  bool quietStep();
  void waterPass();
  void updateWaterZones();
  void saveZoneState();
  void updateBreakTimes();

  SetUp& m_state;
  int m_n = 0;
  int m_total = 0;
  // Per zone N (vapors 1..N): weighted molar volume, capacity exponential, organic volume.
  std::array<double, MaxVapors + 2> m_molarVolume{};
  std::array<double, MaxVapors + 2> m_exponential{};
  std::array<double, MaxVapors + 2> m_organicVolume{};
  // Per vapor: dissolution factors, rate coefficients and kinetic factors.
  std::array<double, MaxVapors + 1> m_pressureTerm{};
  std::array<double, MaxVapors + 1> m_dissolvedFactor{};
  std::array<double, MaxVapors + 1> m_kv{};
  std::array<std::optional<double>, MaxVapors + 1> m_kvSlope{};
  std::array<double, MaxVapors + 1> m_kvMid{};
  std::array<double, MaxVapors + 1> m_kvAdj{};
  std::array<double, MaxVapors + 1> m_kvTimesInlet{};
  std::array<double, MaxVapors + 1> m_logOdds{};
  // Remembered evaluations.
  Memo m_humidityTerm;
  std::array<Memo, MaxVapors + 1> m_dissolvedExponential{};
  std::array<Memo, MaxVapors + 1> m_equilibriumWater{};
  std::array<Memo, MaxVapors + 1> m_uptakeGap{};  // reset at every step (the time changes)
  // The uptake law's time-independent factor -0.00005 theta u, and this step's factor times t/L.
  double m_rateFactor = 0;
  double m_stepFactor = 0;
  // Every uptake of this step no longer depends on the time.
  bool m_uptakeSettled = true;
  // The last step left the zones' water, humidity and organic volume as it found them.
  bool m_lastStepKeptState = false;
};

}  // namespace IAST
