// Shared inputs for the model's tests: a typical cartridge, typical use conditions and a few
// common solvents (Antoine constants for ln(p / torr) with T in kelvin).
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "model/CalculationRun.h"
#include "model/ModelBounds.h"
#include "state/SetUp.h"

namespace tess::model::fixtures {

struct Solvent {
  const char* name;
  float MolWt, LiqDensity, MolPol, WaterSol, AntoineA, AntoineB, AntoineC;
};

inline constexpr Solvent Toluene{"Toluene", 92.14f, 0.867f, 31.1f, 0.0f, 16.0137f, 3096.52f, -53.67f};
inline constexpr Solvent Acetone{"Acetone", 58.08f, 0.79f, 16.2f, 1.0f, 16.6513f, 2940.46f, -35.93f};
inline constexpr Solvent Benzene{"Benzene", 78.11f, 0.879f, 26.2f, 0.0f, 15.9008f, 2788.51f, -52.36f};
inline constexpr Solvent Hexane{"Hexane", 86.18f, 0.659f, 29.9f, 0.0f, 15.8366f, 2697.55f, -48.78f};
inline constexpr Solvent EthylAcetate{"Ethyl acetate", 88.1f, 0.9f, 22.3f, 0.1f, 16.1516f, 2790.5f, -57.15f};

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
  s.Vapor[slot] = {v.name,     v.MolWt,    v.LiqDensity, v.MolPol, v.WaterSol, ppm, v.AntoineA,
                   v.AntoineB, v.AntoineC, "",           0,        0,          0};
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
