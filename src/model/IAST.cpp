#include "model/IAST.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/ModelConstants.h"

namespace tess::model::IAST {

namespace {
using ModelConstants::GasConstant;
constexpr double SeriesFactor = 1.12838;    // 2/sqrt(pi) to five decimals [-]
constexpr double GridStep = 0.0001;         // start and step of the fraction march
constexpr double MarchScale = 1000000;      // the march goes on while the scaled difference > 1
constexpr double ClosureTolerance = 0.001;  // a pass closes when its raw sum is this near the entry sum

void throwNotFinite(int slot, const std::string& what) { throw ModelStop(StopReason::NotFinite, slot, what); }

[[noreturn]] void throwMarchLimit(int i) {
  throw ModelStop(StopReason::MarchLimit, i, "fraction march of vapor " + std::to_string(i) + ": grid-step bound");
}

// The next point of the march's grid after fraction x [-].
double nextGridPoint(double x) { return x + GridStep; }

// Scaled difference of a spreading pressure to the reference's; the march goes on while it is
// above 1.
double marchDifference(double pressure, double reference) { return (pressure - reference) * MarchScale; }

// Divides fractions 1..k of the table by their sum, which it returns.
double normalise(VaporTable& fractions, int k) {
  double sum = 0;
  for (int j = 1; j <= k; ++j) sum = sum + fractions[j];
  for (int j = 1; j <= k; ++j) fractions[j] = fractions[j] / sum;
  return sum;
}
}  // namespace

void InitAdsFractions(SetUp& state) {
  double sum = 0;
  for (int i = 1; i <= state.MixVapors; ++i) sum = sum + state.PartialP[i];
  for (int i = 1; i <= state.MixVapors; ++i) state.AdsMoleFrac[i] = state.PartialP[i] / sum;
}

void NormalizeAdsFractions(SetUp& state, int k) { state.FracSum = normalise(state.AdsMoleFrac, k); }

double spreadingSeries(double z) {
  return SeriesFactor * (z - std::pow(z, 3) / 3 + std::pow(z, 5) / 10 - std::pow(z, 7) / 42 +
                         std::pow(z, 9) / 216 - std::pow(z, 11) / 1320);
}

namespace {

struct SpreadingValues {
  double potential;  // z
  double series;     // S(z)
  double pressure;   // reduced spreading pressure
};

// Reduced spreading pressure beta (1 - S) / V for the series value S [mol/cm3].
double spreadingPressure(const VaporData& vapor, double series) { return vapor.Beta * (1 - series) / vapor.MolarVol; }

SpreadingValues spreadingAt(const SetUp& state, int i, double fraction) {
  const VaporData& vapor = state.Vapor[i];
  const double factor = (static_cast<double>(state.TempK) * GasConstant) /
                        (static_cast<double>(state.Cart.APBenzene) * vapor.Beta);
  const double z = factor * std::log(fraction * vapor.Psat / state.PartialP[i]);
  const double series = spreadingSeries(z);
  return {z, series, spreadingPressure(vapor, series)};
}

// The march of one vapor within one solve: the grid fractions and the spreading pressures on them
// do not change from pass to pass (only the reference's does), so they are worked out once, as far
// as a march has needed them. The march stops at the first grid point whose scaled difference to
// the reference is at most 1; that difference rises with the spreading pressure, so the first such
// point is also the first at which the running minimum of the pressures qualifies, and the running
// minimum can be searched by bisection.
struct MarchGrid {
  enum class End { Open, StepBound, PastOne, NotANumber };
  std::vector<double> fraction;  // grid points 0, 1, ... worked out so far
  std::vector<double> lowest;    // running minimum of the spreading pressure over them
  End end = End::Open;           // why the grid ends after them
  double endFraction = 0;        // the fraction that ended it (NotANumber)

