// The mixture driver (module IAST): orders the vapors, solves the equilibrium and steps the zones.
#include <cmath>
#include <string>

#include "model/BTSorting.h"
#include "model/IAST.h"
#include "model/WaterZones.h"
#include "model/WtdCalcs.h"
#include "model/ZoneStepper.h"

namespace IAST {

namespace {

constexpr double TimeStep = 0.1;  // [min]
constexpr int RollUpPasses = 10;

void requireFinite(double value, int slot, const char* what) {
  if (!std::isfinite(value)) {
    throw ModelStop(StopReason::NotFinite, slot, std::string(what) + " of vapor " + std::to_string(slot));
  }
}

// One time step as the model defines it.
void plainStep(SetUp& state) {
  state.ElapsedTime = state.ElapsedTime + TimeStep;
  WaterZones::UpdateWaterZones(state);
  SaveZoneState(state);
  UpdateBreakTimes(state);
}

// Steps the current zone until the elapsed time reaches the estimate of its last vapor.
void stepZone(SetUp& state, const ModelOptions& options) {
  const int n = state.MixVapors;
  std::int64_t steps = 0;
  auto countStep = [&]() {
    if (steps == ModelBounds::MaxZoneTimeSteps) {
      throw ModelStop(StopReason::TimeStepLimit, n, "time stepping of zone " + std::to_string(n));
    }
    ++steps;
  };
  if (!options.shortcuts) {
    while (state.ElapsedTime < state.BkTime[n]) {
      countStep();
      plainStep(state);
      requireFinite(state.BkTime[n], n, "breakthrough time");
    }
    return;
  }
  ZoneStepper stepper(state);
  while (state.ElapsedTime < state.BkTime[n]) {
    countStep();
    if (stepper.step()) {
      // The step left every value as it found it, and later steps will too: only the elapsed
      // time moves on, added up step by step exactly as the full steps would.
      const double estimate = state.BkTime[n];
      while (state.ElapsedTime < estimate) {
        countStep();
        state.ElapsedTime = state.ElapsedTime + TimeStep;
      }
      break;
    }
    requireFinite(state.BkTime[n], n, "breakthrough time");
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

double SumPartialP(const SetUp& state, int k) {
  double sum = 0;
  for (int i = 1; i <= k; ++i) sum = sum + state.PartialP[i];
  return sum;
}

void SaveZoneState(SetUp& state) {
  for (int i = 1; i <= state.MixVapors; ++i) {
    state.AdsAmount[i] = WtdCalcs::ComponentAdsorbed(state, i);
    state.SavedPartialP[i] = state.PartialP[i];
    state.ZoneOrgVol[i] = WtdCalcs::TotalAdsorbedDry(state, i) * WtdCalcs::WtdMolarVolume(state, i);
  }
  state.LastAdsAmount = state.AdsAmount[state.MixVapors];
  state.LastPartialP = state.SavedPartialP[state.MixVapors];
}

void CalcMixtureBreakTimes(SetUp& state, const ModelOptions& options, int* fixedDownTo) {
  InitAdsFractions(state);
  BTSorting::SortByPolarizability(state);
  SolveIAST(state, options);
  BTSorting::SortByStoichTime(state);
  for (int i = 1; i <= state.MixVapors; ++i) {
    state.ZoneOrgVol[i] = WtdCalcs::TotalAdsorbedDry(state, i) * WtdCalcs::WtdMolarVolume(state, i);
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
        state.PartialP[i] = state.SavedPartialP[i] +
                            state.LastPartialP * (WtdCalcs::ComponentAdsorbed(state, i) - state.AdsAmount[i]) /
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

}  // namespace IAST
