// The calculation run: a typical mixture end to end, its invariants, and every corner in which the
// model has no value, each reached on purpose and reported through the status.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "model/CalculationRun.h"
#include "model/IAST.h"
#include "model/ModelFixtures.h"
#include "model/RandomCases.h"
#include "model/StateChecks.h"

namespace tess::model {
namespace {

using namespace fixtures;

// Five vapors at 10 ppm with breakthrough fractions 0.1 to 0.5.
SetUp fiveVaporMixture() {
  SetUp s = typicalConditions();
  addVapor(s, Toluene, 10, 0.1);
  addVapor(s, Acetone, 10, 0.2);
  addVapor(s, Hexane, 10, 0.3);
  addVapor(s, Benzene, 10, 0.4);
  addVapor(s, EthylAcetate, 10, 0.5);
  computeSuperficialVel(s);
  return s;
}

// The times of each slot are pinned by the reference runs; what they cannot show is a slot that a
// run no longer uses.
TEST(CalculationRun, ALaterRunWithFewerVaporsLeavesNoTimeInTheSlotsItNoLongerUses) {
  tess::SetUp s = fiveVaporMixture();
  ASSERT_TRUE(runCalculation(s).completed);
  EXPECT_EQ(nonFinite(s), "");
  s.TotalVapors = 2;
  ASSERT_TRUE(runCalculation(s).completed);
  for (int i = 3; i <= 5; ++i)
    EXPECT_EQ(std::vector({s.FinalBkTime[i], s.BkTimeMin[i], s.BkTimeMax[i]}), std::vector(3, 0.0)) << i;
}

TEST(CalculationRun, TimeStepCountFollowsTheFloatingPointSum) {
  // Ten additions of 0.1 stay just below 1.0: an estimate of exactly 1.0 takes an eleventh step.
  double elapsed = 0;
  EXPECT_EQ(IAST::advanceElapsedTime(elapsed, 1.0, 1000), 11);
  EXPECT_GT(elapsed, 1.0);
  elapsed = 0;
  EXPECT_EQ(IAST::advanceElapsedTime(elapsed, 0, 1000), 0);
  EXPECT_EQ(IAST::advanceElapsedTime(elapsed, -5, 1000), 0);
  EXPECT_EQ(IAST::advanceElapsedTime(elapsed, 1e9, 1000), 1000);

  // Runs taken at once give the same count and the same sum as one addition per step.
  std::mt19937_64 engine(7);
  std::uniform_real_distribution<double> exponent(-1, 6);
  for (int k = 0; k < 200; ++k) {
    const double start = k % 2 ? 0 : std::pow(10.0, exponent(engine) - 1);
    const double estimate = std::pow(10.0, exponent(engine));
    double plain = start;
    std::int64_t plainSteps = 0;
    for (; plain < estimate; ++plainSteps) plain = plain + 0.1;
    double fast = start;
    EXPECT_EQ(IAST::advanceElapsedTime(fast, estimate, 100000000), plainSteps) << estimate;
    EXPECT_EQ(fast, plain) << estimate;
  }
}

// Inputs that make a step undefined are refused before the state is touched.
TEST(CalculationRun, UndefinedInputsAreRefusedUpFront) {
  struct Case {
    const char* name;
    void (*spoil)(tess::SetUp&);
    int slot;
  };
  const Case cases[] = {
      {"no vapor", [](tess::SetUp& s) { s.TotalVapors = 0; }, 0},
      {"air flow 0", [](tess::SetUp& s) { s.BreathingAirFlow = 0; }, 0},
      {"pressure 0", [](tess::SetUp& s) { s.AtmPressure = 0; }, 0},
      {"no cartridges", [](tess::SetUp& s) { s.NumCarts = 0; }, 0},
      {"bed diameter 0", [](tess::SetUp& s) { s.Cart.BedDiam = 0; }, 0},
      {"bed depth 0", [](tess::SetUp& s) { s.Cart.Bed_Depth = 0; }, 0},
      {"carbon weight 0", [](tess::SetUp& s) { s.Cart.CarbWgt = 0; }, 0},
      {"micropore volume 0", [](tess::SetUp& s) { s.Cart.MicVol = 0; }, 0},
      {"granule diameter 0", [](tess::SetUp& s) { s.Cart.DiamGran = 0; }, 0},
      {"benzene potential 0", [](tess::SetUp& s) { s.Cart.APBenzene = 0; }, 0},
      {"water affinity 0", [](tess::SetUp& s) { s.Cart.BetaH2O = 0; }, 0},
      {"liquid density 0", [](tess::SetUp& s) { s.Vapor[2].LiqDensity = 0; }, 2},
      {"molecular weight 0", [](tess::SetUp& s) { s.Vapor[1].MolWt = 0; }, 1},
      {"polarizability 0", [](tess::SetUp& s) { s.Vapor[2].MolPol = 0; }, 2},
      {"concentration 0", [](tess::SetUp& s) { s.Vapor[2].AvgVapConc = 0; }, 2},
      {"Antoine C = -TempK", [](tess::SetUp& s) { s.Vapor[2].AntoineC = -static_cast<float>(23 + 273.15); }, 2},
      {"breakthrough fraction 0", [](tess::SetUp& s) { s.BkFrac[1] = 0; }, 1},
      {"breakthrough fraction 1", [](tess::SetUp& s) { s.BkFrac[2] = 1; }, 2},
      {"concentration not a number", [](tess::SetUp& s) { s.Vapor[1].AvgVapConc = std::nanf(""); }, 1},
      {"face velocity not computed", [](tess::SetUp& s) { s.SuperficialVel = INFINITY; }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tess::SetUp s = typicalMixture({Toluene, Acetone}, 100);
    c.spoil(s);
    const tess::SetUp before = s;
    const CalculationStatus status = runCalculation(s);
    EXPECT_FALSE(status.completed);
    EXPECT_EQ(status.reason, StopReason::InvalidInput);
    EXPECT_EQ(status.vaporSlot, c.slot);
    EXPECT_EQ(status.vaporName, c.slot > 0 ? s.Vapor[c.slot].ChemName : "");
    EXPECT_FALSE(status.message.empty());
    EXPECT_EQ(differences(before, s), "");
  }
}

// Case 50 of the random cases of seed 12345: three vapors whose roll-up clamps vapor 1's partial
// pressure to 0 once vapor 3 is fixed.
SetUp rolledUpToZero() { return randomCase(12345, 50); }

// Mixtures that meet a bound of the equilibrium and complete: marches that end at a fraction of 1,
// and a solve whose passes come back to a start value after a zone change.
TEST(CalculationRun, MixturesCompleteWhereTheEquilibriumMeetsABound) {
  struct Case {
    const char* name;
    tess::SetUp input;
    bool march, solve;
  };
  const Case cases[] = {
      {"marches to 1", typicalMixture({Toluene, Acetone, Hexane}, 100), true, false},
      {"solve back at a start value (random case 104 of seed 12345)", randomCase(12345, 104), false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tess::SetUp s = c.input;
    const CalculationStatus status = runCalculation(s);
    ASSERT_TRUE(status.completed) << status.message;
    EXPECT_EQ(status.message, "");
    EXPECT_EQ(status.boundsMet.march > 0, c.march);
    EXPECT_EQ(status.boundsMet.solve > 0, c.solve);
    EXPECT_EQ(nonFinite(s), "");
    for (int i = 1; i <= s.TotalVapors; ++i) {
      EXPECT_TRUE(status.timeFixed[i]) << i;
      EXPECT_GT(s.FinalBkTime[i], 0) << i;
    }
  }
}

// Each way the calculation can stop inside the model, reached with inputs inside the screens'
// field bounds (the time-step bound lowered to 1000 steps, 100 min, to reach it quickly).
TEST(CalculationRun, EachStopInsideTheModelIsReportedAndLeavesAUsableState) {
  struct Case {
    const char* name;
    tess::SetUp input;
    StopReason reason;
    int slot;
    const char* fixed;  // slots 1..5 whose times were fixed
    std::int64_t maxZoneTimeSteps = ModelBounds::MaxZoneTimeSteps;
  };
  tess::SetUp underflow = typicalMixture({Toluene}, 100);
  underflow.Vapor[1].AntoineC = -296.0f;  // TempK + C a hair above 0: exp(-B / 0.15) is 0
  // clang-format off
  const Case cases[] = {
      {"saturation pressure that underflows", underflow, StopReason::InvalidInput, 1, "00000"},
      {"time-step bound", typicalMixture({Toluene, Acetone}, 100),
       StopReason::TimeStepLimit, 2, "00000", 1000},
      {"rolled-up partial pressure of 0", rolledUpToZero(), StopReason::ZeroPartialPressure, 1, "00100"},
      {"no saved amount of the vapor that broke through", randomCase(12345, 1891),
       StopReason::ZeroSavedAmount, 2, "01000"},
      {"equal organic amounts in neighbouring zones", randomCase(12345, 33),
       StopReason::ZeroOrganicDifference, 0, "00000"},
      {"value not a number", randomCase(12345, 511), StopReason::NotFinite, 1, "00000"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tess::SetUp s = c.input;
    ModelOptions options;
    options.maxZoneTimeSteps = c.maxZoneTimeSteps;
    const CalculationStatus status = runCalculation(s, options);
    EXPECT_FALSE(status.completed);
    EXPECT_EQ(status.reason, c.reason) << status.message;
    EXPECT_EQ(status.vaporSlot, c.slot);
    EXPECT_EQ(status.vaporName, c.slot > 0 ? s.Vapor[c.slot].ChemName : "");
    EXPECT_FALSE(status.message.empty());
    std::string fixed;
    for (int i = 1; i <= 5; ++i) fixed += status.timeFixed[i] ? '1' : '0';
    EXPECT_EQ(fixed, c.fixed);
    // Fit for the next run: MixVapors as after a run, nothing undefined, no time of an
    // unfinished vapor, and the fixed times as the model left them.
    EXPECT_EQ(s.MixVapors, 1);
    EXPECT_EQ(nonFinite(s), "");
    for (int i = 1; i <= 5; ++i) {
      if (status.timeFixed[i]) {
        EXPECT_GE(s.FinalBkTime[i], 0) << i;
      } else {
        EXPECT_EQ(s.FinalBkTime[i], 0) << i;
        EXPECT_EQ(s.BkTimeMax[i], 0) << i;
      }
    }
  }
}

TEST(CalculationRun, StateAfterAStopServesTheNextRun) {
  const tess::SetUp fresh = fiveVaporMixture();
  tess::SetUp reference = fresh;
  ASSERT_TRUE(runCalculation(reference).completed);

  tess::SetUp s = rolledUpToZero();
  ASSERT_EQ(runCalculation(s).reason, StopReason::ZeroPartialPressure);
  // The user picks other conditions and vapors and calculates again.
  for (float SetUp::*input : {&SetUp::Temperature, &SetUp::AtmPressure, &SetUp::RelHumid, &SetUp::BreathingAirFlow})
    s.*input = fresh.*input;
  s.NumCarts = fresh.NumCarts;
  s.Cart = fresh.Cart;
  s.SuperficialVel = fresh.SuperficialVel;
  for (int i = 1; i <= 5; ++i) {
    s.Vapor[i] = fresh.Vapor[i];
    s.BkConc[i] = fresh.BkConc[i];
    s.BkFrac[i] = fresh.BkFrac[i];
  }
  s.TotalVapors = fresh.TotalVapors;
  ASSERT_TRUE(runCalculation(s).completed);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(s.Vapor[i].ChemName, reference.Vapor[i].ChemName);
    EXPECT_EQ(s.FinalBkTime[i], reference.FinalBkTime[i]);
    EXPECT_EQ(s.BkTimeMin[i], reference.BkTimeMin[i]);
    EXPECT_EQ(s.BkTimeMax[i], reference.BkTimeMax[i]);
  }
}

}  // namespace
}  // namespace tess::model
