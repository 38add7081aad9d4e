// The calculation run: a typical mixture end to end, its invariants, and every corner in which the
// model has no value, each reached on purpose and reported through the status.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
#include <string>

#include "model/CalculationRun.h"
#include "model/IAST.h"
#include "model/ModelFixtures.h"
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

TEST(CalculationRun, SingleVaporAtHalfBreakthroughHasTheTwentyPercentRange) {
  tess::SetUp s = typicalConditions();
  addVapor(s, Toluene, 500, 0.5);
  computeSuperficialVel(s);
  const CalculationStatus status = runCalculation(s);
  ASSERT_TRUE(status.completed) << status.message;
  EXPECT_TRUE(status.timeFixed[1]);
  EXPECT_GT(s.FinalBkTime[1], 0);
  EXPECT_EQ(s.BkTimeMin[1], s.FinalBkTime[1] * 0.8);
  EXPECT_EQ(s.BkTimeMax[1], s.FinalBkTime[1] * 1.2);
  EXPECT_EQ(s.MixVapors, 1);
  // The only zone's steps roll zone 0 up against zone 1, whose pressure is still 0: zone 0 gets the
  // feed humidity exactly, zone 1 keeps its start value.
  EXPECT_EQ(s.WaterRH[0], static_cast<double>(s.RelHumid));
  EXPECT_EQ(s.WaterRH[1], s.RelHumid + 0.0001);
}

