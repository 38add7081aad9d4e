// Vapor ordering (whole records move, stable, sound beyond the marker) and the zone water.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/BTSorting.h"
#include "model/CalculationRun.h"
#include "model/ModelFixtures.h"
#include "model/ModelBounds.h"
#include "model/WaterZones.h"
#include "model/WtdCalcs.h"

namespace {

::SetUp namedSlots(int n) {
  ::SetUp s;
  s.MixVapors = static_cast<std::int16_t>(n);
  s.TotalVapors = static_cast<std::int16_t>(n);
  for (int i = 1; i <= MaxVapors; ++i) {
    s.Vapor[i].ChemName = "V" + std::to_string(i);
    s.Vapor[i].CAS = "cas" + std::to_string(i);
    s.Vapor[i].MolWt = static_cast<float>(10 * i);
    s.Vapor[i].Psat = 100.0 * i;
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

std::string order(const ::SetUp& s, int n) {
  std::string names;
  for (int i = 1; i <= n; ++i) names += s.Vapor[i].ChemName + " ";
  return names;
}

TEST(BTSorting, MovesWholeRecordsWithTheirValues) {
  ::SetUp s = namedSlots(3);
  s.SortKey = {0, 3, 1, 2, BTSorting::PlacedKey, BTSorting::PlacedKey};
  BTSorting::SortVapors(s);
  EXPECT_EQ(order(s, 5), "V2 V3 V1 V4 V5 ");
  const int from[] = {0, 2, 3, 1};
  for (int i = 1; i <= 3; ++i) {
    const int k = from[i];
    EXPECT_EQ(s.Vapor[i].CAS, "cas" + std::to_string(k));
    EXPECT_EQ(s.Vapor[i].MolWt, 10.0f * k);
    EXPECT_EQ(s.Vapor[i].Psat, 100.0 * k);
    EXPECT_EQ(s.PartialP[i], k);
    EXPECT_EQ(s.AdsMoleFrac[i], 0.1 * k);
    EXPECT_EQ(s.AdsAmount[i], 0.01 * k);
    EXPECT_EQ(s.BkConc[i], 5.0 * k);
    EXPECT_EQ(s.BkFrac[i], 0.05 * k);
    // Times stay with the slot, not the vapor.
    EXPECT_EQ(s.BkTime[i], 1000.0 * i);
    EXPECT_EQ(s.FinalBkTime[i], 2000.0 * i);
    EXPECT_EQ(s.SortKey[i], BTSorting::PlacedKey);
  }
}

TEST(BTSorting, StableForEqualKeysAndSoundAboveTheMarker) {
  struct Case {
    const char* name;
    std::array<double, 6> keys;
    int n;
    const char* expected;
  };
  const Case cases[] = {
      {"all equal", {0, 7, 7, 7, 7, 7}, 5, "V1 V2 V3 V4 V5 "},
      {"two equal", {0, 4, 2, 2, 0, 0}, 3, "V2 V3 V1 "},
      {"one vapor", {0, 9, 0, 0, 0, 0}, 1, "V1 "},
      {"keys at and above the marker", {0, 2e6, 1e6, 5, 3e6, 1.5e6}, 5, "V3 V2 V5 V1 V4 "},
  };
  for (const Case& c : cases) {
    ::SetUp s = namedSlots(c.n);
    s.SortKey = c.keys;
    BTSorting::SortVapors(s);
    EXPECT_EQ(order(s, c.n), c.expected) << c.name;
  }
}

TEST(BTSorting, ByPolarizability) {
  ::SetUp s = namedSlots(3);
  s.Vapor[1].MolPol = 30;
  s.Vapor[2].MolPol = 10;
  s.Vapor[3].MolPol = 20;
  s.Vapor[4].MolPol = 1;  // not in play
  BTSorting::SortByPolarizability(s);
  EXPECT_EQ(order(s, 5), "V2 V3 V1 V4 V5 ");
}

::SetUp waterState() {
  ::SetUp s;
  s.TempK = 296.15f;
  s.Temperature = 23;
  s.SuperficialVel = 5;
  s.Cart.MicVol = 0.45f;
  s.Cart.APBenzene = 21;
  s.Cart.Bed_Depth = 2.5f;
  return s;
}

TEST(WaterZones, EquilibriumWater) {
  const ::SetUp s = waterState();
  const double factor = (static_cast<double>(s.TempK) * 0.00831451) / (0.06 * 21.0);
  const double dry = factor * std::log(10000.0);
  EXPECT_EQ(WaterZones::WaterVolumeDR(s, 0, 0.06), static_cast<double>(0.45f) * std::exp(-(dry * dry)));
  const double saturated = WaterZones::WaterVolumeDR(s, 1, 0.06);
  EXPECT_LT(saturated, static_cast<double>(0.45f));
  EXPECT_GT(saturated, 0.449);
}

TEST(WaterZones, UptakeLaw) {
  ::SetUp s = waterState();
  EXPECT_EQ(WaterZones::WaterUptakeFraction(s, 10, 0.2, 0.2), 1);
  const double wetting = WaterZones::WaterUptakeFraction(s, 10, 0.1, 0.2);
  EXPECT_GT(wetting, 0);
  EXPECT_LT(wetting, 1);
  // Drying follows the same law with the gap's absolute value.
  EXPECT_EQ(WaterZones::WaterUptakeFraction(s, 10, 0.2, 0.1), wetting);
  s.Temperature = 0;
  EXPECT_EQ(WaterZones::WaterUptakeFraction(s, 10, 0.1, 0.2), 0);
}

TEST(WaterZones, HumidityClampsAndExclusion) {
  EXPECT_EQ(WaterZones::clampedHumidity(0.5f, 0.7), 1);
  EXPECT_EQ(WaterZones::clampedHumidity(0.5f, -0.55), 0.0001);
  EXPECT_EQ(WaterZones::clampedHumidity(0.5f, -0.5), 0);
  EXPECT_EQ(WaterZones::excludeOrganics(0.2, 0, 0.45f, 1), 0.2);
  EXPECT_LT(WaterZones::excludeOrganics(0.2, 0.1, 0.45f, 1), 0.2);
}

TEST(WaterZones, UndefinedCornersStop) {
  try {
    // Water times organics equal to the micropore volume squared.
    WaterZones::excludeOrganics(0.5, 0.5, 0.5f, 2);
    FAIL() << "expected a stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason(), StopReason::WaterExclusionSingular);
  }
  try {
    WaterZones::humidityRise(0.01, 0, 0, 2.8, 1);
    FAIL() << "expected a stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason(), StopReason::ZeroOrganicDifference);
  }
}

// Three vapors in play at the start of their first zone, with the solved fractions of a run.
::SetUp firstZoneOfThree() {
  ::SetUp s = fixtures::typicalConditions();
  s.Cart.RelHumPre = 0.2f;  // drier than the air in use, so that every zone has water to take up
  fixtures::addVapor(s, fixtures::Toluene, 100);
  fixtures::addVapor(s, fixtures::Benzene, 100);
  fixtures::addVapor(s, fixtures::EthylAcetate, 100);
  computeSuperficialVel(s);
  EXPECT_TRUE(runCalculation(s).completed);
  s.MixVapors = 3;
  for (int m = 0; m <= 5; ++m) {
    s.ZoneSumPress[m] = 0;
    s.WaterVolume[m] = s.WaterVolPre;
    s.WaterRH[m] = s.RelHumid + 0.0001;
  }
  s.ElapsedTime = 0.1;
  return s;
}

TEST(WaterZones, FirstZoneTakesTheFeedHumidityBelowTheTopZone) {
  ::SetUp s = firstZoneOfThree();
  WaterZones::UpdateWaterZones(s);
  // No zone has an organic pressure yet, so no humidity is rolled up.
  for (int j = 0; j < 3; ++j) EXPECT_EQ(s.WaterRH[j], static_cast<double>(s.RelHumid)) << j;
  EXPECT_EQ(s.WaterRH[3], s.RelHumid + 0.0001);
  for (int j = 1; j <= 3; ++j) EXPECT_EQ(s.BkTime[j], WtdCalcs::StoichTime(s, j)) << j;
}

TEST(WaterZones, AtZeroDegreesEachZoneTakesTheWaterOfTheZoneBelow) {
  ::SetUp s = firstZoneOfThree();
  s.Temperature = 0;
  WaterZones::UpdateWaterZones(s);
  EXPECT_EQ(s.WaterVolume[0], s.WaterVolPre);  // zone 0 holds no organics
  for (int j = 0; j <= 3; ++j) {
    EXPECT_EQ(s.ZoneUptake[j], 0) << j;
    const double below = j == 0 ? s.WaterVolPre : s.WaterVolume[j - 1];
    EXPECT_EQ(s.ZoneWaterRaw[j], below) << j;
    EXPECT_EQ(s.WaterVolume[j], WaterZones::excludeOrganics(below, s.ZoneOrgVol[j], s.Cart.MicVol, j)) << j;
  }
}

}  // namespace
