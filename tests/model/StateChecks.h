// Checks over a whole shared state: every number finite, and two states equal in every bit.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "state/SetUp.h"

namespace fixtures {

//! Every number of the state, named, in a fixed order.
inline std::vector<std::pair<std::string, double>> numbers(const ::SetUp& s) {
  std::vector<std::pair<std::string, double>> out;
  auto add = [&](const std::string& name, double value) { out.emplace_back(name, value); };
  auto table = [&](const std::string& name, const std::array<double, MaxVapors + 1>& t) {
    for (int i = 0; i <= MaxVapors; ++i) add(name + "(" + std::to_string(i) + ")", t[i]);
  };
  add("TempK", s.TempK);
  add("LinVelocity", s.LinVelocity);
  add("SuperficialVel", s.SuperficialVel);
  add("PsatWater", s.PsatWater);
  add("VmWater", s.VmWater);
  add("WaterVolPre", s.WaterVolPre);
  add("BedVolume", s.Cart.BedVolume);
  add("BedDensity", s.Cart.BedDensity);
  add("MixVapors", s.MixVapors);
  add("Kv", s.Kv);
  add("KvMid", s.KvMid);
  add("KvSlope", s.KvSlope.value_or(-1e300));
  add("KvAdj", s.KvAdj);
  add("FracSum", s.FracSum);
  add("LastPartialP", s.LastPartialP);
  add("LastAdsAmount", s.LastAdsAmount);
  add("ElapsedTime", s.ElapsedTime);
  for (int i = 1; i <= MaxVapors; ++i) {
    const VaporData& v = s.Vapor[i];
    const std::string p = "Vapor(" + std::to_string(i) + ").";
    add(p + "AvgVapConc", v.AvgVapConc);
    add(p + "Beta", v.Beta);
    add(p + "MolarVol", v.MolarVol);
    add(p + "Psat", v.Psat);
  }
  table("PartialP", s.PartialP);
  table("BkConc", s.BkConc);
  table("BkFrac", s.BkFrac);
  table("BkTime", s.BkTime);
  table("FinalBkTime", s.FinalBkTime);
  table("BkTimeMin", s.BkTimeMin);
  table("BkTimeMax", s.BkTimeMax);
  table("AdsMoleFrac", s.AdsMoleFrac);
  table("AdsAmount", s.AdsAmount);
  table("SavedPartialP", s.SavedPartialP);
  table("RedPotential", s.RedPotential);
  table("ErfSeries", s.ErfSeries);
  table("SpreadPress", s.SpreadPress);
  table("SortKey", s.SortKey);
  table("WaterVolume", s.WaterVolume);
  table("WaterRH", s.WaterRH);
  table("ZoneSumPress", s.ZoneSumPress);
  table("ZoneOrgVol", s.ZoneOrgVol);
  table("ZoneWaterEq", s.ZoneWaterEq);
  table("ZoneUptake", s.ZoneUptake);
  table("ZoneWaterRaw", s.ZoneWaterRaw);
  table("ZoneDWater", s.ZoneDWater);
  table("ZoneDOrg", s.ZoneDOrg);
  table("ZoneDPress", s.ZoneDPress);
  table("ZoneDRelHum", s.ZoneDRelHum);
  return out;
}

//! Names of the numbers that are infinite or not a number.
inline std::string nonFinite(const ::SetUp& s) {
  std::string names;
  for (const auto& [name, value] : numbers(s)) {
    if (!std::isfinite(value)) names += name + " ";
  }
  return names;
}

//! Names of the numbers whose bits differ, and of the slots whose names differ.
inline std::string differences(const ::SetUp& a, const ::SetUp& b) {
  std::string names;
  const auto x = numbers(a);
  const auto y = numbers(b);
  for (std::size_t k = 0; k < x.size(); ++k) {
    if (std::bit_cast<std::uint64_t>(x[k].second) != std::bit_cast<std::uint64_t>(y[k].second)) {
      names += x[k].first + " ";
    }
  }
  if (a.KvSlope.has_value() != b.KvSlope.has_value()) names += "KvSlope(has value) ";
  for (int i = 1; i <= MaxVapors; ++i) {
    if (a.Vapor[i].ChemName != b.Vapor[i].ChemName) names += "ChemName(" + std::to_string(i) + ") ";
  }
  return names;
}

}  // namespace fixtures