// The times of each slot are pinned by the reference runs; what they cannot show is a slot that a
// run no longer uses.
TEST(CalculationRun, ALaterRunWithFewerVaporsLeavesNoTimeInTheSlotsItNoLongerUses) {
  tess::SetUp s = fiveVaporMixture();
  ASSERT_TRUE(runCalculation(s).completed);
  EXPECT_EQ(nonFinite(s), "");
  s.TotalVapors = 2;
  ASSERT_TRUE(runCalculation(s).completed);
  for (int i = 3; i <= 5; ++i) {
    EXPECT_EQ(s.FinalBkTime[i], 0) << i;
    EXPECT_EQ(s.BkTimeMin[i], 0) << i;
    EXPECT_EQ(s.BkTimeMax[i], 0) << i;
  }
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

// Use conditions and cartridge as entered (BetaH2OHalf follows BetaH2O), and vapors as entered.
struct Entered {
  float Temperature, AtmPressure, RelHumid, BreathingAirFlow, NumCarts;
  float BedDiam, Bed_Depth, CarbWgt, MicVol, RelHumPre, DiamGran, APBenzene, BetaH2O;
};
struct EnteredVapor {
  float MolWt, LiqDensity, MolPol, WaterSol, AvgVapConc, AntoineA, AntoineB, AntoineC;
  double BkFrac;
};

SetUp fromInputs(const Entered& c, std::initializer_list<EnteredVapor> vapors) {
  SetUp s;
  s.Temperature = c.Temperature;
  s.AtmPressure = c.AtmPressure;
  s.RelHumid = c.RelHumid;
  s.BreathingAirFlow = c.BreathingAirFlow;
  s.NumCarts = static_cast<std::int16_t>(c.NumCarts);
  s.Cart = {"Case",      c.BedDiam,  c.Bed_Depth, c.CarbWgt, c.MicVol,
            c.RelHumPre, c.DiamGran, c.APBenzene, c.BetaH2O, static_cast<float>(c.BetaH2O / 2.0),
            0,           0};
  for (const EnteredVapor& v : vapors) {
    const Solvent entered{"Vapor",    v.MolWt,    v.LiqDensity, v.MolPol,
                          v.WaterSol, v.AntoineA, v.AntoineB,   v.AntoineC};
    addVapor(s, entered, v.AvgVapConc, v.BkFrac);
  }
  computeSuperficialVel(s);
  return s;
}

// Three vapors whose roll-up clamps vapor 1's partial pressure to 0 once vapor 3 is fixed.
SetUp rolledUpToZero() {
  return fromInputs({29.8131084f, 1.11708117f, 0.385586083f, 161.670975f, 9, 0.226552695f, 4.44076538f,
                     0.597163618f, 0.762392521f, 0.748968482f, 0.364782095f, 2.2977736f, 0.0997991338f},
                    {{38.4257088f, 1.38062954f, 11.563221f, 0.939306796f, 1.25584579f, 13.2804441f,
                      6193.48682f, 31.8743496f, 0.10195547342300415},
                     {2.22809458f, 0.744271159f, 28.0902386f, 0.411844641f, 2385.35986f, 18.0404472f,
                      4339.69238f, 40.2217789f, 0.090468928217887878},
                     {134.836151f, 1.02858853f, 5.63063574f, 0.998421371f, 0.0406123959f, 13.5490322f,
                      3766.32178f, -108.493195f, 0.16545097529888153}});
}

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
      {"solve back at a start value",
       fromInputs({66.1970673f, 0.769234836f, 0.517502189f, 10.7799749f, 6, 3.28940654f, 7.33306408f,
                   1.76742685f, 0.779139757f, 0.183534801f, 0.254673541f, 28.7691135f, 0.0826391727f},
                  {{30.5174313f, 0.948218882f, 44.7626915f, 0.855975389f, 0.720679522f, 27.0418644f,
                    1649.23169f, 14.3416967f, 0.43090066313743591},
                   {399.516785f, 1.09985065f, 32.1757851f, 0.0256145112f, 0.0833242312f, 20.5524464f,
                    7439.55322f, 31.2747154f, 0.065062269568443298},
                   {310.597443f, 2.08614278f, 44.5765305f, 0.862432897f, 2674.875f, 20.9821167f, 1311.64795f,
                    11.6751928f, 0.31079408526420593}}),
       false, true},
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
      {"rolled-up partial pressure of 0", rolledUpToZero(),
       StopReason::ZeroPartialPressure, 1, "00100"},
      {"no saved amount of the vapor that broke through",
       fromInputs({32.8596802f, 0.633205414f, 0.578778327f, 30.7794037f, 5, 0.699098945f, 0.599707186f,
                   264.86438f, 0.76251924f, 0.252753705f, 0.0368211269f, 2.36668921f, 0.124951422f},
                  {{74.2610931f, 1.27796507f, 12.0269346f, 0.659917772f, 0.356971771f, 28.1594601f,
                    2215.06763f, 37.9993172f, 0.15994124114513397},
                   {930.08728f, 0.885786235f, 11.3773603f, 0.0195805244f, 13.2958088f, 18.5982723f,
                    3624.83105f, 12.7125311f, 0.3531823456287384}}),
       StopReason::ZeroSavedAmount, 2, "01000"},
      {"equal organic amounts in neighbouring zones",
       fromInputs({68.8611603f, 1.03995049f, 0.0593483113f, 484.079529f, 4, 0.932130575f, 8.78616333f,
                   13.9441423f, 0.556662381f, 0.452270627f, 0.0771782994f, 1.79320073f, 0.122342043f},
                  {{21.8862343f, 2.2206912f, 31.9542637f, 0.861287355f, 10.369976f, 20.6452599f, 1140.86157f,
                    -92.7692642f, 0.47485622763633728}}),
       StopReason::ZeroOrganicDifference, 0, "00000"},
      {"value not a number",
       fromInputs({63.6803474f, 0.717221677f, 0.876510978f, 78.8674469f, 7, 0.304646134f, 0.160577536f,
                   4.59259462f, 0.51363641f, 0.892522335f, 0.273897022f, 2.30901766f, 0.312703758f},
                  {{3.26622534f, 1.63261592f, 34.4565353f, 0.201729223f, 0.157740682f, 24.7826519f,
                    1963.20935f, -48.8326492f, 0.24809141457080841}}),
       StopReason::NotFinite, 1, "00000"},
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
  s.Temperature = fresh.Temperature;
  s.AtmPressure = fresh.AtmPressure;
  s.RelHumid = fresh.RelHumid;
  s.BreathingAirFlow = fresh.BreathingAirFlow;
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
