// The shortcuts of the time stepping (values computed once per zone, evaluations remembered,
// repeated passes and steps skipped, runs of the clock added at once, marches on a remembered
// grid) change no result: the calculation with them equals
// the full evaluation in every bit of the shared state, and in its status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "model/CalculationRun.h"
#include "model/ModelFixtures.h"
#include "model/RandomCases.h"
#include "model/ReferenceRuns.h"
#include "model/StateChecks.h"

namespace tess::model {
namespace {

using namespace fixtures;

#ifdef TESSALORAN_FEWER_RANDOM_CASES
constexpr int CasesPerKind = 20;
constexpr int LongCasesPerShard = 1;
#else
constexpr int CasesPerKind = 150;
constexpr int LongCasesPerShard = 12;
#endif
// The full evaluation costs about a microsecond per zone and step: compare the cases whose fixed
// times add up to no more than this, so that the test stays short [min].
constexpr double MaxComparedTime = 150;
// The full evaluation of a march that ends at a fraction of 1 takes about a millisecond.
constexpr int MaxComparedMarchBounds = 100;

// Mixtures of common solvents on ordinary cartridges under ordinary conditions.
class RealisticCases : RandomCases {
 public:
  explicit RealisticCases(std::uint64_t seed, double minPpm = 50, double maxPpm = 10000)
      : RandomCases(seed), m_minPpm(minPpm), m_maxPpm(maxPpm) {}
  SetUp next() {
    SetUp s = typicalConditions();
    s.Temperature = uniform(0, 40);
    s.RelHumid = uniform(0.05, 0.95);
    s.BreathingAirFlow = uniform(15, 100);
    s.NumCarts = static_cast<std::int16_t>(std::uniform_int_distribution<int>(1, 2)(m_engine));
    s.Cart.BedDiam = uniform(5, 12);
    s.Cart.Bed_Depth = uniform(1, 4);
    s.Cart.CarbWgt = uniform(20, 150);
    s.Cart.MicVol = uniform(0.3, 0.6);
    s.Cart.APBenzene = uniform(15, 30);
    s.Cart.RelHumPre = uniform(0.01, 0.9);
    s.Cart.BetaH2O = uniform(0.05, 0.1);
    s.Cart.BetaH2OHalf = static_cast<float>(s.Cart.BetaH2O / 2.0);
    const Solvent* solvents[] = {&Toluene, &Acetone, &Benzene, &Hexane, &EthylAcetate};
    std::shuffle(std::begin(solvents), std::end(solvents), m_engine);
    const int count = std::uniform_int_distribution<int>(1, 5)(m_engine);
    for (int i = 0; i < count; ++i) {
      const float ppm = logUniform(m_minPpm, m_maxPpm);  // drawn before the fraction
      addVapor(s, *solvents[i], ppm, uniform(0.01, 0.5));
    }
    computeSuperficialVel(s);
    return s;
  }

 private:
  double m_minPpm, m_maxPpm;
};

// Runs the case both ways when its fixed times are short enough; returns whether it compared.
bool compareBothWays(const SetUp& input, const std::string& where, bool always = false, double minTime = 0,
                     double maxTime = MaxComparedTime) {
  SetUp fast = input;
  const CalculationStatus quick = runCalculation(fast);
  double total = 0;
  for (int i = 1; i <= MaxVapors; ++i) total += quick.timeFixed[i] ? fast.FinalBkTime[i] : 0;
  // A solve that returns at a repeated start takes thousands of passes, and a march that ends at a
  // fraction of 1 some 10,000 steps, each far slower in full.
  if (!always && (quick.reason == StopReason::TimeStepLimit || quick.boundsMet.solve > 0 ||
                  quick.boundsMet.march > MaxComparedMarchBounds || total < minTime || total > maxTime)) {
    return false;
  }
  SetUp full = input;
  ModelOptions plain;
  plain.shortcuts = false;
  const CalculationStatus slow = runCalculation(full, plain);
  EXPECT_EQ(quick.completed, slow.completed) << where;
  EXPECT_EQ(quick.reason, slow.reason) << where;
  EXPECT_EQ(quick.vaporSlot, slow.vaporSlot) << where;
  EXPECT_EQ(quick.timeFixed, slow.timeFixed) << where;
  EXPECT_EQ(differences(fast, full), "") << where;
  return true;
}

TEST(ShortcutEquivalence, RealisticAndFieldBoundMixtures) {
  RealisticCases realistic(42);
  RandomCases fieldBound(4242);
  int compared[2] = {0, 0};
  for (int k = 0; k < CasesPerKind; ++k) {
    compared[0] += compareBothWays(realistic.next(), "realistic case " + std::to_string(k));
    compared[1] += compareBothWays(fieldBound.next(), "field-bound case " + std::to_string(k));
  }
  EXPECT_GT(compared[0], CasesPerKind / 3);
  EXPECT_GT(compared[1], CasesPerKind / 5);  // most field-bound cases march to 1 thousands of times
}

TEST(ShortcutEquivalence, ReferenceCasesAndZonesThatSettle) {
  compareBothWays(typicalMixture({Toluene}, 1000), "one vapor at 1000 ppm", true);
  compareBothWays(typicalMixture({Toluene, Benzene, EthylAcetate}, 100), "three vapors at 100 ppm", true);
  // At 0 degrees C the water uptake is 0 at every time: the zones settle at their first steps and
  // the rest of each zone is the clock alone.
  tess::SetUp cold = typicalMixture({Toluene}, 200);
  cold.Temperature = 0;
  addVapor(cold, Acetone, 300);
  compareBothWays(cold, "0 degrees C", true);
  // Hot air at a high face velocity: the uptake is complete within minutes.
  tess::SetUp hot = typicalMixture({Toluene, Hexane, Benzene}, 500);
  hot.Temperature = 75;
  hot.BreathingAirFlow = 200;
  hot.Cart.BedDiam = 2;
  hot.NumCarts = 1;
  computeSuperficialVel(hot);
  compareBothWays(hot, "hot and fast air", true);
  // Marches of the equilibrium that end at a fraction of 1, with and without renormalisation.
  compareBothWays(typedInputs(referenceRun("five_vapors_march_bound").at("inputs")), "march bounds", true);
  compareBothWays(randomCase(1000, 126), "two-vapor march to 1", true);
#ifndef TESSALORAN_FEWER_RANDOM_CASES
  // More than a million steps in full, about forty thousand of them before the zone settles.
  compareBothWays(typicalMixture({Toluene}, 1), "one vapor at 1 ppm", true);
#endif
}

// Longer mixtures, where zones run for thousands of steps and settle, in parallel shards.
class LongerMixtures : public ::testing::TestWithParam<int> {};

TEST_P(LongerMixtures, AgreeInEveryBit) {
  RealisticCases cases(100 + GetParam(), 10, 1000);
  int compared = 0;
  for (int k = 0; k < 80 && compared < LongCasesPerShard; ++k)
    compared += compareBothWays(cases.next(), "case " + std::to_string(k), false, MaxComparedTime, 2500);
  EXPECT_GT(compared, 0);
}

INSTANTIATE_TEST_SUITE_P(Shards, LongerMixtures, ::testing::Range(0, 4));

}  // namespace
}  // namespace tess::model
