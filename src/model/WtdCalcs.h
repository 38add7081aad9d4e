// Properties of the adsorbed mixture weighted by the adsorbed-phase mole fractions x_k, and the
// amounts that follow from them.
//
// Dubinin-Radushkevich capacity of the mixture held by zone N (vapors 1 to N):
//   n_N = ((W0 - W_water,N) / V_mix) exp(-(A_mix / (beta_mix E0))^2)         [mol/g]
// with beta_mix = sum x_k beta_k, V_mix = sum x_k V_k and
//   A_mix = sum over p_k > 0 of x_k R T ln(x_k p_sat,k / p_k)                 [kJ/mol].
// Vapor dissolved in the adsorbed water (zone MixVapors):
//   V_diss = W_water exp(-(D S)^2) WaterSol,  S = ln(p_sat/p)/V + ln(RH)/V_water,
//   D = V R T / (E0 beta G),  G = 4.24 Pe / V - 0.28                           [cm3/g].
// Stoichiometric time: t_stoich = n_i / p_i  W_carbon n_carts R T 1000 / Q     [min].
//
// Evaluated as the model writes it (see ModBreakTime.h for the arithmetic convention).
#pragma once

#include "state/SetUp.h"

namespace WtdCalcs {

//! beta_mix of the first N vapors [-].
double WtdAffinity(const SetUp& state, int N);
//! V_mix of the first N vapors [cm3/mol].
double WtdMolarVolume(const SetUp& state, int N);
//! A_mix of the first N vapors; vapors with a partial pressure of 0 or less add nothing [kJ/mol].
double WtdAdsPotential(const SetUp& state, int N);
//! Organic amount adsorbed in zone N on carbon without water [mol/g].
double TotalAdsorbedDry(const SetUp& state, int N);
//! Organic amount adsorbed in zone N with zone N's water [mol/g].
double TotalAdsorbedWet(const SetUp& state, int N);
//! Amount of vapor i adsorbed, including what dissolves in the water of zone MixVapors [mol/g].
double ComponentAdsorbed(const SetUp& state, int i);
//! Volume of vapor i dissolved in the water of zone MixVapors; 0 when its pressure is 0 [cm3/g].
double DissolvedVolume(const SetUp& state, int i);
//! Stoichiometric time of vapor i; 0 when its partial pressure is 0 [min].
double StoichTime(const SetUp& state, int i);

// Pieces of the formulas above, shared with the cached evaluation of the time steps so that both
// use literally the same arithmetic.

//! exp(-(A_mix / (beta_mix E0))^2) [-].
double capacityExponential(double adsPotential, double affinity, float adsPotentialBenzene);
//! ln(p_sat,i / p_i) / V_i, the pressure part of S in DissolvedVolume [mol/cm3].
double dissolvedPressureTerm(const SetUp& state, int i);
//! ln(RH) / V_water of zone MixVapors, the humidity part of S in DissolvedVolume [mol/cm3].
double dissolvedHumidityTerm(const SetUp& state);
//! D of DissolvedVolume [cm3/mol].
double dissolvedFactor(const SetUp& state, int i);
//! Stoichiometric time from the component amount (the tail of StoichTime) [min].
double stoichTimeFromAmount(const SetUp& state, int i, double componentAmount);

}  // namespace WtdCalcs
