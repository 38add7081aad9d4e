// Random calculations with every input inside the screens' field bounds: each completes or stops
// with a status, and leaves nothing undefined behind. Split into shards that run in parallel.
#include <gtest/gtest.h>

#include <string>

#include "model/CalculationRun.h"
#include "model/RandomCases.h"
#include "model/StateChecks.h"

namespace tess::model {
namespace {

#ifdef TESSALORAN_FEWER_RANDOM_CASES
constexpr int CasesPerShard = 25;
#else
constexpr int CasesPerShard = 250;
#endif

class RandomRobustness : public ::testing::TestWithParam<int> {};

TEST_P(RandomRobustness, EveryCaseCompletesOrStopsCleanly) {
  fixtures::RandomCases cases(1000 + GetParam());
  for (int k = 0; k < CasesPerShard; ++k) {
    tess::SetUp s = cases.next();
    const int vapors = s.TotalVapors;
    const CalculationStatus status = runCalculation(s);
    SCOPED_TRACE("shard " + std::to_string(GetParam()) + " case " + std::to_string(k));
    EXPECT_EQ(fixtures::nonFinite(s), "");
    EXPECT_EQ(s.MixVapors, 1);
    EXPECT_EQ(status.completed, status.reason == StopReason::None);
    EXPECT_EQ(status.message.empty(), status.completed);
    EXPECT_GE(status.vaporSlot, 0);
    EXPECT_LE(status.vaporSlot, vapors);
    for (int i = 1; i <= MaxVapors; ++i) {
      if (i > vapors || status.completed) {
        EXPECT_EQ(status.timeFixed[i], i <= vapors) << i;
      }
      if (status.timeFixed[i]) {
        EXPECT_LE(s.BkTimeMin[i], s.BkTimeMax[i]) << i;
        EXPECT_GE(s.BkTimeMin[i], 0) << i;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomRobustness, ::testing::Range(0, 8));

}  // namespace
}  // namespace tess::model
