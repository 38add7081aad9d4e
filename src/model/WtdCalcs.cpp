#include "model/WtdCalcs.h"

#include <cmath>

#include "model/ModelConstants.h"

namespace tess::model::WtdCalcs {

namespace {
using ModelConstants::GasConstant;
// Coefficients of the solubility factor G = 4.24 Pe / V - 0.28 [-].
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

ZoneMixture zoneMixture(const SetUp& state, int N) {
  const double ratio = WtdAdsPotential(state, N) / (WtdAffinity(state, N) * state.Cart.APBenzene);
  return {WtdMolarVolume(state, N), std::exp(-(ratio * ratio))};
}

double TotalAdsorbedWet(const SetUp& state, int N) {
  return adsorbedWet(state, zoneMixture(state, N), state.WaterVolume[N]);
}

double OrganicVolume(const SetUp& state, int N) { return organicVolume(state, zoneMixture(state, N)); }

Dissolution dissolution(const SetUp& state, int i) {
  const VaporData& vapor = state.Vapor[i];
  const double molarVolume = vapor.MolarVol;
  const double g = SolubilitySlope * vapor.MolPol / molarVolume - SolubilityOffset;
  return {(molarVolume * GasConstant * state.TempK) / ((static_cast<double>(state.Cart.APBenzene) * vapor.Beta) * g),
          std::log(vapor.Psat / state.PartialP[i]) / molarVolume};
}

double dissolvedHumidityTerm(const SetUp& state, double humidity) { return std::log(humidity) / state.VmWater; }

double dissolvedExponential(const Dissolution& vapor, double humidityTerm) {
  const double ds = vapor.factor * (vapor.pressureTerm + humidityTerm);
  return std::exp(-(ds * ds));
}

double DissolvedVolume(const SetUp& state, int i) {
  if (state.PartialP[i] <= 0) return 0;
  const int zone = state.MixVapors;
  return dissolvedVolume(state, i, state.WaterVolume[zone],
                         dissolvedExponential(dissolution(state, i), dissolvedHumidityTerm(state, state.WaterRH[zone])));
}

double ComponentAdsorbed(const SetUp& state, int i) {
  return componentAmount(state, i, TotalAdsorbedWet(state, state.MixVapors), DissolvedVolume(state, i));
}

double StoichTime(const SetUp& state, int i) {
  if (state.PartialP[i] <= 0) return 0;
  return stoichTimeFromAmount(state, i, ComponentAdsorbed(state, i));
}

}  // namespace tess::model::WtdCalcs
