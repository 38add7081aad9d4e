// Shared inputs for the model's tests: the tests' typical conditions and common solvents, put into
// the shared state as the screens leave it.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "model/CalculationRun.h"
#include "model/ModelBounds.h"
#include "state/SetUp.h"
#include "support/Solvents.h"

namespace tess::model::fixtures {

using testing::Solvent, testing::typicalConditions;
using testing::Toluene, testing::Acetone, testing::Benzene, testing::Hexane, testing::EthylAcetate;

//! Puts a solvent at concentration ppm with breakthrough fraction frac into the next slot.
inline void addVapor(SetUp& s, const Solvent& v, float ppm, double frac = 0.1) {
  const int slot = ++s.TotalVapors;
  s.Vapor[slot] = v.data(ppm);
  s.BkConc[slot] = ppm * frac;
  s.BkFrac[slot] = frac;
  s.MixVapors = s.TotalVapors;
}

//! Typical conditions with the solvents, each at ppm and fraction 0.1, face velocity set.
inline SetUp typicalMixture(std::initializer_list<Solvent> solvents, float ppm) {
  SetUp s = typicalConditions();
  for (const Solvent& v : solvents) addVapor(s, v, ppm);
  computeSuperficialVel(s);
  return s;
}

//! The stop that f raised, if any.
template <class F>
std::optional<ModelStop> stopOf(F f) {
  try {
    f();
  } catch (const ModelStop& stop) {
    return stop;
  }
  return std::nullopt;
}

}  // namespace tess::model::fixtures
