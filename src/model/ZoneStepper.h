// The time steps of one zone: the water of the zones, the saved state and the breakthrough times.
//
// Within a zone's steps the adsorbed fractions, the partial pressures and the vapors' rate
// coefficients do not change, so the zones' mixture terms (WtdCalcs::ZoneMixture), the vapors'
// dissolution terms and rate coefficients, and the uptake law's rate are worked out once, when the
// stepper is made, and every formula is assembled from them.
//
// With shortcuts on, the stepper lives for the zone's steps and also saves work that changes no
// value: the remaining functions are remembered for the last arguments they were evaluated at; a
// water pass that leaves every zone's water and humidity as it found them makes the step's
// remaining passes repeat it, so they are skipped; and after a step that left them all unchanged,
// a step whose new uptakes leave every zone's water as it is changes nothing but the uptakes and
// the raw water, so only those are written. Within a step, a zone whose water inputs (the water of
// the zone before it and its own humidity) or whose humidity inputs (its water and that of the zone
// after it) are those of its last evaluation keeps what that evaluation wrote; and the
// stoichiometric times, which a pass writes and the next pass overwrites, are worked out once, for
// the water and humidity of zone MixVapors that the last pass writing them saw. With shortcuts
// off, a stepper is made for each step and evaluates all of it.
#pragma once

#include <array>
#include <cstdint>

#include "model/IAST.h"
#include "model/WtdCalcs.h"
#include "state/SetUp.h"

namespace tess::model {

//! Performs the time steps of the zone that is current when it is made (MixVapors vapors in
//! play).
class ZoneStepper {
 public:
  ZoneStepper(SetUp& state, bool shortcuts);
  //! One step: ElapsedTime + 0.1, the zone water, the saved state, the breakthrough times.
  //! Returns true when the step left the zones' water, humidity and organic volume as it found
  //! them and the water uptake no longer depends on the time: every later step then repeats it.
  //! With shortcuts off, returns false.
  bool step();
  //! Saves adsorbed amounts, partial pressures and zone organic volumes of vapors 1..MixVapors.
  void saveZoneState();

 private:
  struct Memo {
    std::uint64_t key = 0;
    double value = 0;
    bool valid = false;
    bool settled = false;  // for the uptake: its value no longer depends on the time
  };

  // Two arguments of a zone's part of a pass, as bits.
  struct Inputs {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    bool valid = false;
  };
  // What zone MixVapors held when a stoichiometric time was due.
  struct StoichArguments {
    double water = 0;
    double humidity = 0;
    bool pending = false;
  };

  template <class Evaluate>
  double remembered(Memo& memo, double argument, Evaluate evaluate);
  bool seen(Inputs& inputs, double first, double second);
  double adsorbedWet(int N, double water);
  double componentAdsorbed(int i, double water, double humidity);
  double stoichTime(int j, double water, double humidity);
  double uptake(int j, double previous, double equilibrium);
  bool quietStep();
  void zoneWater(int j);
  void zoneHumidity(int j);
  void waterPass();
  void writeStoichTimes();
  void updateWaterZones();
  void updateBreakTimes();

  SetUp& m_state;
  bool m_shortcuts;
  int m_n = 0;
  int m_total = 0;
  // Per zone N (vapors 1..N).
  std::array<WtdCalcs::ZoneMixture, MaxVapors + 2> m_mixture{};
  std::array<double, MaxVapors + 2> m_organicVolume{};
  // Per vapor.
  std::array<WtdCalcs::Dissolution, MaxVapors + 1> m_dissolution{};
  std::array<IAST::RateCoefficients, MaxVapors + 1> m_rate{};
  std::array<double, MaxVapors + 1> m_kvTimesInlet{};
  std::array<double, MaxVapors + 1> m_logOdds{};
  // The uptake law's factor -0.00005 theta u, and that factor times t / L at this step.
  double m_uptakeRate = 0;
  double m_stepFactor = 0;
  // Remembered evaluations.
  Memo m_humidityTerm;
  std::array<Memo, MaxVapors + 1> m_dissolvedExponential{};
  std::array<Memo, MaxVapors + 1> m_equilibriumWater{};
  std::array<Memo, MaxVapors + 1> m_uptakeGap{};  // forgotten at every step (the time changes)
  std::array<Memo, MaxVapors + 2> m_adsorbedWet{};
  std::array<Inputs, MaxVapors + 1> m_waterInputs{};  // forgotten at every step
  std::array<Inputs, MaxVapors + 1> m_humidityInputs{};
  std::array<StoichArguments, MaxVapors + 1> m_stoich{};
  // Every uptake of this step no longer depends on the time.
  bool m_uptakeSettled = true;
  // The last step left the zones' water, humidity and organic volume as it found them.
  bool m_lastStepKeptState = false;
};

}  // namespace tess::model
