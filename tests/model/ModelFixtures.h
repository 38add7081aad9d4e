// Shared inputs for the model's tests: a typical cartridge, typical use conditions and a few
// common solvents (Antoine constants for ln(p / torr) with T in kelvin).
#pragma once

#include <string>

#include "state/SetUp.h"

namespace fixtures {

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
inline ::SetUp typicalConditions() {
  ::SetUp s;
  s.Temperature = 23;
  s.AtmPressure = 1;
  s.RelHumid = 0.5f;
  s.BreathingAirFlow = 30;
  s.NumCarts = 2;
  s.Cart.CartName = "Typical";
  s.Cart.BedDiam = 8;
  s.Cart.Bed_Depth = 2.5f;
  s.Cart.CarbWgt = 60;
  s.Cart.MicVol = 0.45f;
  s.Cart.RelHumPre = 0.5f;
  s.Cart.DiamGran = 0.13f;
  s.Cart.APBenzene = 21;
  s.Cart.BetaH2O = 0.06f;
  s.Cart.BetaH2OHalf = 0.03f;
  return s;
}

//! Puts a solvent at concentration ppm with breakthrough fraction frac into the next slot.
inline void addVapor(::SetUp& s, const Solvent& v, float ppm, double frac = 0.1) {
  const int slot = s.TotalVapors + 1;
  VaporData& d = s.Vapor[slot];
  d.ChemName = v.name;
  d.MolWt = v.MolWt;
  d.LiqDensity = v.LiqDensity;
  d.MolPol = v.MolPol;
  d.WaterSol = v.WaterSol;
  d.AvgVapConc = ppm;
  d.AntoineA = v.AntoineA;
  d.AntoineB = v.AntoineB;
  d.AntoineC = v.AntoineC;
  s.BkConc[slot] = ppm * frac;
  s.BkFrac[slot] = frac;
  s.TotalVapors = static_cast<std::int16_t>(slot);
  s.MixVapors = s.TotalVapors;
}

}  // namespace fixtures
