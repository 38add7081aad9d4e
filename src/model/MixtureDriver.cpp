// The mixture driver (module IAST): orders the vapors, solves the equilibrium and steps the zones.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "model/BTSorting.h"
#include "model/IAST.h"
#include "model/WtdCalcs.h"
#include "model/ZoneStepper.h"

namespace tess::model::IAST {

namespace {

constexpr int RollUpPasses = 10;

void requireFinite(double value, int slot, const char* what) {
  if (!std::isfinite(value)) {
    throw ModelStop(StopReason::NotFinite, slot, std::string(what) + " of vapor " + std::to_string(slot));
  }
}

// Steps the current zone until the elapsed time reaches the estimate of its last vapor.
void stepZone(SetUp& state, const ModelOptions& options) {
  const int n = state.MixVapors;
  std::int64_t steps = 0;
  auto stepLimit = [&]() {
    return ModelStop(StopReason::TimeStepLimit, n, "time stepping of zone " + std::to_string(n));
  };
  // Made at the first step (a zone without steps needs none of its work); with shortcuts off,
  // made afresh for every step.
  std::optional<ZoneStepper> stepper;
  while (state.ElapsedTime < state.BkTime[n]) {
    if (steps == options.maxZoneTimeSteps) throw stepLimit();
    ++steps;
    if (!stepper || !options.shortcuts) stepper.emplace(state, options.shortcuts);
    const bool repeats = stepper->step();
    requireFinite(state.BkTime[n], n, "breakthrough time");
    if (repeats) {
      // The step left every value as it found it, and later steps will too: only the elapsed
      // time moves on, added up step by step exactly as the full steps would.
      const double estimate = state.BkTime[n];
      steps += advanceElapsedTime(state.ElapsedTime, estimate, options.maxZoneTimeSteps - steps);
      if (state.ElapsedTime < estimate) throw stepLimit();
      break;
    }
  }
}

// The zone's vapor n has its final time: check what the results screen will show.
void fixTime(SetUp& state, int n, int* fixedDownTo) {
  state.FinalBkTime[n] = state.BkTime[n];
  requireFinite(state.FinalBkTime[n], n, "breakthrough time");
  requireFinite(state.BkTimeMin[n], n, "low end of the range");
  requireFinite(state.BkTimeMax[n], n, "high end of the range");
  if (fixedDownTo) *fixedDownTo = n;
}

}  // namespace

std::int64_t advanceElapsedTime(double& elapsed, double estimate, std::int64_t maxSteps) {
  std::int64_t steps = 0;
  while (elapsed < estimate && steps < maxSteps) {
    // Within one binade [2^(e-1), 2^e) every sum elapsed + 0.1 rounds to the grid of spacing
    // ulp, and elapsed lies on that grid, so each step adds the same increment: 0.1 rounded to
    // the grid. Runs of such steps are taken at once; a step that leaves the binade, or one whose
    // rounding is a tie (then it depends on the last bit), is added as it is.
    std::int64_t run = 0;
    if (elapsed >= 1 && std::isfinite(elapsed)) {
      int exponent = 0;
      std::frexp(elapsed, &exponent);
      const double top = std::ldexp(1.0, exponent);
      const double ulp = std::ldexp(1.0, exponent - 53);
      const double low = std::fmod(TimeStep, ulp);
      if (low * 2 != ulp) {
        const double increment = low * 2 < ulp ? TimeStep - low : TimeStep - low + ulp;
        if (increment > 0) {
          // Steps j = 1..run with elapsed + j * increment < top, and each starting below estimate.
          auto after = [&](std::int64_t j) { return elapsed + static_cast<double>(j) * increment; };
          const double limit = 4e15;  // keeps the counts exact in a 64-bit integer and a double
          std::int64_t inBinade =
              static_cast<std::int64_t>(std::min(limit, std::ceil((top - elapsed) / increment)));
          while (inBinade > 0 && after(inBinade) >= top) --inBinade;
          while (after(inBinade + 1) < top) ++inBinade;
          std::int64_t toEstimate = static_cast<std::int64_t>(
              std::min(limit, std::max(1.0, std::ceil((estimate - elapsed) / increment))));
          while (toEstimate > 1 && after(toEstimate - 1) >= estimate) --toEstimate;
          while (toEstimate < inBinade && after(toEstimate) < estimate) ++toEstimate;
          run = std::min({inBinade, toEstimate, maxSteps - steps});
          if (run > 0) {
            elapsed = after(run);
            steps += run;
          }
        }
      }
    }
    if (run == 0) {
      elapsed = afterTimeStep(elapsed);
      ++steps;
    }
  }
  return steps;
}

double SumPartialP(const SetUp& state, int k) {
  double sum = 0;
  for (int i = 1; i <= k; ++i) sum = sum + state.PartialP[i];
  return sum;
}

void SaveZoneState(SetUp& state) { ZoneStepper(state, false).saveZoneState(); }

void CalcMixtureBreakTimes(SetUp& state, const ModelOptions& options, int* fixedDownTo) {
  InitAdsFractions(state);
  BTSorting::SortByPolarizability(state);
  SolveIAST(state, options);
  BTSorting::SortByStoichTime(state);
  for (int i = 1; i <= state.MixVapors; ++i) {
    state.ZoneOrgVol[i] = WtdCalcs::OrganicVolume(state, i);
  }

  // First zone: all n vapors.
  int n = state.MixVapors;
  state.BkTime[n] = WtdCalcs::StoichTime(state, n);
  state.ElapsedTime = 0;
  stepZone(state, options);
  fixTime(state, state.TotalVapors, fixedDownTo);
  SaveZoneState(state);
  state.ZoneSumPress[n] = SumPartialP(state, n);

  // Each later zone holds one vapor less: the one just fixed has broken through.
  while (state.MixVapors > 1) {
    state.MixVapors = static_cast<std::int16_t>(state.MixVapors - 1);
    n = state.MixVapors;
    SolveIAST(state, options);
    // The roll-up scales by the saved amount of the vapor that broke through.
    if (state.LastAdsAmount == 0) {
      throw ModelStop(StopReason::ZeroSavedAmount, n + 1,
                      "saved adsorbed amount of vapor " + std::to_string(n + 1));
    }
    for (int pass = 0; pass < RollUpPasses; ++pass) {
      for (int i = 1; i <= n; ++i) {
        state.PartialP[i] =
            state.SavedPartialP[i] + state.LastPartialP *
                                         (WtdCalcs::ComponentAdsorbed(state, i) - state.AdsAmount[i]) /
                                         state.LastAdsAmount;
        if (state.PartialP[i] < 0) state.PartialP[i] = 0;
      }
      state.ZoneSumPress[n] = SumPartialP(state, n);
      SolveIAST(state, options);
    }
    state.BkTime[n] = WtdCalcs::StoichTime(state, n);
    state.ElapsedTime = 0;
    stepZone(state, options);
    state.ZoneSumPress[n] = SumPartialP(state, n);
    fixTime(state, n, fixedDownTo);
  }
}

}  // namespace tess::model::IAST
