#include "model/BTSorting.h"

#include <array>
#include <cmath>
#include <string>

#include "model/ModelBounds.h"
#include "model/WtdCalcs.h"

namespace tess::model::BTSorting {

namespace {

// Everything that moves with a vapor.
struct VaporRow {
  VaporData vapor;
  double PartialP = 0;
  double AdsMoleFrac = 0;
  double AdsAmount = 0;
  double BkConc = 0;
  double BkFrac = 0;
};

// Scratch rows of the sort, kept for the life of the program as the module's own working store;
// a sort overwrites rows 1..MixVapors.
std::array<VaporRow, MaxVapors + 1> SortTmp;

void resetKeys(SetUp& state) {
  for (int i = 1; i <= MaxVapors; ++i) state.SortKey[i] = PlacedKey;
}

}  // namespace

void SortByPolarizability(SetUp& state) {
  resetKeys(state);
  for (int i = 1; i <= state.MixVapors; ++i) state.SortKey[i] = state.Vapor[i].MolPol;
  SortVapors(state);
}

void SortByStoichTime(SetUp& state) {
  resetKeys(state);
  for (int k = 1; k <= state.MixVapors; ++k) {
    state.SortKey[k] = WtdCalcs::StoichTime(state, k);
    // A key that is not a number has no place in any order.
    if (std::isnan(state.SortKey[k])) {
      throw ModelStop(StopReason::NotFinite, k, "stoichiometric time of vapor " + std::to_string(k));
    }
  }
  SortVapors(state);
}

void SortVapors(SetUp& state) {
  const int n = state.MixVapors;
  // Taking the first smallest key among the slots not yet placed gives the order of a scan against
  // the marker for every key below it, and a sound order for keys at or above it.
  std::array<bool, MaxVapors + 1> placed{};
  for (int p = 1; p <= n; ++p) {
    int best = 0;
    for (int j = 1; j <= n; ++j) {
      if (placed[j]) continue;
      if (best == 0 || state.SortKey[j] < state.SortKey[best]) best = j;
    }
    placed[best] = true;
    SortTmp[p] = VaporRow{state.Vapor[best],     state.PartialP[best], state.AdsMoleFrac[best],
                          state.AdsAmount[best], state.BkConc[best],   state.BkFrac[best]};
    state.SortKey[best] = PlacedKey;
  }
  for (int i = 1; i <= n; ++i) {
    const VaporRow& row = SortTmp[i];
    state.Vapor[i] = row.vapor;
    state.PartialP[i] = row.PartialP;
    state.AdsMoleFrac[i] = row.AdsMoleFrac;
    state.AdsAmount[i] = row.AdsAmount;
    state.BkConc[i] = row.BkConc;
    state.BkFrac[i] = row.BkFrac;
  }
}

}  // namespace tess::model::BTSorting
