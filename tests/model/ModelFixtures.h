// Shared inputs for the model's tests: a typical cartridge and typical use conditions, with the
// tests' common solvents.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "model/CalculationRun.h"
#include "model/ModelBounds.h"
#include "state/SetUp.h"
#include "support/Solvents.h"

namespace tess::model::fixtures {

using testing::Solvent;
using testing::Toluene, testing::Acetone, testing::Benzene, testing::Hexane, testing::EthylAcetate;

//! Two cartridges of 8 cm x 2.5 cm beds with 60 g carbon each, 23 C, 1 atm, 50 % RH, 30 L/min.
inline SetUp typicalConditions() {
  SetUp s;
  s.Temperature = 23;
  s.AtmPressure = 1;
  s.RelHumid = 0.5f;
  s.BreathingAirFlow = 30;
  s.NumCarts = 2;
  s.Cart = {"Typical", 8, 2.5f, 60, 0.45f, 0.5f, 0.13f, 21, 0.06f, 0.03f, 0, 0};
  return s;
}

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
