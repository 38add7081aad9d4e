// Breakthrough times and ranges per time step (module IAST).
#include <cmath>

#include "model/IAST.h"
#include "model/ModBreakTime.h"
#include "model/ModelConstants.h"

namespace tess::model::IAST {

namespace {
using ModelConstants::GasConstant;

// Rate-coefficient factor by position in the order (rows 0..5) and mixture size (columns 0..5).
constexpr double PositionFactors[6][6] = {
    {0, 0, 0, 0, 0, 0},          {0, 1, 1, 1, 1, 1},       {0, 0, 0.85, 0.85, 0.85, 0.85},
    {0, 0, 0, 0.56, 0.56, 0.56}, {0, 0, 0, 0, 0.56, 0.56}, {0, 0, 0, 0, 0, 0.56},
};

// Share of the stoichiometric time up to which the range is a fixed +-20 %.
constexpr double FixedSpreadLimit = 0.3;
constexpr double FixedSpread = 10;  // [percent]
// Spread above the limit: 242.42 r^2 - 22.08 r - 3.84 [percent].
constexpr double SpreadA = 242.42, SpreadB = 22.08, SpreadC = 3.84;
}  // namespace

double PositionFactor(int position, int count) {
  if (position < 0 || position > MaxVapors || count < 0 || count > MaxVapors) return 0;
  return PositionFactors[position][count];
}

double rangeSpread(double tStoich, double breakTime) {
  // A stoichiometric time of 0 leaves the share without a value; the time is then 0 and so is its
  // range, whatever the spread.
  if (tStoich == 0) return FixedSpread;
  const double r = (tStoich - breakTime) / tStoich;
  if (r > FixedSpreadLimit) return SpreadA * (r * r) - SpreadB * r - SpreadC;
  return FixedSpread;
}

RateCoefficients rateCoefficients(const SetUp& state, int i) {
  const VaporData& vapor = state.Vapor[i];
  const double kelvin = state.TempK;
  // Single-vapor Dubinin-Radushkevich capacity on dry carbon at the inlet pressure [g/g].
  const double inletPressure = ModBreakTime::VaporPartialPressure(state, i);
  const double x = ((kelvin * GasConstant) / (static_cast<double>(state.Cart.APBenzene) * vapor.Beta)) *
                   std::log(vapor.Psat / inletPressure);
  const double singleCapacity =
      static_cast<double>(state.Cart.MicVol) * vapor.LiqDensity * std::exp(-(x * x));
  RateCoefficients rate;
  rate.kv = ModBreakTime::RateCoefficient(state, singleCapacity, i);
  rate.slope = ModBreakTime::CalcKvSlope(rate.kv);
  rate.mid = ModBreakTime::KvMidpoint(rate.kv, rate.slope);
  rate.adjusted = PositionFactor(i, state.TotalVapors) *
                  ModBreakTime::KvForFraction(rate.kv, rate.slope, rate.mid, state.BkFrac[i]);
  return rate;
}

void storeRateCoefficients(SetUp& state, const RateCoefficients& rate) {
  state.Kv = rate.kv;
  state.KvSlope = rate.slope;
  state.KvMid = rate.mid;
  state.KvAdj = rate.adjusted;
}

void setBreakTimeAndRange(SetUp& state, int i, double tStoich, double breakTime) {
  state.BkTime[i] = breakTime;
  const double spread = rangeSpread(tStoich, state.BkTime[i]);
  state.BkTimeMin[i] = state.BkTime[i] * ((100 - 2 * spread) / 100);
  state.BkTimeMax[i] = state.BkTime[i] * ((100 + 2 * spread) / 100);
  if (state.BkTimeMin[i] < 0) state.BkTimeMin[i] = 0;
}

}  // namespace tess::model::IAST
