// Breakthrough times per step: position factors and the range's spread.
#include <gtest/gtest.h>

#include "model/IAST.h"

namespace {

using IAST::PositionFactor;
using IAST::rangeSpread;

TEST(BreakTimeSteps, PositionFactors) {
  // First vapor 1, second 0.85, third to fifth 0.56, at every mixture size that holds them.
  for (int count = 1; count <= 5; ++count) {
    EXPECT_EQ(PositionFactor(1, count), 1) << count;
    EXPECT_EQ(PositionFactor(0, count), 0) << count;
    for (int position = 2; position <= 5; ++position) {
      const double expected = position > count ? 0 : position == 2 ? 0.85 : 0.56;
      EXPECT_EQ(PositionFactor(position, count), expected) << position << " of " << count;
    }
  }
  EXPECT_EQ(PositionFactor(1, 0), 0);
}

TEST(BreakTimeSteps, SpreadOfTheRange) {
  // Up to r = 0.3 a fixed 10 % (a range of +-20 %); just above it about 11.354 %.
  EXPECT_EQ(rangeSpread(100, 100), 10);  // r = 0, fraction 0.5
  EXPECT_EQ(rangeSpread(100, 70), 10);   // r = 0.3 exactly
  EXPECT_NEAR(rangeSpread(100, 69.9999), 11.354, 1e-3);
  // From r of about 0.519 on the spread reaches 50: the low end of the range is 0.
  EXPECT_NEAR(rangeSpread(1, 1 - 0.519), 50, 0.01);
  // A time limited to 0 has r = 1; a stoichiometric time of 0 leaves the fixed spread.
  EXPECT_NEAR(rangeSpread(100, 0), 242.42 - 22.08 - 3.84, 1e-12);
  EXPECT_EQ(rangeSpread(0, 0), 10);
}

TEST(BreakTimeSteps, RangeFollowsTheSpread) {
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
