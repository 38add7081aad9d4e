#include "model/WtdCalcs.h"

#include <cmath>

#include "model/ModelConstants.h"

namespace WtdCalcs {

namespace {
using ModelConstants::GasConstant;
// Coefficients of the solubility factor G = 4.24 Pe / V - 0.28.
constexpr double SolubilitySlope = 4.24;
constexpr double SolubilityOffset = 0.28;
}  // namespace

double WtdAffinity(const SetUp& state, int N) {
  double sum = 0;
  for (int k = 1; k <= N; ++k) sum = sum + state.AdsMoleFrac[k] * state.Vapor[k].Beta;
  return sum;
}

double WtdMolarVolume(const SetUp& state, int N) {
  double sum = 0;
  for (int k = 1; k <= N; ++k) sum = sum + state.AdsMoleFrac[k] * state.Vapor[k].MolarVol;
  return sum;
}

double WtdAdsPotential(const SetUp& state, int N) {
  const double kelvin = state.TempK;
  double sum = 0;
  for (int k = 1; k <= N; ++k) {
    if (state.PartialP[k] > 0) {
      const double fraction = state.AdsMoleFrac[k];
      sum = sum + ((fraction * GasConstant) * kelvin) *
                      std::log(fraction * state.Vapor[k].Psat / state.PartialP[k]);
    }
  }
  return sum;
}

double capacityExponential(double adsPotential, double affinity, float adsPotentialBenzene) {
  const double ratio = adsPotential / (affinity * adsPotentialBenzene);
  return std::exp(-(ratio * ratio));
}

double TotalAdsorbedDry(const SetUp& state, int N) {
  const double molarVolume = WtdMolarVolume(state, N);
  const double exponential =
      capacityExponential(WtdAdsPotential(state, N), WtdAffinity(state, N), state.Cart.APBenzene);
  return (state.Cart.MicVol / molarVolume) * exponential;
}

double TotalAdsorbedWet(const SetUp& state, int N) {
  const double molarVolume = WtdMolarVolume(state, N);
  const double exponential =
      capacityExponential(WtdAdsPotential(state, N), WtdAffinity(state, N), state.Cart.APBenzene);
  return ((state.Cart.MicVol - state.WaterVolume[N]) / molarVolume) * exponential;
}

double ComponentAdsorbed(const SetUp& state, int i) {
  return state.AdsMoleFrac[i] * TotalAdsorbedWet(state, state.MixVapors) +
         DissolvedVolume(state, i) / state.Vapor[i].MolarVol;
}

double dissolvedPressureTerm(const SetUp& state, int i) {
  const double molarVolume = state.Vapor[i].MolarVol;
  return std::log(state.Vapor[i].Psat / state.PartialP[i]) / molarVolume;
}

double dissolvedHumidityTerm(const SetUp& state) {
  return std::log(state.WaterRH[state.MixVapors]) / state.VmWater;
}

double dissolvedFactor(const SetUp& state, int i) {
  const VaporData& vapor = state.Vapor[i];
  const double molarVolume = vapor.MolarVol;
  const double g = SolubilitySlope * vapor.MolPol / molarVolume - SolubilityOffset;
  return (molarVolume * GasConstant * state.TempK) /
         ((static_cast<double>(state.Cart.APBenzene) * vapor.Beta) * g);
}

double DissolvedVolume(const SetUp& state, int i) {
  if (state.PartialP[i] <= 0) return 0;
  const double s = dissolvedPressureTerm(state, i) + dissolvedHumidityTerm(state);
  const double ds = dissolvedFactor(state, i) * s;
  return (state.WaterVolume[state.MixVapors] * std::exp(-(ds * ds))) * state.Vapor[i].WaterSol;
}

double stoichTimeFromAmount(const SetUp& state, int i, double componentAmount) {
  return componentAmount / state.PartialP[i] * state.Cart.CarbWgt * state.NumCarts * GasConstant *
         state.TempK * ModelConstants::Cm3PerLitre / state.BreathingAirFlow;
}

double StoichTime(const SetUp& state, int i) {
  if (state.PartialP[i] <= 0) return 0;
  return stoichTimeFromAmount(state, i, ComponentAdsorbed(state, i));
}

}  // namespace WtdCalcs
