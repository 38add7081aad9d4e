#include "model/ModBreakTime.h"

#include <cmath>

#include "model/ModelConstants.h"

namespace tess::model::ModBreakTime {

namespace {
using namespace ModelConstants;

// Empirical coefficients of the rate coefficient and of its slope.
constexpr double RateFactor = 800;
constexpr double RateBetaExponent = 0.33;
constexpr double RateVelocityExponent = 0.75;
constexpr double RateGranuleExponent = -1.5;
constexpr double SlopeA0 = -10.3394, SlopeA1 = 0.0001564;
constexpr double SlopeB0 = 1.3348, SlopeB1 = 0.0001423;
constexpr double SlopeC0 = 0.41, SlopeC1 = 0.0000324;
// (1 - F)/F at the fraction F = 0.001 at which RateCoefficient gives kv.
constexpr double OddsAtRateFraction = 999;
// Above this kv the slope correction is not applied [1/min].
constexpr double SlopeKvLimit = 11800;
}  // namespace

double CalcBedVolume(const SetUp& state) {
  const double diameter = state.Cart.BedDiam;
  return diameter * diameter * state.Cart.Bed_Depth * CircleConstant * state.NumCarts / 4;
}

float CalcBedDensity(const SetUp& state) {
  const double carts = static_cast<float>(state.NumCarts);
  return static_cast<float>(carts * state.Cart.CarbWgt / state.Cart.BedVolume);
}

float CalcAirVelocity(const SetUp& state) {
  const double carts = static_cast<float>(state.NumCarts);
  const double flow = state.BreathingAirFlow;
  return static_cast<float>((flow * Cm3PerLitre * state.Cart.BedDensity * state.Cart.Bed_Depth) /
                            (static_cast<double>(state.Cart.CarbWgt) * SecondsPerMinute * carts));
}

double WaterVaporPressure(const SetUp& state) {
  const double kelvin = state.TempK;
  return std::exp(WaterAntoineA - WaterAntoineB / (kelvin - WaterAntoineC)) * KPaPerTorr;
}

double WaterMolarVolume() { return WaterMolarMass / WaterLiquidDensity; }

double VaporPartialPressure(const SetUp& state, int i) {
  const double concentration = state.Vapor[i].AvgVapConc;
  return concentration * KPaPerAtm * state.AtmPressure / PartsPerMillion;
}

double MixtureCapacity(const SetUp& state, int i) { return state.AdsAmount[i] * state.Vapor[i].MolWt; }

double RateCoefficient(const SetUp& state, double We, int i) {
  const VaporData& vapor = state.Vapor[i];
  return RateFactor * std::pow(vapor.Beta, RateBetaExponent) *
         std::pow(static_cast<double>(state.LinVelocity), RateVelocityExponent) *
         std::pow(static_cast<double>(state.Cart.DiamGran), RateGranuleExponent) *
         std::sqrt(We / vapor.MolWt);
}

std::optional<double> CalcKvSlope(double kv) {
  const double a = SlopeA0 - SlopeA1 * kv;
  const double b = SlopeB0 - SlopeB1 * kv;
  const double c = SlopeC0 - SlopeC1 * kv;
  const double discriminant = b * b - 4 * a * c;
  // No real root (kv above about 12,802.6): the slope has no value.
  if (discriminant < 0) return std::nullopt;
  return (-b - std::sqrt(discriminant)) / (2 * a);
}

double KvMidpoint(double kv, std::optional<double> slope) {
  return kv / (1 + slope.value_or(0.0) * std::log(OddsAtRateFraction));
}

double KvForFraction(double kv, std::optional<double> slope, double kvMid, double fraction) {
  // A slope without value is never greater than 0.
  if (slope.has_value() && *slope > 0 && kv < SlopeKvLimit) {
    return kvMid * (1 + *slope * std::log((1 - fraction) / fraction));
  }
  return kv;
}

double InletConcentration(const SetUp& state, int i) {
  const double kelvin = state.TempK;
  return state.PartialP[i] * state.Vapor[i].MolWt / (kelvin * GasConstant * PartsPerMillion);
}

double BreakthroughLogOdds(const SetUp& state, int i) { return std::log(1 / state.BkFrac[i] - 1); }

double BreakthroughTime(const SetUp& state, double We, double tStoich, double kvTimesInlet, double logOdds,
                        int i) {
  double t = 0;
  if (state.PartialP[i] > 0) t = tStoich - (We * state.Cart.BedDensity / kvTimesInlet) * logOdds;
  if (t < 0) t = 0;
  return t;
}

}  // namespace tess::model::ModBreakTime
