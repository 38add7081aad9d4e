// Bed, air and water properties and the rate equation: reference numbers and limiting cases.
#include <gtest/gtest.h>

#include <cmath>

#include "model/ModBreakTime.h"
#include "model/ModelConstants.h"

namespace {

using namespace ModBreakTime;

::SetUp twoTenCentimetreBeds() {
  ::SetUp s;
  s.NumCarts = 2;
  s.Cart.BedDiam = 10;
  s.Cart.Bed_Depth = 2.5f;
  s.Cart.CarbWgt = 60;
  s.BreathingAirFlow = 30;
  return s;
}

TEST(ModBreakTime, BedVolumeDensityAndVelocityChain) {
  ::SetUp s = twoTenCentimetreBeds();
  // 10^2 * 2.5 * 3.14159 * 2 / 4, with the literal 3.14159 rather than pi.
  const double volume = CalcBedVolume(s);
  EXPECT_DOUBLE_EQ(volume, 392.69875);
  s.Cart.BedVolume = static_cast<float>(volume);
  EXPECT_EQ(s.Cart.BedVolume, 392.69875f);
  s.Cart.BedDensity = CalcBedDensity(s);
  EXPECT_EQ(s.Cart.BedDensity, static_cast<float>(120.0 / static_cast<double>(392.69875f)));
  EXPECT_NEAR(s.Cart.BedDensity, 0.30557775, 1e-8);
  s.LinVelocity = CalcAirVelocity(s);
  EXPECT_NEAR(s.LinVelocity, 3.1831017, 1e-6);
  // The velocity uses the stored, rounded density.
  EXPECT_EQ(s.LinVelocity, static_cast<float>((30.0 * 1000 * static_cast<double>(s.Cart.BedDensity) * 2.5) /
                                              (60.0 * 60 * 2)));
}

TEST(ModBreakTime, WaterAndVaporPressures) {
  ::SetUp s;
  s.TempK = static_cast<float>(23 + 273.15);
  EXPECT_NEAR(WaterVaporPressure(s), 2.78451, 5e-6);
  EXPECT_EQ(WaterMolarVolume(), 18.015 / 0.998);
  EXPECT_EQ(WaterMolarVolume(), WaterMolarVolume());

  s.AtmPressure = 1;
  s.Vapor[1].AvgVapConc = 1000;
  EXPECT_DOUBLE_EQ(VaporPartialPressure(s, 1), 0.101325);
  s.Vapor[1].AvgVapConc = 2000;
  EXPECT_DOUBLE_EQ(VaporPartialPressure(s, 1), 0.20265);
  s.AtmPressure = 0.5f;
  EXPECT_DOUBLE_EQ(VaporPartialPressure(s, 1), 0.101325);
}

TEST(ModBreakTime, SlopeOfTheRateCoefficient) {
  struct Case {
    double kv;
    double slope;
    double tolerance;
  };
  const Case cases[] = {{0, 0.27388, 1e-5}, {1000, 0.25481, 1e-5}, {11800, 0.0356, 1e-4}};
  for (const Case& c : cases) {
    const auto slope = CalcKvSlope(c.kv);
    ASSERT_TRUE(slope.has_value()) << c.kv;
    EXPECT_NEAR(*slope, c.slope, c.tolerance) << c.kv;
  }
  // Above about 12,802.6 the quadratic has no real root: no value, and kv passes unchanged.
  EXPECT_TRUE(CalcKvSlope(12802.5).has_value());
  EXPECT_FALSE(CalcKvSlope(12803).has_value());
  EXPECT_EQ(KvMidpoint(12803, CalcKvSlope(12803)), 12803);
  EXPECT_DOUBLE_EQ(KvMidpoint(1000, 0.25), 1000 / (1 + 0.25 * std::log(999.0)));
}

TEST(ModBreakTime, RateCoefficientAtTheVaporsFraction) {
  ::SetUp s;
  s.BkFrac[1] = 0.5;
  // Where the slope applies, fraction 0.5 gives the midpoint coefficient.
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
}

TEST(ModBreakTime, RateCoefficientGrowsWithTheRootOfTheCapacity) {
  ::SetUp s;
  s.Vapor[1].Beta = 1.1;
  s.Vapor[1].MolWt = 92.14f;
  s.LinVelocity = 3.2f;
  s.Cart.DiamGran = 0.13f;
  const double kv = RateCoefficient(s, 0.1, 1);
  EXPECT_GT(kv, 0);
  EXPECT_NEAR(RateCoefficient(s, 0.4, 1) / kv, 2.0, 1e-14);
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
  s.PartialP[1] = 0;
  EXPECT_EQ(BreakthroughTime(s, 0.3, 120, 4000, 1), 0);
  s.PartialP[1] = -1;
  EXPECT_EQ(BreakthroughTime(s, 0.3, 120, 4000, 1), 0);
}

}  // namespace
