// Bed, air and water properties, the rate equation, the spreading-pressure series and the
// breakthrough time with its range: reference numbers and limiting cases.
#include <gtest/gtest.h>

#include <cmath>

#include "model/IAST.h"
#include "model/ModBreakTime.h"

namespace {

using namespace ModBreakTime;
using IAST::rangeSpread;
using IAST::spreadingSeries;

constexpr double Ulps = -1;  // tolerance meaning "within four units in the last place"

TEST(ModBreakTime, ReferenceValues) {
  // Two beds of 10 cm x 2.5 cm with 60 g carbon each, 30 L/min, 23 C, 1 atm, 1000 ppm.
  ::SetUp s;
  s.NumCarts = 2;
  s.Cart.BedDiam = 10;
  s.Cart.Bed_Depth = 2.5f;
  s.Cart.CarbWgt = 60;
  s.BreathingAirFlow = 30;
  s.TempK = static_cast<float>(23 + 273.15);
  s.AtmPressure = 1;
  s.Vapor[1].AvgVapConc = 1000;
  s.Vapor[2].AvgVapConc = 2000;
  s.Cart.BedVolume = static_cast<float>(CalcBedVolume(s));
  s.Cart.BedDensity = CalcBedDensity(s);
  s.LinVelocity = CalcAirVelocity(s);
  const double density = s.Cart.BedDensity;
  ::SetUp halfAtmosphere = s;
  halfAtmosphere.AtmPressure = 0.5f;
  struct Row {
    const char* name;
    double value, expected, tolerance;
  };
  const Row rows[] = {
      // 10^2 2.5 3.14159 2 / 4, with the literal 3.14159 rather than pi.
      {"bed volume [cm3]", CalcBedVolume(s), 392.69875, Ulps},
      {"bed density [g/cm3]", s.Cart.BedDensity, 0.30557775, 1e-8},
      {"bed density in 32 bits", s.Cart.BedDensity,
       static_cast<float>(120.0 / static_cast<double>(392.69875f)), 0},
      {"linear velocity [cm/s]", s.LinVelocity, 3.1831017, 1e-6},
      {"velocity from the stored density", s.LinVelocity,
       static_cast<float>((30.0 * 1000 * density * 2.5) / (60.0 * 60 * 2)), 0},
      {"water saturation pressure [kPa]", WaterVaporPressure(s), 2.78451, 5e-6},
      {"1000 ppm at 1 atm [kPa]", VaporPartialPressure(s, 1), 0.101325, Ulps},
      {"2000 ppm at 1 atm [kPa]", VaporPartialPressure(s, 2), 0.20265, Ulps},
      {"2000 ppm at 0.5 atm [kPa]", VaporPartialPressure(halfAtmosphere, 2), 0.101325, Ulps},
      {"kv slope at kv 0", CalcKvSlope(0).value(), 0.27388, 1e-5},
      {"kv slope at kv 1000", CalcKvSlope(1000).value(), 0.25481, 1e-5},
      {"kv slope at kv 11800", CalcKvSlope(11800).value(), 0.0356, 1e-4},
      // The six-term series agrees with erf up to |z| = 1 and departs beyond it.
      {"series at 0", spreadingSeries(0), 0, 0},
      {"series at 1", spreadingSeries(1), 0.842594, 1e-6},
      {"series at 2", spreadingSeries(2), 0.34367, 1e-5},
      {"series at 2.5", spreadingSeries(2.5), -8.887, 1e-3},
      {"series at its largest, 1.476688", spreadingSeries(1.476688), 0.948244, 1e-6},
      // Up to r = 0.3 a fixed 10 % (a range of +-20 %); just above it about 11.354 %; from r of
      // about 0.519 on 50 %; a time limited to 0 has r = 1.
      {"spread at r = 0", rangeSpread(100, 100), 10, 0},
      {"spread at r = 0.3", rangeSpread(100, 70), 10, 0},
      {"spread just above r = 0.3", rangeSpread(100, 69.9999), 11.354, 1e-3},
      {"spread at r = 0.519", rangeSpread(1, 1 - 0.519), 50, 0.01},
      {"spread at r = 1", rangeSpread(100, 0), 242.42 - 22.08 - 3.84, 1e-12},
      {"spread without stoichiometric time", rangeSpread(0, 0), 10, 0},
  };
  for (const Row& r : rows) {
    if (r.tolerance == Ulps) {
      EXPECT_DOUBLE_EQ(r.value, r.expected) << r.name;
    } else {
      EXPECT_NEAR(r.value, r.expected, r.tolerance) << r.name;
    }
  }
  for (const double z : {0.0, 1.0, 2.0, 2.5, 1.476688})
    EXPECT_EQ(spreadingSeries(-z), -spreadingSeries(z)) << z;
  EXPECT_GT(spreadingSeries(1.476688), spreadingSeries(1.47));
  EXPECT_GT(spreadingSeries(1.476688), spreadingSeries(1.48));
}

TEST(ModBreakTime, RateCoefficientLimits) {
  // Above about 12,802.6 the slope's quadratic has no real root: no value, and kv passes unchanged.
  EXPECT_TRUE(CalcKvSlope(12802.5).has_value());
  EXPECT_FALSE(CalcKvSlope(12803).has_value());
  EXPECT_EQ(KvMidpoint(12803, CalcKvSlope(12803)), 12803);
  EXPECT_DOUBLE_EQ(KvMidpoint(1000, 0.25), 1000 / (1 + 0.25 * std::log(999.0)));

  // Where the slope applies, fraction 0.5 gives the midpoint coefficient.
  ::SetUp s;
  s.BkFrac[1] = 0.5;
  s.Kv = 5000;
  s.KvSlope = 0.2;
  s.KvMid = 3000;
  EXPECT_EQ(KvForFraction(s, 1), 3000);
  s.BkFrac[1] = 0.1;
  EXPECT_EQ(KvForFraction(s, 1), 3000 * (1 + 0.2 * std::log(0.9 / 0.1)));
  // Kv of 11800 or more, a slope of exactly 0, or no slope: Kv unchanged.
  s.Kv = 11800;
  EXPECT_EQ(KvForFraction(s, 1), 11800);
  s.Kv = 5000;
  s.KvSlope = 0.0;
  EXPECT_EQ(KvForFraction(s, 1), 5000);
  s.KvSlope.reset();
  EXPECT_EQ(KvForFraction(s, 1), 5000);

  // The coefficient grows with the square root of the capacity.
  s.Vapor[1].Beta = 1.1;
  s.Vapor[1].MolWt = 92.14f;
  s.LinVelocity = 3.2f;
  s.Cart.DiamGran = 0.13f;
  EXPECT_GT(RateCoefficient(s, 0.1, 1), 0);
  EXPECT_NEAR(RateCoefficient(s, 0.4, 1) / RateCoefficient(s, 0.1, 1), 2.0, 1e-14);
}

TEST(ModBreakTime, BreakthroughTimeAndRangeLimits) {
  ::SetUp s;
  s.TempK = 296.15f;
  s.Cart.BedDensity = 0.3f;
  s.Vapor[1].MolWt = 92.14f;
  s.PartialP[1] = 0.1;
  // Fraction 0.5: ln(1/F - 1) = 0, the stoichiometric time itself.
  s.BkFrac[1] = 0.5;
  EXPECT_EQ(BreakthroughTime(s, 0.3, 120, 4000, 1), 120);
  // A kinetic term larger than the stoichiometric time gives 0, never a negative time.
  s.BkFrac[1] = 0.001;
  EXPECT_EQ(BreakthroughTime(s, 0.3, 0.5, 10, 1), 0);
  // No partial pressure: exactly 0, whatever else.
  s.BkFrac[1] = 0.1;
  for (const double pressure : {0.0, -1.0}) {
    s.PartialP[1] = pressure;
    EXPECT_EQ(BreakthroughTime(s, 0.3, 120, 4000, 1), 0) << pressure;
  }

  // Range: +-20 % at the spread of 10; above a spread of 50 the low end is held at 0 and the high
  // end is at least twice the time; a time of 0 has the range 0 to 0.
  IAST::setBreakTimeAndRange(s, 1, 100, 100);
  EXPECT_EQ(s.BkTimeMin[1], 80);
  EXPECT_EQ(s.BkTimeMax[1], 120);
  IAST::setBreakTimeAndRange(s, 2, 100, 30);
  EXPECT_EQ(s.BkTimeMin[2], 0);
  EXPECT_GE(s.BkTimeMax[2], 60);
  IAST::setBreakTimeAndRange(s, 3, 100, 0);
  EXPECT_EQ(s.BkTimeMin[3], 0);
  EXPECT_EQ(s.BkTimeMax[3], 0);

  // Position factors: first vapor 1, second 0.85, third to fifth 0.56, none outside the mixture.
  for (int count = 0; count <= 5; ++count) {
    for (int position = 0; position <= 5; ++position) {
      const double expected = position < 1 || position > count ? 0
                              : position == 1                  ? 1
                              : position == 2                  ? 0.85
                                                               : 0.56;
      EXPECT_EQ(IAST::PositionFactor(position, count), expected) << position << " of " << count;
    }
  }
}

}  // namespace