  void extend(const SetUp& state, int i, std::size_t size) {
    while (fraction.size() < size && end == End::Open) {
      const std::size_t j = fraction.size();
      double next = GridStep;
      if (j > 0) {
        if (j > static_cast<std::size_t>(ModelBounds::MaxMarchSteps)) {
          end = End::StepBound;
          return;
        }
        next = nextGridPoint(fraction[j - 1]);
        if (next > 1) {
          end = End::PastOne;
          return;
        }
      }
      const double pressure = spreadingAt(state, i, next).pressure;
      if (std::isnan(pressure)) {
        end = End::NotANumber;
        endFraction = next;
        return;
      }
      fraction.push_back(next);
      lowest.push_back(j == 0 ? pressure : std::min(lowest[j - 1], pressure));
    }
  }
};

}  // namespace

void CalcSpreadingPressure(SetUp& state, int i) {
  const SpreadingValues values = spreadingAt(state, i, state.AdsMoleFrac[i]);
  state.RedPotential[i] = values.potential;
  state.ErfSeries[i] = values.series;
  state.SpreadPress[i] = values.pressure;
}

namespace {

// Works out the spreading pressure of vapor i and, with withReference, the reference's, from the
// fractions as they stand, and returns the march's scaled difference.
double marchDifference(SetUp& state, int i, bool withReference) {
  CalcSpreadingPressure(state, i);
  if (withReference) CalcSpreadingPressure(state, state.MixVapors);
  const double d = marchDifference(state.SpreadPress[i], state.SpreadPress[state.MixVapors]);
  if (std::isnan(d)) throwNotFinite(i, "spreading pressure of vapor " + std::to_string(i));
  return d;
}

void countMarchBound(const ModelOptions& options) {
  if (options.boundsMet) ++options.boundsMet->march;
}

// SolveAdsFraction without renormalisation, on the grid worked out for the solve. Leaves the same
// values in the shared state as the step-by-step march, also where it stops.
double solveOnGrid(SetUp& state, int i, MarchGrid& grid, const ModelOptions& options) {
  const int ref = state.MixVapors;
  CalcSpreadingPressure(state, ref);
  const double reference = state.SpreadPress[ref];
  auto reached = [&](double pressure) { return marchDifference(pressure, reference) <= 1; };
  if (!std::isfinite(reference)) return SolveAdsFraction(state, i, options);
  std::size_t size = 64;
  while (true) {
    grid.extend(state, i, size);
    // First point whose running minimum reaches the reference.
    std::size_t low = 0, high = grid.lowest.size();
    while (low < high) {
      const std::size_t mid = low + (high - low) / 2;
      if (reached(grid.lowest[mid])) {
        high = mid;
      } else {
        low = mid + 1;
      }
    }
    if (low < grid.lowest.size()) {
      state.AdsMoleFrac[i] = grid.fraction[low];
      CalcSpreadingPressure(state, i);
      return state.AdsMoleFrac[i];
    }
    if (grid.end != MarchGrid::End::Open) break;
    size *= 2;
  }
  // The grid ended before the reference was reached: leave what the step-by-step march leaves.
  state.AdsMoleFrac[i] = grid.fraction.empty() ? GridStep : grid.fraction.back();
  if (grid.end == MarchGrid::End::NotANumber) {
    state.AdsMoleFrac[i] = grid.endFraction;
    CalcSpreadingPressure(state, i);
    throwNotFinite(i, "spreading pressure of vapor " + std::to_string(i));
  }
  CalcSpreadingPressure(state, i);
  if (grid.end == MarchGrid::End::PastOne) {
    countMarchBound(options);
    return state.AdsMoleFrac[i];
  }
  throwMarchLimit(i);
}

// The renormalised march of a two-vapor mixture, with the same result and the same values left in
// the shared state as the step-by-step march. The fractions of every step follow from additions
// and divisions alone; the spreading pressures are evaluated only in blocks of steps in which the
// march may stop. Over a block, vapor i's fraction rises and the reference's falls, so each
// potential z lies between its values at the block's ends, and the series S, which rises between
// its extremes at -PeakPotential and PeakPotential and falls outside them, is bounded by its values
// there. When even the least difference those bounds allow lies clearly above the march's
// tolerance, no step of the block can stop the march.
constexpr double PeakPotential = 1.476688;
constexpr std::size_t MarchBlock = 256;

struct SeriesRange {
  double low, high;
};

// Range of S over the potentials between z0 and z1 (in either order), widened by a margin far
// above the rounding of the evaluations.
SeriesRange seriesRange(double z0, double z1) {
  const double a = std::min(z0, z1), b = std::max(z0, z1);
  double low = std::min(spreadingSeries(a), spreadingSeries(b));
  double high = std::max(spreadingSeries(a), spreadingSeries(b));
  const double peak = spreadingSeries(PeakPotential);
  if (a < PeakPotential + 0.01 && b > PeakPotential - 0.01) high = std::max(high, peak);
  if (a < -PeakPotential + 0.01 && b > -PeakPotential - 0.01) low = std::min(low, -peak);
  constexpr double margin = 1e-9;
  return {low - margin, high + margin};
}

double marchRenormalised(SetUp& state, int i, const ModelOptions& options) {
  const int ref = state.MixVapors;
  state.AdsMoleFrac[i] = GridStep;
  double d = marchDifference(state, i, true);
  int steps = 0;
  // Fractions of vapor 1, vapor 2 and their sum at the steps of the next block.
  std::vector<std::array<double, 3>> block;
  block.reserve(MarchBlock);
  while (d > 1) {
    // The next block: the steps the step-by-step march would take, up to the one at which the
    // fraction has reached 1 or the step bound.
    block.clear();
    VaporTable x = state.AdsMoleFrac;
    int blockSteps = steps;
    while (block.size() < MarchBlock && x[i] < 1 && blockSteps < ModelBounds::MaxMarchSteps) {
      x[i] = nextGridPoint(x[i]);
      const double sum = normalise(x, 2);
      block.push_back({x[1], x[2], sum});
      ++blockSteps;
    }
    if (block.empty()) {
      if (state.AdsMoleFrac[i] >= 1) break;
      throwMarchLimit(i);
    }
    std::size_t skip = 0;
    if (block.size() > 1) {
      const std::array<double, 3>& first = block.front();
      const std::array<double, 3>& last = block[block.size() - 2];  // the block's last step is evaluated
      const SpreadingValues iFirst = spreadingAt(state, i, first[i - 1]);
      const SpreadingValues iLast = spreadingAt(state, i, last[i - 1]);
      const SpreadingValues refFirst = spreadingAt(state, ref, first[ref - 1]);
      const SpreadingValues refLast = spreadingAt(state, ref, last[ref - 1]);
      const double bound = 1e20;  // keeps every power of z within the block finite
      bool finite = true;
      for (double z : {iFirst.potential, iLast.potential, refFirst.potential, refLast.potential})
        finite = finite && std::fabs(z) < bound;
      if (finite) {
        const VaporData& vi = state.Vapor[i];
        const VaporData& vr = state.Vapor[ref];
        const SeriesRange si = seriesRange(iFirst.potential, iLast.potential);
        const SeriesRange sr = seriesRange(refFirst.potential, refLast.potential);
        const double leastI = spreadingPressure(vi, si.high);
        const double mostRef = spreadingPressure(vr, sr.low);
        if (marchDifference(leastI, mostRef) > 1.001) skip = block.size() - 1;
      }
    }
    for (std::size_t k = 0; k < block.size(); ++k) {
      if (steps == ModelBounds::MaxMarchSteps) {
        throwMarchLimit(i);
      }
      ++steps;
      state.AdsMoleFrac[1] = block[k][0];
      state.AdsMoleFrac[2] = block[k][1];
      state.FracSum = block[k][2];
      if (k < skip) continue;
      d = marchDifference(state, i, true);
      if (!(d > 1)) break;
    }
  }
  if (d > 1) countMarchBound(options);
  return state.AdsMoleFrac[i];
}

}  // namespace

double SolveAdsFraction(SetUp& state, int i, const ModelOptions& options) {
  const int ref = state.MixVapors;
  const bool renormalise = state.TotalVapors == 2;
  // Without renormalisation the reference's fraction stays as it is during the march, and so does
  // its spreading pressure.
  const bool reuseReference = options.shortcuts && !renormalise;
  if (options.shortcuts && renormalise && ref == 2) return marchRenormalised(state, i, options);
  if (reuseReference) CalcSpreadingPressure(state, ref);
  state.AdsMoleFrac[i] = GridStep;
  double d = marchDifference(state, i, !reuseReference);
  int steps = 0;
  while (d > 1) {
    // A mole fraction cannot exceed 1: the march ends there with this vapor holding all of the
    // adsorbed phase that a fraction can give it, and the solve's normalisation settles the rest.
    // Without renormalisation that is the last grid point below 1; with it, the point at which the
    // fraction has become 1.
    if (renormalise ? state.AdsMoleFrac[i] >= 1 : nextGridPoint(state.AdsMoleFrac[i]) > 1) {
      countMarchBound(options);
      break;
    }
    if (steps == ModelBounds::MaxMarchSteps) {
      throwMarchLimit(i);
    }
    ++steps;
    state.AdsMoleFrac[i] = nextGridPoint(state.AdsMoleFrac[i]);
    if (renormalise) NormalizeAdsFractions(state, 2);
    d = marchDifference(state, i, !reuseReference);
  }
  return state.AdsMoleFrac[i];
}

void SolveIAST(SetUp& state, const ModelOptions& options) {
  const int n = state.MixVapors;
  // With two or more vapors in play every spreading pressure needs a positive partial pressure.
  if (n >= 2) {
    for (int i = 1; i <= n; ++i) {
      if (!(state.PartialP[i] > 0)) {
        throw ModelStop(StopReason::ZeroPartialPressure, i, "partial pressure of vapor " + std::to_string(i));
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
  // Without renormalisation every march of a vapor runs on the same grid of pressures.
  const bool onGrid = options.shortcuts && state.TotalVapors != 2;
  std::array<MarchGrid, MaxVapors + 1> grids;
  while (std::fabs(diff) > ClosureTolerance) {
    // A start met before: the passes repeat from here on, and the last pass's normalised fractions
    // are the solve's answer (after a zone change the raw sums settle at 1 while the entry sum is
    // below 1, so the closure test cannot pass although the fractions no longer change).
    const bool repeats =
        n >= 2 && !passStarts.insert(std::bit_cast<std::uint64_t>(state.AdsMoleFrac[n])).second;
    if (repeats || passes == ModelBounds::MaxSolvePasses) {
      if (options.boundsMet) ++options.boundsMet->solve;
      break;
    }
    ++passes;
    for (int k = 1; k <= n - 1; ++k) {
      state.AdsMoleFrac[k] =
          onGrid ? solveOnGrid(state, k, grids[k], options) : SolveAdsFraction(state, k, options);
    }
    NormalizeAdsFractions(state, n);
    diff = state.FracSum - entrySum;
  }
  for (int i = 1; i <= n; ++i) {
    if (!std::isfinite(state.AdsMoleFrac[i])) throwNotFinite(i, "adsorbed fraction");
  }
}

}  // namespace tess::model::IAST
