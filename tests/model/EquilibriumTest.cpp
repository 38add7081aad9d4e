// Mixture equilibrium: the march and the solve's defining conditions, and
// the places inside the model's steps where a calculation stops.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

#include "model/IAST.h"
#include "model/ModelFixtures.h"
#include "model/StateChecks.h"
#include "model/WaterZones.h"

namespace tess::model {
namespace {

using namespace IAST;

// Three vapors in play (or the first two of them); the last one in play is the reference.
SetUp mixture(int vapors = 3) {
  SetUp s;
  s.TempK = 296.15f;
  s.Cart.APBenzene = 21;
  s.MixVapors = s.TotalVapors = static_cast<std::int16_t>(vapors);
  const double betas[] = {0, 0.68, 0.92, 1.14}, psats[] = {0, 30.8, 12.7, 3.7};  // -, kPa
  const float volumes[] = {0, 73.5f, 88.6f, 106.3f};                             // cm3/mol
  for (int k = 1; k <= 3; ++k) {
    s.Vapor[k].Beta = betas[k];
    s.Vapor[k].MolarVol = volumes[k];
    s.Vapor[k].Psat = psats[k];
    s.PartialP[k] = 0.01;
  }
  InitAdsFractions(s);
  return s;
}

// Spreading pressure of vapor i at the fraction less that of the reference, scaled by 1e6: the
// march stops at the first grid point where this is at most 1.
double scaledDifference(SetUp& s, int i, double fraction) {
  s.AdsMoleFrac[i] = fraction;
  CalcSpreadingPressure(s, i);
  CalcSpreadingPressure(s, s.MixVapors);
  return (s.SpreadPress[i] - s.SpreadPress[s.MixVapors]) * 1000000;
}

TEST(Equilibrium, MarchesStopAtTheFirstGridPointWithinToleranceAndTheSolutionSumsToOne) {
  tess::SetUp s = mixture();
  SolveIAST(s);
  EXPECT_NEAR(s.AdsMoleFrac[1] + s.AdsMoleFrac[2] + s.AdsMoleFrac[3], 1, 1e-15);
  // Each searched vapor lies within one grid step of the reference's spreading pressure: the raw
  // fraction of the last pass is the normalised one times the pass's raw sum.
  for (int k = 1; k <= 2; ++k) {
    tess::SetUp probe = s;
    const double raw = std::round(s.AdsMoleFrac[k] * s.FracSum / 0.0001) * 0.0001;
    probe.AdsMoleFrac[3] = s.AdsMoleFrac[3] * s.FracSum;
    EXPECT_LE(scaledDifference(probe, k, raw), 1.0 + 1e-6) << k;
    EXPECT_GT(scaledDifference(probe, k, raw - 0.0001), 1.0 - 1e-6) << k;
  }
  // A vapor far more strongly held than the reference is already below it at the start, 0.0001.
  s = mixture();
  s.Vapor[1].Psat = 1e-6;
  EXPECT_EQ(SolveAdsFraction(s, 1), 0.0001);
}

// A march that cannot come down to the reference ends at a fraction of 1 and the calculation goes
// on; so does a solve whose passes come back to a start value.
TEST(Equilibrium, BoundsOfTheMarchAndTheSolveReturnTheirFractions) {
  BoundsMet met;
  ModelOptions counted;
  counted.boundsMet = &met;
  // The reference's spreading pressure lies below the least that vapor 1 can reach. Without
  // renormalisation (three vapors) the march ends at the last grid point, 0.0001 plus 9,999 additions
  // of 0.0001; renormalised (two vapors) the fraction reaches 1 itself, after many thousands of steps
  // of which the shortcut evaluates only those where the march can stop. Either way it leaves the
  // last point's own spreading values, the same with and without the shortcuts.
  for (const auto& [vapors, last] : {std::pair(3, 0x1.ffffffffffcb3p-1), std::pair(2, 1.0)}) {
    tess::SetUp full = mixture(vapors);
    full.Vapor[vapors].Psat = 1e-9;
    full.Vapor[1].Psat = 1e9;
    tess::SetUp fast = full;
    counted.shortcuts = false;
    EXPECT_EQ(SolveAdsFraction(full, 1, counted), last);
    counted.shortcuts = true;
    EXPECT_EQ(SolveAdsFraction(fast, 1, counted), last);
    EXPECT_EQ(fixtures::differences(fast, full), "");
    tess::SetUp probe = full;
    CalcSpreadingPressure(probe, 1);
    EXPECT_EQ(probe.SpreadPress[1], full.SpreadPress[1]);
    EXPECT_GT(scaledDifference(probe, 1, full.AdsMoleFrac[1]), 1);
  }
  EXPECT_EQ(met.march, 4);

  // After a zone change the entry sum is below 1; passes from normalised fractions settle at a raw
  // sum of 1 and never come within 0.001 of it: the solve returns the settled fractions.
  tess::SetUp settled = mixture();
  SolveIAST(settled);
  tess::SetUp afterZoneChange = settled;
  afterZoneChange.AdsMoleFrac[3] *= 0.5;
  met = {};
  SolveIAST(afterZoneChange, counted);
  EXPECT_EQ(met.solve, 1);
  for (int k = 1; k <= 3; ++k) EXPECT_NEAR(afterZoneChange.AdsMoleFrac[k], settled.AdsMoleFrac[k], 2e-4) << k;
}

// Each step that has no value for its inputs stops with its reason (slot 0: not one vapor's).
TEST(ModelStops, StepsWithoutValueStopWithTheirReason) {
  tess::SetUp noPressure = mixture();
  noPressure.PartialP[2] = 0;
  const struct {
    const char* name;
    std::function<void()> step;
    StopReason reason;
    int slot;
  } cases[] = {
      {"vapor in play without pressure", [&] { SolveIAST(noPressure); }, StopReason::ZeroPartialPressure, 2},
      // Water times organics equal to the micropore volume squared.
      {"water exclusion", [] { WaterZones::excludeOrganics(0.5, 0.5, 0.5f, 2); },
       StopReason::WaterExclusionSingular, 0},
      {"equal organic amounts", [] { WaterZones::humidityRise(0.01, 0, 0, 2.8, 1); },
       StopReason::ZeroOrganicDifference, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto stop = fixtures::stopOf(c.step);
    ASSERT_TRUE(stop.has_value());
    EXPECT_EQ(stop->reason(), c.reason);
    EXPECT_EQ(stop->vaporSlot(), c.slot);
  }
}

}  // namespace
}  // namespace tess::model
