// Weighted mixture properties: limiting cases and the single-vapor Dubinin-Radushkevich amount.
#include <gtest/gtest.h>

#include <cmath>

#include "model/ModelConstants.h"
#include "model/WtdCalcs.h"

namespace {

using namespace WtdCalcs;

// Two vapors in play with derived values as a calculation leaves them.
::SetUp twoVaporMixture() {
  ::SetUp s;
  s.TempK = 296.15f;
  s.MixVapors = s.TotalVapors = 2;
  s.NumCarts = 2;
  s.BreathingAirFlow = 30;
  s.VmWater = 18.015 / 0.998;
  s.Cart.MicVol = 0.45f;
  s.Cart.APBenzene = 21;
  s.Cart.CarbWgt = 60;
  const double betas[] = {0, 1.1, 0.7}, psats[] = {0, 3.6, 28.0};  // -, kPa
  const float volumes[] = {0, 106.3f, 73.5f};                      // cm3/mol
  for (int k = 1; k <= 2; ++k) {
    s.Vapor[k] = {"", 0, 0, 25, 0.5f, 0, 0, 0, 0, "", betas[k], volumes[k], psats[k]};
    s.PartialP[k] = 0.01 * k;
  }
  s.AdsMoleFrac[1] = 0.7;
  s.AdsMoleFrac[2] = 0.3;
  s.WaterRH[2] = 0.5;
  s.WaterVolume[2] = 0.1;
  return s;
}

TEST(WtdCalcs, LimitingCases) {
  ::SetUp s = twoVaporMixture();
  // Sums over no vapor are 0.
  EXPECT_EQ(WtdAffinity(s, 0), 0);
  EXPECT_EQ(WtdMolarVolume(s, 0), 0);
  EXPECT_EQ(WtdAdsPotential(s, 0), 0);
  // A vapor without partial pressure still weighs in affinity and molar volume, has no share of
  // the potential, dissolves nothing and has no stoichiometric time.
  const double potentialOfFirst = WtdAdsPotential(s, 1);
  s.PartialP[2] = 0;
  EXPECT_EQ(WtdAffinity(s, 2), 0.7 * 1.1 + 0.3 * 0.7);
  EXPECT_EQ(WtdMolarVolume(s, 2), 0.7 * static_cast<double>(106.3f) + 0.3 * static_cast<double>(73.5f));
  EXPECT_EQ(WtdAdsPotential(s, 2), potentialOfFirst);
  EXPECT_EQ(DissolvedVolume(s, 2), 0);
  EXPECT_EQ(StoichTime(s, 2), 0);
  // Water takes room from the organics; without water the wet total is the dry one.
  s = twoVaporMixture();
  EXPECT_LT(TotalAdsorbedWet(s, 2), TotalAdsorbedDry(s, 2));
  s.WaterVolume[2] = 0;
  EXPECT_EQ(TotalAdsorbedWet(s, 2), TotalAdsorbedDry(s, 2));
  // A vapor insoluble in water has just its share of the wet total; a soluble one more.
  s = twoVaporMixture();
  s.Vapor[1].WaterSol = 0;
  EXPECT_EQ(ComponentAdsorbed(s, 1), s.AdsMoleFrac[1] * TotalAdsorbedWet(s, 2));
  s.Vapor[1].WaterSol = 1;
  EXPECT_GT(ComponentAdsorbed(s, 1), s.AdsMoleFrac[1] * TotalAdsorbedWet(s, 2));
}

TEST(WtdCalcs, SingleVaporReducesToDubininRadushkevich) {
  ::SetUp s = twoVaporMixture();
  s.MixVapors = 1;
  s.AdsMoleFrac[1] = 1;
  s.WaterVolume[1] = 0;
  const double R = ModelConstants::GasConstant;
  const double potential = R * static_cast<double>(s.TempK) * std::log(s.Vapor[1].Psat / s.PartialP[1]);
  const double ratio = potential / (s.Vapor[1].Beta * 21.0);
  EXPECT_EQ(WtdAdsPotential(s, 1), potential);
  EXPECT_EQ(TotalAdsorbedDry(s, 1),
            static_cast<double>(0.45f) / static_cast<double>(106.3f) * std::exp(-(ratio * ratio)));
}

TEST(WtdCalcs, StoichiometricTimeScalesWithCarbonCartridgesAndFlow) {
  ::SetUp s = twoVaporMixture();
  const double base = StoichTime(s, 1);
  EXPECT_GT(base, 0);
  s.Cart.CarbWgt = 120;
  EXPECT_EQ(StoichTime(s, 1), 2 * base);
  s.Cart.CarbWgt = 60;
  s.NumCarts = 4;
  EXPECT_EQ(StoichTime(s, 1), 2 * base);
  s.NumCarts = 2;
  s.BreathingAirFlow = 60;
  EXPECT_EQ(StoichTime(s, 1), base / 2);
}

}  // namespace
