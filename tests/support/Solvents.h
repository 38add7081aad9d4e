// Typical use conditions and cartridge, and common solvents for the tests that type vapors into
// the screens or put them into the shared state: molecular weight [g/mol], liquid density
// [g/cm3], molecular polarizability [cm3/mol], water solubility factor [0 to 1], Antoine constants
// for ln(p / torr) with T in kelvin (A [-], B and C [K]).
#pragma once

#include <string>

#include "platform/text/NumberText.h"
#include "state/SetUp.h"

namespace tess::testing {

struct Solvent {
  const char *name, *cas;
  float MolWt, LiqDensity, MolPol, WaterSol, AntoineA, AntoineB, AntoineC;

  //! The vapor as the vapor screen's Return stores it, at concentration ppm.
  VaporData data(float ppm) const {
    return {name, MolWt, LiqDensity, MolPol, WaterSol, ppm, AntoineA, AntoineB, AntoineC, cas, 0, 0, 0};
  }
};

inline constexpr Solvent Toluene{"Toluene", "108-88-3", 92.14f, 0.867f, 31.1f, 0, 16.0137f, 3096.52f, -53.67f};
inline constexpr Solvent Acetone{"Acetone", "67-64-1", 58.08f, 0.79f, 16.2f, 1, 16.6513f, 2940.46f, -35.93f};
inline constexpr Solvent Benzene{"Benzene", "71-43-2", 78.11f, 0.879f, 26.2f, 0, 15.9008f, 2788.51f, -52.36f};
inline constexpr Solvent Hexane{"Hexane", "110-54-3", 86.18f, 0.659f, 29.9f, 0, 15.8366f, 2697.55f, -48.78f};
inline constexpr Solvent EthylAcetate{"Ethyl acetate", "141-78-6", 88.1f, 0.9f, 22.3f, 0.1f, 16.1516f, 2790.5f,
                                     -57.15f};

//! Two cartridges of 8 cm x 2.5 cm beds with 60 g carbon each, 23 C, 1 atm, 50 % RH, 30 L/min.
inline SetUp typicalConditions() {
  SetUp s;
  s.Temperature = 23;
  s.AtmPressure = 1;
  s.RelHumid = 0.5f;
  s.BreathingAirFlow = 30;
  s.NumCarts = 2;
  s.Cart = {"Typical cartridge", 8, 2.5f, 60, 0.45f, 0.5f, 0.13f, 21, 0.06f, 0.03f, 0, 0};
  return s;
}

//! A value as the screens show it, and as a test types it.
inline std::string typed(float value) { return text::singleToText(value); }

}  // namespace tess::testing
