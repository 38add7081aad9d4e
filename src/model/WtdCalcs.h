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
// Within a zone's time steps the fractions and partial pressures do not change: the pieces below
// that depend on them alone (ZoneMixture, Dissolution) can be worked out once and passed in, and
// the full formulas are assembled from the same pieces. Arithmetic as in ModBreakTime.h.
#pragma once

#include "model/ModelConstants.h"
#include "state/SetUp.h"

namespace tess::model::WtdCalcs {

//! beta_mix of the first N vapors [-].
double WtdAffinity(const SetUp& state, int N);
//! V_mix of the first N vapors [cm3/mol].
double WtdMolarVolume(const SetUp& state, int N);
//! A_mix of the first N vapors; vapors with a partial pressure of 0 or less add nothing [kJ/mol].
double WtdAdsPotential(const SetUp& state, int N);
//! Organic amount adsorbed in zone N with zone N's water [mol/g].
double TotalAdsorbedWet(const SetUp& state, int N);
//! Volume of the organics adsorbed in zone N on carbon without water [cm3/g].
double OrganicVolume(const SetUp& state, int N);
//! Amount of vapor i adsorbed, including what dissolves in the water of zone MixVapors [mol/g].
double ComponentAdsorbed(const SetUp& state, int i);
//! Volume of vapor i dissolved in the water of zone MixVapors; 0 when its pressure is 0 [cm3/g].
double DissolvedVolume(const SetUp& state, int i);
//! Stoichiometric time of vapor i; 0 when its partial pressure is 0 [min].
double StoichTime(const SetUp& state, int i);

// The pieces the formulas above are assembled from.

//! What the capacity of zone N takes from the adsorbed mixture.
struct ZoneMixture {
  double molarVolume = 0;  //!< V_mix [cm3/mol].
  double exponential = 0;  //!< exp(-(A_mix / (beta_mix E0))^2) [-].
};
ZoneMixture zoneMixture(const SetUp& state, int N);
//! n_N with the zone's water volume [cm3/g] [mol/g].
inline double adsorbedWet(const SetUp& state, const ZoneMixture& mixture, double water) {
  return ((state.Cart.MicVol - water) / mixture.molarVolume) * mixture.exponential;
}
//! n_N on carbon without water [mol/g].
inline double adsorbedDry(const SetUp& state, const ZoneMixture& mixture) {
  return (state.Cart.MicVol / mixture.molarVolume) * mixture.exponential;
}
//! Volume of the organics of zone N on carbon without water, n_N V_mix [cm3/g].
inline double organicVolume(const SetUp& state, const ZoneMixture& mixture) {
  return adsorbedDry(state, mixture) * mixture.molarVolume;
}

//! What the dissolved volume of vapor i (partial pressure above 0) takes from the vapor alone.
struct Dissolution {
  double factor = 0;        //!< D [cm3/mol].
  double pressureTerm = 0;  //!< ln(p_sat,i / p_i) / V_i, the pressure part of S [mol/cm3].
};
Dissolution dissolution(const SetUp& state, int i);
//! ln(RH) / V_water for the humidity RH [fraction] of zone MixVapors, the humidity part of S
//! [mol/cm3].
double dissolvedHumidityTerm(const SetUp& state, double humidity);
//! exp(-(D S)^2) for the humidity part humidityTerm of S [mol/cm3] [-].
double dissolvedExponential(const Dissolution& vapor, double humidityTerm);
//! Amount of vapor i from the mixture's amount in zone MixVapors [mol/g] and the dissolved
//! volume [cm3/g] [mol/g].
inline double componentAmount(const SetUp& state, int i, double mixtureAmount, double dissolvedVolume) {
  return state.AdsMoleFrac[i] * mixtureAmount + dissolvedVolume / state.Vapor[i].MolarVol;
}
//! Dissolved volume of vapor i for the water volume of zone MixVapors [cm3/g] and the exponential
//! exp(-(D S)^2) [cm3/g].
inline double dissolvedVolume(const SetUp& state, int i, double water, double exponential) {
  return (water * exponential) * state.Vapor[i].WaterSol;
}
//! Stoichiometric time of vapor i (partial pressure above 0) from its amount [mol/g] [min].
inline double stoichTimeFromAmount(const SetUp& state, int i, double componentAmount) {
  return componentAmount / state.PartialP[i] * state.Cart.CarbWgt * state.NumCarts * ModelConstants::GasConstant *
         state.TempK * ModelConstants::Cm3PerLitre / state.BreathingAirFlow;
}

}  // namespace tess::model::WtdCalcs
