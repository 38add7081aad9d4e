// The shared state starts empty, and the two ways of recognising an empty slot differ as intended.
#include <gtest/gtest.h>

#include "state/SetUp.h"

namespace {

TEST(SetUp, StartsWithEveryValueZeroAndEveryTextEmpty) {
  const ::SetUp state;  // ::, since the test's own SetUp() hides the name
  EXPECT_EQ(state.Temperature, 0.0f);
  EXPECT_EQ(state.AtmPressure, 0.0f);
  EXPECT_EQ(state.RelHumid, 0.0f);
  EXPECT_EQ(state.BreathingAirFlow, 0.0f);
  EXPECT_EQ(state.NumCarts, 0);
  EXPECT_EQ(state.TotalVapors, 0);
  EXPECT_EQ(state.MixVapors, 0);
  EXPECT_TRUE(state.Cart.CartName.empty());
  EXPECT_EQ(state.Cart.BedDiam, 0.0f);
  EXPECT_FALSE(state.KvSlope.has_value());
  for (int i = 0; i <= MaxVapors; ++i) {
    EXPECT_TRUE(state.Vapor[i].ChemName.empty()) << i;
    EXPECT_TRUE(state.Vapor[i].CAS.empty()) << i;
    EXPECT_EQ(state.Vapor[i].AvgVapConc, 0.0f) << i;
    EXPECT_EQ(state.Vapor[i].Psat, 0.0) << i;
    EXPECT_EQ(state.PartialP[i], 0.0) << i;
    EXPECT_EQ(state.BkFrac[i], 0.0) << i;
    EXPECT_EQ(state.FinalBkTime[i], 0.0) << i;
    EXPECT_EQ(state.SortKey[i], 0.0) << i;
    EXPECT_EQ(state.WaterVolume[i], 0.0) << i;
    EXPECT_EQ(state.ZoneDRelHum[i], 0.0) << i;
  }
}

TEST(SetUp, TablesHoldSixEntries) {
  const ::SetUp state;  // ::, since the test's own SetUp() hides the name
  EXPECT_EQ(MaxVapors, 5);
  EXPECT_EQ(state.Vapor.size(), 6u);
  EXPECT_EQ(state.AdsMoleFrac.size(), 6u);
  EXPECT_EQ(state.ZoneSumPress.size(), 6u);
}

struct NameCase {
  const char* name;
  bool exact;
  bool trimmed;
};

TEST(SetUp, EmptySlotNameComparisons) {
  const NameCase cases[] = {
      {"None Selected", true, true},
      {"none selected ", false, true},    // other case and a trailing blank
      {"  NONE SELECTED", false, true},   // leading blanks
      {"None  Selected", false, false},   // inner blanks count
      {"None Selected\t", false, false},  // only blanks are trimmed
      {"", false, false},
      {"   ", false, false},
      {"Toluene", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isNoneSelectedExact(c.name), c.exact) << '"' << c.name << '"';
    EXPECT_EQ(isNoneSelectedTrimmed(c.name), c.trimmed) << '"' << c.name << '"';
  }
  EXPECT_EQ(NoneSelected, "None Selected");
}

}  // namespace
