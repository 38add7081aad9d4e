// Mixture equilibrium: the truncated series, the march and the solve's defining conditions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/IAST.h"

namespace {

using namespace IAST;

TEST(Equilibrium, TruncatedSeriesValues) {
  struct Case {
    double z, s, tolerance;
  };
  // The six-term series agrees with erf up to |z| = 1 and departs beyond it.
  const Case cases[] = {
      {0, 0, 0}, {1, 0.842594, 1e-6}, {2, 0.34367, 1e-5}, {2.5, -8.887, 1e-3}, {1.476688, 0.948244, 1e-6}};
  for (const Case& c : cases) {
    EXPECT_NEAR(spreadingSeries(c.z), c.s, c.tolerance) << c.z;
    EXPECT_EQ(spreadingSeries(-c.z), -spreadingSeries(c.z)) << c.z;
  }
  // Largest value at z = 1.476688.
  EXPECT_GT(spreadingSeries(1.476688), spreadingSeries(1.47));
  EXPECT_GT(spreadingSeries(1.476688), spreadingSeries(1.48));
}

// Three vapors in play; vapor 3 is the reference.
::SetUp threeVaporMixture(int total = 3) {
  ::SetUp s;
  s.TempK = 296.15f;
  s.Cart.APBenzene = 21;
  s.MixVapors = 3;
  s.TotalVapors = static_cast<std::int16_t>(total);
  const double betas[] = {0, 0.68, 0.92, 1.14};
  const float volumes[] = {0, 73.5f, 88.6f, 106.3f};
  const double psats[] = {0, 30.8, 12.7, 3.7};
  for (int k = 1; k <= 3; ++k) {
    s.Vapor[k].Beta = betas[k];
    s.Vapor[k].MolarVol = volumes[k];
    s.Vapor[k].Psat = psats[k];
    s.PartialP[k] = 0.01;
  }
  InitAdsFractions(s);
  return s;
}

double scaledDifference(::SetUp& s, int i, double fraction) {
  s.AdsMoleFrac[i] = fraction;
  CalcSpreadingPressure(s, i);
  CalcSpreadingPressure(s, s.MixVapors);
  return (s.SpreadPress[i] - s.SpreadPress[s.MixVapors]) * 1000000;
}

TEST(Equilibrium, MarchStopsAtTheFirstGridPointWithinTolerance) {
  ::SetUp s = threeVaporMixture();
  EXPECT_NEAR(s.AdsMoleFrac[1] + s.AdsMoleFrac[2] + s.AdsMoleFrac[3], 1, 1e-15);
  const double found = SolveAdsFraction(s, 2);
  EXPECT_EQ(s.AdsMoleFrac[2], found);
  EXPECT_GT(found, 0.0001);
  ::SetUp probe = s;
  EXPECT_LE(scaledDifference(probe, 2, found), 1);
  EXPECT_GT(scaledDifference(probe, 2, found - 0.0001), 1);
}

TEST(Equilibrium, MarchKeepsTheStartWhenAlreadyWithinTolerance) {
  ::SetUp s = threeVaporMixture();
  // A vapor far more strongly held than the reference: already below it at 0.0001.
  s.Vapor[1].Psat = 1e-6;
  EXPECT_EQ(SolveAdsFraction(s, 1), 0.0001);
}

TEST(Equilibrium, SolutionHasEqualSpreadingPressuresAndUnitSum) {
  ::SetUp s = threeVaporMixture();
  SolveIAST(s);
  EXPECT_NEAR(s.AdsMoleFrac[1] + s.AdsMoleFrac[2] + s.AdsMoleFrac[3], 1, 1e-15);
  // Each searched vapor lies within one grid step of the reference's spreading pressure: the raw
  // fraction of the last pass is the normalised one times the pass's raw sum.
  for (int k = 1; k <= 2; ++k) {
    ::SetUp probe = s;
    const double raw = std::round(s.AdsMoleFrac[k] * s.FracSum / 0.0001) * 0.0001;
    probe.AdsMoleFrac[3] = s.AdsMoleFrac[3] * s.FracSum;
    EXPECT_LE(scaledDifference(probe, k, raw), 1.0 + 1e-6) << k;
    EXPECT_GT(scaledDifference(probe, k, raw - 0.0001), 1.0 - 1e-6) << k;
  }
}

TEST(Equilibrium, OneVaporNeedsNoSearch) {
  ::SetUp s = threeVaporMixture();
  s.MixVapors = 1;
  s.AdsMoleFrac[1] = 0.37;
  SolveIAST(s);
  EXPECT_EQ(s.AdsMoleFrac[1], 1);
  EXPECT_EQ(s.FracSum, 0.37);
}

TEST(Equilibrium, TwoVaporMixtureStaysNormalisedDuringTheMarch) {
  ::SetUp s = threeVaporMixture(2);
  s.MixVapors = 2;
  InitAdsFractions(s);
  SolveAdsFraction(s, 1);
  EXPECT_NEAR(s.AdsMoleFrac[1] + s.AdsMoleFrac[2], 1, 1e-15);
  NormalizeAdsFractions(s, 2);
  EXPECT_NEAR(s.FracSum, 1, 1e-15);
}

TEST(Equilibrium, UndefinedCornersStop) {
  // A vapor in play without partial pressure: no reduced potential.
  ::SetUp s = threeVaporMixture();
  s.PartialP[2] = 0;
  try {
    SolveIAST(s);
    FAIL() << "expected a stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason(), StopReason::ZeroPartialPressure);
    EXPECT_EQ(stop.vaporSlot(), 2);
  }
  // The reference's spreading pressure lies below the least that vapor 1 can reach: the march
  // would pass a fraction of 1.
  s = threeVaporMixture();
  s.Vapor[3].Psat = 1e-9;
  s.Vapor[1].Psat = 1e9;
  try {
    SolveAdsFraction(s, 1);
    FAIL() << "expected a stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason(), StopReason::MarchLimit);
    EXPECT_EQ(stop.vaporSlot(), 1);
    EXPECT_LE(s.AdsMoleFrac[1], 1.0001);
  }
  // Same in a two-vapor mixture, where renormalisation makes the fraction approach 1: the march
  // stops once it has become 1 in floating point.
  s = threeVaporMixture(2);
  s.MixVapors = 2;
  s.Vapor[2].Psat = 1e-9;
  s.Vapor[1].Psat = 1e9;
  InitAdsFractions(s);
  try {
    SolveAdsFraction(s, 1);
    FAIL() << "expected a stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason(), StopReason::MarchLimit);
    EXPECT_EQ(s.AdsMoleFrac[1], 1);
    EXPECT_NE(std::string(stop.what()).find("at 1"), std::string::npos);
  }
}

TEST(Equilibrium, SolveThatNeverClosesStops) {
  // After a zone change the entry sum is below 1; passes from normalised fractions tend to a raw
  // sum of 1 and never come within 0.001 of it.
  ::SetUp s = threeVaporMixture();
  SolveIAST(s);
  s.AdsMoleFrac[3] = s.AdsMoleFrac[3] * 0.5;
  try {
    SolveIAST(s);
    FAIL() << "expected a stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason(), StopReason::SolvePassLimit);
  }
}

}  // namespace
