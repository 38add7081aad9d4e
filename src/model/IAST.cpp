#include "model/IAST.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "model/ModelConstants.h"

namespace IAST {

namespace {
using ModelConstants::GasConstant;
constexpr double SeriesFactor = 1.12838;    // 2/sqrt(pi) as the series writes it
constexpr double GridStep = 0.0001;          // start and step of the fraction march
constexpr double MarchScale = 1000000;       // the march goes on while the scaled difference > 1
constexpr double ClosureTolerance = 0.001;   // a pass closes when its raw sum is this near the entry sum

void throwNotFinite(int slot, const std::string& what) {
  throw ModelStop(StopReason::NotFinite, slot, what);
}
}  // namespace

void InitAdsFractions(SetUp& state) {
  double sum = 0;
  for (int i = 1; i <= state.MixVapors; ++i) sum = sum + state.PartialP[i];
  for (int i = 1; i <= state.MixVapors; ++i) state.AdsMoleFrac[i] = state.PartialP[i] / sum;
}

void NormalizeAdsFractions(SetUp& state, int k) {
  double sum = 0;
  for (int j = 1; j <= k; ++j) sum = sum + state.AdsMoleFrac[j];
  state.FracSum = sum;
  for (int j = 1; j <= k; ++j) state.AdsMoleFrac[j] = state.AdsMoleFrac[j] / state.FracSum;
}

double spreadingSeries(double z) {
  return SeriesFactor * (z - std::pow(z, 3) / 3 + std::pow(z, 5) / 10 - std::pow(z, 7) / 42 +
                         std::pow(z, 9) / 216 - std::pow(z, 11) / 1320);
}

void CalcSpreadingPressure(SetUp& state, int i) {
  const VaporData& vapor = state.Vapor[i];
  const double factor = (static_cast<double>(state.TempK) * GasConstant) /
                        (static_cast<double>(state.Cart.APBenzene) * vapor.Beta);
  const double z = factor * std::log(state.AdsMoleFrac[i] * vapor.Psat / state.PartialP[i]);
  state.RedPotential[i] = z;
  state.ErfSeries[i] = spreadingSeries(z);
  state.SpreadPress[i] = vapor.Beta * (1 - state.ErfSeries[i]) / vapor.MolarVol;
}

double SolveAdsFraction(SetUp& state, int i, const ModelOptions& options) {
  const int ref = state.MixVapors;
  const bool renormalise = state.TotalVapors == 2;
  // Without renormalisation the reference's fraction stays as it is during the march, and so does
  // its spreading pressure.
  const bool reuseReference = options.shortcuts && !renormalise;
  auto difference = [&]() {
    CalcSpreadingPressure(state, i);
    if (!reuseReference) CalcSpreadingPressure(state, ref);
    const double d = (state.SpreadPress[i] - state.SpreadPress[ref]) * MarchScale;
    if (std::isnan(d)) throwNotFinite(i, "spreading pressure of vapor " + std::to_string(i));
    return d;
  };
  if (reuseReference) CalcSpreadingPressure(state, ref);
  state.AdsMoleFrac[i] = GridStep;
  double d = difference();
  int steps = 0;
  while (d > 1) {
    if (steps == ModelBounds::MaxMarchSteps) {
      throw ModelStop(StopReason::MarchLimit, i, "fraction march of vapor " + std::to_string(i));
    }
    ++steps;
    state.AdsMoleFrac[i] = state.AdsMoleFrac[i] + GridStep;
    if (renormalise) NormalizeAdsFractions(state, 2);
    // A mole fraction above 1 has no meaning: the reference's spreading pressure lies out of reach.
    if (state.AdsMoleFrac[i] > 1) {
      throw ModelStop(StopReason::MarchLimit, i, "fraction march of vapor " + std::to_string(i));
    }
    d = difference();
  }
  return state.AdsMoleFrac[i];
}

void SolveIAST(SetUp& state, const ModelOptions& options) {
  const int n = state.MixVapors;
  // With two or more vapors in play every spreading pressure needs a positive partial pressure.
  if (n >= 2) {
    for (int i = 1; i <= n; ++i) {
      if (!(state.PartialP[i] > 0)) {
        throw ModelStop(StopReason::ZeroPartialPressure, i,
                        "partial pressure of vapor " + std::to_string(i));
      }
    }
  }
  double entrySum = 0;
  for (int i = 1; i <= n; ++i) entrySum = entrySum + state.AdsMoleFrac[i];
  double diff = 1;
  // A pass depends only on the reference's fraction at its start (every other fraction is
  // searched afresh from the grid's start), so a start value seen before means the passes cycle.
  std::unordered_set<std::uint64_t> passStarts;
  int passes = 0;
  while (std::fabs(diff) > ClosureTolerance) {
    if (passes == ModelBounds::MaxSolvePasses) {
      throw ModelStop(StopReason::SolvePassLimit, n, "equilibrium solve");
    }
    if (n >= 2) {
      if (!passStarts.insert(std::bit_cast<std::uint64_t>(state.AdsMoleFrac[n])).second) {
        throw ModelStop(StopReason::SolvePassLimit, n, "equilibrium solve");
      }
    }
    ++passes;
    for (int k = 1; k <= n - 1; ++k) state.AdsMoleFrac[k] = SolveAdsFraction(state, k, options);
    double sum = 0;
    for (int i = 1; i <= n; ++i) sum = sum + state.AdsMoleFrac[i];
    state.FracSum = sum;
    for (int i = 1; i <= n; ++i) state.AdsMoleFrac[i] = state.AdsMoleFrac[i] / state.FracSum;
    diff = state.FracSum - entrySum;
  }
  for (int i = 1; i <= n; ++i) {
    if (!std::isfinite(state.AdsMoleFrac[i])) throwNotFinite(i, "adsorbed fraction");
  }
}

}  // namespace IAST
