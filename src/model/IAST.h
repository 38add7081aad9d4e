// The mixture model: adsorbed-phase equilibrium (ideal adsorbed solution with the
// Dubinin-Radushkevich isotherm), breakthrough times and ranges per time step, and the driver that
// steps the zones of the bed through time.
//
// Equilibrium: every vapor i has the reduced spreading pressure of the reference vapor
// (vapor MixVapors), and the fractions sum to 1:
//   Pi_i = beta_i (1 - S(z_i)) / V_i,   z_i = (R T / (E0 beta_i)) ln(x_i p_sat,i / p_i),
//   S(z) = 1.12838 (z - z^3/3 + z^5/10 - z^7/42 + z^9/216 - z^11/1320)
// (the error-function series cut after six terms). Each x_i is found by a march on the grid
// 0.0001, 0.0002, ... up to the first point where Pi_i - Pi_ref <= 1e-6.
//
// Zones: zone j of the bed holds vapors 1 to j of the current order. The driver works from the
// zone of all n vapors down to vapor 1 alone, stepping each zone in 0.1-min steps until the
// elapsed time reaches the breakthrough-time estimate of its last vapor.
//
// Operations that meet a corner in which the model has no value (see ModelBounds.h) throw
// ModelStop; the calculation run catches it.
#pragma once

#include <cstdint>
#include <optional>

#include "model/ModelBounds.h"
#include "state/SetUp.h"

namespace tess::model::IAST {

//! Time step of the zones' time stepping [min].
inline constexpr double TimeStep = 0.1;
//! The elapsed time [min] after one more time step from elapsed [min].
inline double afterTimeStep(double elapsed) { return elapsed + TimeStep; }

// Equilibrium.

//! Start fractions: the gas-phase mole fractions of vapors 1..MixVapors.
void InitAdsFractions(SetUp& state);
//! Solves the fractions of vapors 1..MixVapors; they leave normalised to a sum of 1.
void SolveIAST(SetUp& state, const ModelOptions& options = {});
//! Divides fractions 1..k by their sum FracSum.
void NormalizeAdsFractions(SetUp& state, int k);
//! Marches the fraction of vapor i up to the reference's spreading pressure; returns it and leaves
//! it in AdsMoleFrac(i).
double SolveAdsFraction(SetUp& state, int i, const ModelOptions& options = {});
//! Writes RedPotential(i), ErfSeries(i) and SpreadPress(i) from AdsMoleFrac(i) and PartialP(i).
void CalcSpreadingPressure(SetUp& state, int i);
//! The truncated series S(z) [-].
double spreadingSeries(double z);

// Breakthrough times per step.

//! Position factor of the rate coefficient for a vapor at position (0..5) of a mixture of count
//! (0..5) vapors [-].
double PositionFactor(int position, int count);
//! Rate coefficients of vapor i: kv from its single-vapor capacity on dry carbon at the inlet
//! pressure, the slope and midpoint of kv, and kv at the vapor's own breakthrough fraction times
//! the position factor. They depend on the vapor, the bed and the air alone.
struct RateCoefficients {
  double kv = 0;                //!< [1/min]
  std::optional<double> slope;  //!< [-]; no value where the slope's quadratic has no real root
  double mid = 0;               //!< kv at a breakthrough fraction of 0.5 [1/min]
  double adjusted = 0;          //!< [1/min]
};
RateCoefficients rateCoefficients(const SetUp& state, int i);
//! Leaves a vapor's rate coefficients in Kv, KvSlope, KvMid and KvAdj.
void storeRateCoefficients(SetUp& state, const RateCoefficients& rate);
//! Writes BkTime(i) = breakTime and its range BkTimeMin(i), BkTimeMax(i).
void setBreakTimeAndRange(SetUp& state, int i, double tStoich, double breakTime);
//! Range of a breakthrough time: spread in percent for the share r of tStoich that the rate term
//! takes away.
double rangeSpread(double tStoich, double breakTime);

// Driver.

//! Puts the vapors in order, solves the equilibrium and steps the zones; leaves the results in
//! FinalBkTime, BkTimeMin and BkTimeMax, the slots in ascending stoichiometric-time order and
//! MixVapors at 1. fixedDownTo (if given) is lowered to each zone's vapor as its time is fixed, so
//! that after a ModelStop the slots fixedDownTo..TotalVapors hold final times.
void CalcMixtureBreakTimes(SetUp& state, const ModelOptions& options = {}, int* fixedDownTo = nullptr);
//! The time loop's clock alone: while elapsed < estimate, adds the 0.1-min step to elapsed, at most
//! maxSteps times, giving exactly the sum that step-by-step addition gives. Returns the steps made.
std::int64_t advanceElapsedTime(double& elapsed, double estimate, std::int64_t maxSteps);
//! PartialP(1) + ... + PartialP(k) [kPa]; 0 when k < 1.
double SumPartialP(const SetUp& state, int k);
//! Saves adsorbed amounts, partial pressures and zone organic volumes of vapors 1..MixVapors.
void SaveZoneState(SetUp& state);

}  // namespace tess::model::IAST
