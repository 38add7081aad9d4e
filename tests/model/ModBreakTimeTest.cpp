// Bed, air and water properties, the rate equation and the breakthrough time with its range:
// reference numbers and limiting cases.
#include <gtest/gtest.h>

#include <cmath>

#include "model/IAST.h"
#include "model/ModBreakTime.h"

namespace {

using namespace ModBreakTime;

TEST(ModBreakTime, ReferenceBedAirAndWater) {
  // Two beds of 10 cm x 2.5 cm: 10^2 2.5 3.14159 2 / 4 cm3, with the literal 3.14159 rather than pi.
  ::SetUp s;
  s.NumCarts = 2;
  s.Cart.BedDiam = 10;
  s.Cart.Bed_Depth = 2.5f;
  s.Cart.CarbWgt = 60;
  s.BreathingAirFlow = 30;
  EXPECT_DOUBLE_EQ(CalcBedVolume(s), 392.69875);
  s.Cart.BedVolume = static_cast<float>(CalcBedVolume(s));
  s.Cart.BedDensity = CalcBedDensity(s);
  EXPECT_EQ(s.Cart.BedDensity, static_cast<float>(120.0 / static_cast<double>(392.69875f)));
  EXPECT_NEAR(s.Cart.BedDensity, 0.30557775, 1e-8);  // g/cm3
  s.LinVelocity = CalcAirVelocity(s);
  EXPECT_NEAR(s.LinVelocity, 3.1831017, 1e-6);  // cm/s
  // The velocity uses the stored, rounded density.
  const double density = s.Cart.BedDensity;
  EXPECT_EQ(s.LinVelocity, static_cast<float>((30.0 * 1000 * density * 2.5) / (60.0 * 60 * 2)));

  s.TempK = static_cast<float>(23 + 273.15);
  EXPECT_NEAR(WaterVaporPressure(s), 2.78451, 5e-6);  // kPa
  // Partial pressure [kPa] in proportion to concentration and atmospheric pressure.
  s.AtmPressure = 1;
  s.Vapor[1].AvgVapConc = 1000;
  EXPECT_DOUBLE_EQ(VaporPartialPressure(s, 1), 0.101325);
  s.Vapor[1].AvgVapConc = 2000;
  EXPECT_DOUBLE_EQ(VaporPartialPressure(s, 1), 0.20265);
  s.AtmPressure = 0.5f;
  EXPECT_DOUBLE_EQ(VaporPartialPressure(s, 1), 0.101325);
}

TEST(ModBreakTime, RateCoefficientSlopeAndFraction) {
  const double slopes[][3] = {{0, 0.27388, 1e-5}, {1000, 0.25481, 1e-5}, {11800, 0.0356, 1e-4}};
  for (const auto& [kv, slope, tolerance] : slopes) {
    ASSERT_TRUE(CalcKvSlope(kv).has_value()) << kv;
    EXPECT_NEAR(*CalcKvSlope(kv), slope, tolerance) << kv;
  }
  // Above about 12,802.6 the quadratic has no real root: no value, and kv passes unchanged.
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

TEST(ModBreakTime, BreakthroughTimeLimits) {
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
}

TEST(BreakTimeSteps, PositionFactorsAndRange) {
  // First vapor 1, second 0.85, third to fifth 0.56, none outside the mixture.
  for (int count = 0; count <= 5; ++count) {
    for (int position = 0; position <= 5; ++position) {
      const double expected = position < 1 || position > count ? 0
                              : position == 1                  ? 1
                              : position == 2                  ? 0.85
                                                               : 0.56;
      EXPECT_EQ(IAST::PositionFactor(position, count), expected) << position << " of " << count;
    }
  }

  // Up to r = 0.3 a fixed 10 % (a range of +-20 %); just above it about 11.354 %.
  EXPECT_EQ(IAST::rangeSpread(100, 100), 10);  // r = 0, fraction 0.5
  EXPECT_EQ(IAST::rangeSpread(100, 70), 10);   // r = 0.3 exactly
  EXPECT_NEAR(IAST::rangeSpread(100, 69.9999), 11.354, 1e-3);
  // From r of about 0.519 on the spread reaches 50: the low end of the range is 0.
  EXPECT_NEAR(IAST::rangeSpread(1, 1 - 0.519), 50, 0.01);
  // A time limited to 0 has r = 1; a stoichiometric time of 0 leaves the fixed spread.
  EXPECT_NEAR(IAST::rangeSpread(100, 0), 242.42 - 22.08 - 3.84, 1e-12);
  EXPECT_EQ(IAST::rangeSpread(0, 0), 10);

  ::SetUp s;
  IAST::setBreakTimeAndRange(s, 1, 100, 100);
  EXPECT_EQ(s.BkTimeMin[1], 80);
  EXPECT_EQ(s.BkTimeMax[1], 120);
  // Spread above 50: the low end is held at 0, the high end is at least twice the time.
  IAST::setBreakTimeAndRange(s, 2, 100, 30);
  EXPECT_EQ(s.BkTimeMin[2], 0);
  EXPECT_GE(s.BkTimeMax[2], 60);
  IAST::setBreakTimeAndRange(s, 3, 100, 0);
  EXPECT_EQ(s.BkTimeMin[3], 0);
  EXPECT_EQ(s.BkTimeMax[3], 0);
}

}  // namespace
