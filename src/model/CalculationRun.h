// The model side of "Calculate Results": derives the model's inputs into the shared state, runs
// the mixture model and reports how it went. Also the face velocity that the results screen sets
// when it is filled from the data-input screen.
//
// Usage by the results screen:
//   computeSuperficialVel(state);                 // when the screen is filled (not at each run)
//   CalculationStatus status = runCalculation(state);
//   if (status.completed) show every vapor's FinalBkTime, BkTimeMin, BkTimeMax;
//   else show the slots with status.timeFixed[i] and put status.message in a message box.
#pragma once

#include <array>
#include <string>

#include "model/ModelBounds.h"
#include "state/SetUp.h"

namespace tess::model {

//! How a calculation went.
struct CalculationStatus {
  //! True when every vapor's time was worked out; the slots are then in ascending
  //! stoichiometric-time order and MixVapors is 1.
  bool completed = false;
  //! Why it stopped (StopReason::None when completed).
  StopReason reason = StopReason::None;
  //! Slot 1..5 of the vapor concerned, in the slots' order after the run; 0 when no one vapor is.
  int vaporSlot = 0;
  //! ChemName of that slot; empty when vaporSlot is 0.
  std::string vaporName;
  //! One or two sentences for the user: what stopped the calculation and what can be changed.
  //! Empty when completed.
  std::string message;
  //! Where inside the model it stopped, for a log or a test (not for the user); empty otherwise.
  std::string detail;
  //! Per slot 1..5: FinalBkTime, BkTimeMin and BkTimeMax of the slot are the model's final values.
  //! All slots 1..TotalVapors when completed; after a stop, the vapors whose zones were finished.
  std::array<bool, MaxVapors + 1> timeFixed{};
  //! Bounds of the equilibrium that the calculation met and went on from (for tests and logs; the
  //! user sees the times alone).
  BoundsMet boundsMet;
};

//! Works out the breakthrough times of the vapors in slots 1 to TotalVapors. First it checks the
//! inputs that the model divides by or takes a logarithm of; an input that would make a step
//! undefined stops the run there with reason InvalidInput and leaves the state untouched. Then it
//! sets FinalBkTime, BkTime, BkTimeMin and BkTimeMax of every slot to 0, so that no time of an
//! earlier run can be shown as a result of this one, and derives the model's inputs: ZoneSumPress
//! zeroed; TempK [K]; the bed volume [cm3], bed density [g/cm3] and linear velocity [cm/s]; the
//! saturation pressure [kPa] and molar volume [cm3/mol] of water; per vapor slot Beta, Psat [kPa],
//! MolarVol [cm3/mol], PartialP [kPa] and ZoneWaterEq = 0; the water held at the preconditioning
//! humidity, WaterVolPre [cm3/g], as every zone's start water, the feed humidity plus 0.0001 as
//! every zone's start humidity, and MixVapors = TotalVapors. Last it runs CalcMixtureBreakTimes.
//!
//! A stop inside the model leaves MixVapors at 1, the slots in their order at the stop, the
//! results of vapors not fixed at 0, and no infinite or undefined value in the shared tables, so
//! the next run starts clean.
//!
//! options.shortcuts off evaluates every time step in full; the results are the same in every bit.
CalculationStatus runCalculation(SetUp& state, const ModelOptions& options = {});

//! Face velocity of the air through all beds, SuperficialVel = Q 1000 / (d^2 3.14159 15 n)
//! [cm/s] (Q in L/min, d in cm, 15 = 60 s/min / 4), from BreathingAirFlow, Cart.BedDiam and
//! NumCarts as they stand.
void computeSuperficialVel(SetUp& state);

}  // namespace tess::model
