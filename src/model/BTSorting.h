// Ordering of the vapor slots. The mixture model works by position: the equilibrium takes the
// last vapor as its reference and zone j holds vapors 1 to j. Sorting moves each vapor's whole
// record together with its PartialP, AdsMoleFrac, AdsAmount, BkConc and BkFrac.
#pragma once

#include "state/SetUp.h"

namespace tess::model::BTSorting {

//! Sort key that marks a slot not in play or already placed [-].
inline constexpr double PlacedKey = 1000000;

//! Vapors 1..MixVapors in ascending order of molecular polarizability.
void SortByPolarizability(SetUp& state);
//! Vapors 1..MixVapors in ascending order of stoichiometric time, all keys taken before any move.
void SortByStoichTime(SetUp& state);
//! Stable ascending sort of vapors 1..MixVapors by SortKey; leaves every key it used at PlacedKey.
//! Placed slots are recorded apart from the keys, so keys of PlacedKey or more sort soundly too.
void SortVapors(SetUp& state);

}  // namespace tess::model::BTSorting
