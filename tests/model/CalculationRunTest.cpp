// The calculation run: a typical mixture end to end, its invariants, and every corner in which the
// model has no value, each reached on purpose and reported through the status.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>
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
  int slot = 0;
  for (const Solvent& v : {Toluene, Acetone, Hexane, Benzene, EthylAcetate})
    addVapor(s, v, 10, ++slot / 10.0);
  computeSuperficialVel(s);
  return s;
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
  // Name, what spoils a typical two-vapor mixture, and the slot reported.
  const std::tuple<const char*, void (*)(tess::SetUp&), int> cases[] = {
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
      {"Antoine C = -TempK (296.15 K)", [](tess::SetUp& s) { s.Vapor[2].AntoineC = -296.15f; }, 2},
      {"breakthrough fraction 0", [](tess::SetUp& s) { s.BkFrac[1] = 0; }, 1},
      {"breakthrough fraction 1", [](tess::SetUp& s) { s.BkFrac[2] = 1; }, 2},
      {"concentration not a number", [](tess::SetUp& s) { s.Vapor[1].AvgVapConc = std::nanf(""); }, 1},
      {"face velocity not computed", [](tess::SetUp& s) { s.SuperficialVel = INFINITY; }, 0},
  };
  for (const auto& [name, spoil, slot] : cases) {
    SCOPED_TRACE(name);
    tess::SetUp s = typicalMixture({Toluene, Acetone}, 100);
    spoil(s);
    const tess::SetUp before = s;
    const CalculationStatus status = runCalculation(s);
    EXPECT_FALSE(status.completed);
    EXPECT_EQ(status.reason, StopReason::InvalidInput);
    EXPECT_EQ(status.vaporSlot, slot);
    EXPECT_EQ(status.vaporName, slot > 0 ? s.Vapor[slot].ChemName : "");
    EXPECT_FALSE(status.message.empty());
    EXPECT_EQ(differences(before, s), "");
  }
}

// Case 50 of the random cases of seed 12345: three vapors whose roll-up clamps vapor 1's partial
// pressure to 0 once vapor 3 is fixed.
SetUp rolledUpToZero() { return randomCase(12345, 50); }

// Each way a run ends, reached with inputs inside the screens' field bounds (the time-step bound
// lowered to 1000 steps, 100 min, to reach it quickly): complete where the equilibrium meets a bound
// (marches that end at a fraction of 1, a solve whose passes come back to a start value after a zone
// change), or stopped inside the model with the stop reported.
TEST(CalculationRun, EachEndOfARunIsReportedAndLeavesAUsableState) {
  struct Case {
    const char* name;
    tess::SetUp input;
    StopReason reason;  // None: completed
    int slot;
    const char* fixed;                  // slots 1..5 whose times were fixed
    bool march = false, solve = false;  // bounds of the equilibrium met
    std::int64_t maxZoneTimeSteps = ModelBounds::MaxZoneTimeSteps;
  };
  tess::SetUp underflow = typicalMixture({Toluene}, 100);
  underflow.Vapor[1].AntoineC = -296.0f;  // TempK + C a hair above 0: exp(-B / 0.15) is 0
  // clang-format off
  const Case cases[] = {
      {"marches to 1", typicalMixture({Toluene, Acetone, Hexane}, 100), StopReason::None, 0, "11100", true},
      {"solve back at a start value (random case 104 of seed 12345)", randomCase(12345, 104),
       StopReason::None, 0, "11100", false, true},
      {"saturation pressure that underflows", underflow, StopReason::InvalidInput, 1, "00000"},
      {"time-step bound", typicalMixture({Toluene, Acetone}, 100),
       StopReason::TimeStepLimit, 2, "00000", false, false, 1000},
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
    EXPECT_EQ(status.completed, c.reason == StopReason::None);
    EXPECT_EQ(status.reason, c.reason) << status.message;
    EXPECT_EQ(status.vaporSlot, c.slot);
    EXPECT_EQ(status.vaporName, c.slot > 0 ? s.Vapor[c.slot].ChemName : "");
    EXPECT_EQ(status.message.empty(), status.completed);
    EXPECT_EQ(status.boundsMet.march > 0, c.march);
    EXPECT_EQ(status.boundsMet.solve > 0, c.solve);
    // Fit for the next run: MixVapors as after a run, nothing undefined, no time of an
    // unfinished vapor, and the fixed times as the model left them.
    EXPECT_EQ(s.MixVapors, 1);
    EXPECT_EQ(nonFinite(s), "");
    for (int i = 1; i <= 5; ++i) {
      EXPECT_EQ(status.timeFixed[i], c.fixed[i - 1] == '1') << i;
      if (!status.timeFixed[i]) {
        EXPECT_EQ(std::vector({s.FinalBkTime[i], s.BkTimeMax[i]}), std::vector(2, 0.0)) << i;
      } else if (status.completed) {
        EXPECT_GT(s.FinalBkTime[i], 0) << i;
      } else {
        EXPECT_GE(s.FinalBkTime[i], 0) << i;  // after a stop, a fixed time can be 0
      }
    }
  }
}

// The state a stop leaves serves the next run, which gives what a fresh state gives; a later run
// with fewer vapors leaves no time in the slots it no longer uses (the times of each slot are pinned
// by the reference runs).
TEST(CalculationRun, StateAfterAStopOrALargerRunServesTheNextRun) {
  const tess::SetUp fresh = fiveVaporMixture();
  tess::SetUp reference = fresh;
  ASSERT_TRUE(runCalculation(reference).completed);
  EXPECT_EQ(nonFinite(reference), "");

  tess::SetUp s = rolledUpToZero();
  ASSERT_EQ(runCalculation(s).reason, StopReason::ZeroPartialPressure);
  // The user picks other conditions and vapors and calculates again.
  for (float SetUp::*input :
       {&SetUp::Temperature, &SetUp::AtmPressure, &SetUp::RelHumid, &SetUp::BreathingAirFlow})
    s.*input = fresh.*input;
  s.NumCarts = fresh.NumCarts;
  s.Cart = fresh.Cart;
  s.SuperficialVel = fresh.SuperficialVel;
  s.Vapor = fresh.Vapor;
  s.BkConc = fresh.BkConc;
  s.BkFrac = fresh.BkFrac;
  s.TotalVapors = fresh.TotalVapors;
  ASSERT_TRUE(runCalculation(s).completed);
  EXPECT_EQ(differences(s, reference), "");

  s.TotalVapors = 2;
  ASSERT_TRUE(runCalculation(s).completed);
  for (int i = 3; i <= 5; ++i)
    EXPECT_EQ(std::vector({s.FinalBkTime[i], s.BkTimeMin[i], s.BkTimeMax[i]}), std::vector(3, 0.0)) << i;
}

}  // namespace
}  // namespace tess::model
