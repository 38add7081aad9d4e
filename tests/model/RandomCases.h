// Random calculations with every input inside the field bounds of the use-conditions, vapor and
// cartridge screens. Quantities spanning decades are drawn on a logarithmic scale, so that small
// and large values are both common.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "model/CalculationRun.h"
#include "state/SetUp.h"

namespace tess::model::fixtures {

class RandomCases {
 public:
  explicit RandomCases(std::uint64_t seed) : m_engine(seed) {}

  //! A filled shared state as the screens leave it before "Calculate Results".
  SetUp next() {
    SetUp s;
    s.Temperature = uniform(0, 75);
    s.AtmPressure = uniform(0.5, 1.5);
    s.RelHumid = percent();
    s.NumCarts = static_cast<std::int16_t>(integer(1, 10));
    s.BreathingAirFlow = logUniform(10, 500);
    s.Cart = {"Random",          logUniform(0.1, 20), logUniform(0.1, 20),   logUniform(0.1, 1000),
              uniform(0.1, 1.0), percent(),           logUniform(0.01, 1.0), logUniform(1, 100)};
    // The cartridge screen's affinity for water, raised by 5/3 after humid preconditioning.
    s.Cart.BetaH2O = uniform(0.01, 0.2);
    if (s.Cart.RelHumPre > 0.5) s.Cart.BetaH2O = static_cast<float>((5.0 / 3.0) * s.Cart.BetaH2O);
    s.Cart.BetaH2OHalf = static_cast<float>(s.Cart.BetaH2O / 2.0);
    const int vapors = static_cast<int>(integer(1, 5));
    for (int i = 1; i <= vapors; ++i) {
      VaporData& v = s.Vapor[i];
      v.ChemName = "Vapor " + std::to_string(i);
      v.MolWt = logUniform(2, 1000);
      v.LiqDensity = uniform(0.5, 4.0);
      v.MolPol = uniform(5, 100);
      v.WaterSol = uniform(0, 1);
      v.AvgVapConc = logUniform(0.01, 100000);
      v.AntoineA = uniform(10, 30);
      v.AntoineB = logUniform(1000, 10000);
      v.AntoineC = uniform(-120, 50);
      const double fraction = uniform(0.0001, 0.5);
      s.BkConc[i] = v.AvgVapConc * fraction;
      s.BkFrac[i] = s.BkConc[i] / v.AvgVapConc;
    }
    s.TotalVapors = static_cast<std::int16_t>(vapors);
    s.MixVapors = s.TotalVapors;
    computeSuperficialVel(s);
    return s;
  }

 protected:
  float uniform(double low, double high) {
    return static_cast<float>(std::uniform_real_distribution<double>(low, high)(m_engine));
  }
  float logUniform(double low, double high) {
    return static_cast<float>(
        std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(m_engine)));
  }
  float percent() { return static_cast<float>(uniform(1, 99) / 100); }
  long integer(long low, long high) { return std::uniform_int_distribution<long>(low, high)(m_engine); }

  std::mt19937_64 m_engine;
};

//! Case index (from 0) of the cases drawn with seed.
inline SetUp randomCase(std::uint64_t seed, int index) {
  RandomCases cases(seed);
  for (int k = 0; k < index; ++k) cases.next();
  return cases.next();
}

}  // namespace tess::model::fixtures
