// Vapor ordering (whole records move, stable, sound beyond the marker) and the zone water.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "model/BTSorting.h"
#include "model/WaterZones.h"

namespace tess::model {
namespace {

// n vapors in play; every slot's values tell the slot they started in.
SetUp namedSlots(int n) {
  SetUp s;
  s.MixVapors = s.TotalVapors = static_cast<std::int16_t>(n);
  for (int i = 1; i <= MaxVapors; ++i) {
    s.Vapor[i] = {"V" + std::to_string(i),   10.0f * i, 0, 0,        0, 0, 0, 0, 0,
                  "cas" + std::to_string(i), 0,         0, 100.0 * i};
    s.PartialP[i] = i;
    s.AdsMoleFrac[i] = 0.1 * i;
    s.AdsAmount[i] = 0.01 * i;
    s.BkConc[i] = 5.0 * i;
    s.BkFrac[i] = 0.05 * i;
    s.BkTime[i] = 1000.0 * i;
    s.FinalBkTime[i] = 2000.0 * i;
  }
  return s;
}

std::string order(const SetUp& s, int n) {
  std::string names;
  for (int i = 1; i <= n; ++i) names += s.Vapor[i].ChemName + " ";
  return names;
}

// What moves with a vapor's record.
std::vector<double> carried(const SetUp& s, int i) {
  return {s.Vapor[i].MolWt, s.Vapor[i].Psat, s.PartialP[i], s.AdsMoleFrac[i],
          s.AdsAmount[i],   s.BkConc[i],     s.BkFrac[i]};
}

TEST(BTSorting, StableAndSoundAboveTheMarkerMovingWholeRecords) {
  // Name, the sort keys of slots 1..5, the vapors in play, the order after.
  const std::tuple<const char*, std::array<double, 6>, int, const char*> cases[] = {
      {"keys 3, 1, 2", {0, 3, 1, 2, BTSorting::PlacedKey, BTSorting::PlacedKey}, 3, "V2 V3 V1 V4 V5 "},
      {"all equal", {0, 7, 7, 7, 7, 7}, 5, "V1 V2 V3 V4 V5 "},
      {"two equal", {0, 4, 2, 2, 0, 0}, 3, "V2 V3 V1 V4 V5 "},
      {"one vapor", {0, 9, 0, 0, 0, 0}, 1, "V1 V2 V3 V4 V5 "},
      {"keys at and above the marker", {0, 2e6, 1e6, 5, 3e6, 1.5e6}, 5, "V3 V2 V5 V1 V4 "},
  };
  const tess::SetUp before = namedSlots(5);
  for (const auto& [name, keys, n, expected] : cases) {
    SCOPED_TRACE(name);
    tess::SetUp s = namedSlots(n);
    s.SortKey = keys;
    BTSorting::SortVapors(s);
    EXPECT_EQ(order(s, 5), expected);
    for (int i = 1; i <= n; ++i) {
      // The record moves with all its values; the times stay with the slot.
      const int from = std::stoi(s.Vapor[i].ChemName.substr(1));
      EXPECT_EQ(s.Vapor[i].CAS, before.Vapor[from].CAS) << i;
      EXPECT_EQ(carried(s, i), carried(before, from)) << i;
      EXPECT_EQ(s.BkTime[i], before.BkTime[i]) << i;
      EXPECT_EQ(s.FinalBkTime[i], before.FinalBkTime[i]) << i;
      EXPECT_EQ(s.SortKey[i], BTSorting::PlacedKey) << i;
    }
  }
  // By polarizability: slots above MixVapors stay where they are.
  tess::SetUp s = namedSlots(3);
  const float polarizabilities[] = {0, 30, 10, 20, 1};
  for (int i = 1; i <= 4; ++i) s.Vapor[i].MolPol = polarizabilities[i];
  BTSorting::SortByPolarizability(s);
  EXPECT_EQ(order(s, 5), "V2 V3 V1 V4 V5 ");
}

// The reference runs never roll a zone's humidity past its bounds.
TEST(WaterZones, RolledUpHumidityIsClampedToItsBounds) {
  // Above 1 is 1, below 0 is 0.0001, exactly 0 stays 0.
  EXPECT_EQ(WaterZones::clampedHumidity(0.5f, 0.7), 1);
  EXPECT_EQ(WaterZones::clampedHumidity(0.5f, -0.55), 0.0001);
  EXPECT_EQ(WaterZones::clampedHumidity(0.5f, -0.5), 0);
}

}  // namespace
}  // namespace tess::model
