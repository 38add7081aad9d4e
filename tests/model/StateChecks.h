// Checks over a whole shared state: every number finite, and two states equal in every bit.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "state/SetUp.h"

namespace tess::model::fixtures {

//! Every number of the state, named, in a fixed order.
inline std::vector<std::pair<std::string, double>> numbers(const SetUp& s) {
  // clang-format off
  std::vector<std::pair<std::string, double>> out{
      {"TempK", s.TempK},                   {"LinVelocity", s.LinVelocity},
      {"SuperficialVel", s.SuperficialVel}, {"PsatWater", s.PsatWater},
      {"VmWater", s.VmWater},               {"WaterVolPre", s.WaterVolPre},
      {"BedVolume", s.Cart.BedVolume},      {"BedDensity", s.Cart.BedDensity},
      {"MixVapors", s.MixVapors + 0.0},     {"Kv", s.Kv},
      {"KvMid", s.KvMid},                   {"KvSlope", s.KvSlope.value_or(-1e300)},
      {"KvAdj", s.KvAdj},                   {"FracSum", s.FracSum},
      {"LastPartialP", s.LastPartialP},     {"LastAdsAmount", s.LastAdsAmount},
      {"ElapsedTime", s.ElapsedTime}};
  // clang-format on
  for (int i = 1; i <= MaxVapors; ++i) {
    const VaporData& v = s.Vapor[i];
    const std::string p = "Vapor(" + std::to_string(i) + ").";
    out.insert(out.end(), {{p + "AvgVapConc", v.AvgVapConc},
                           {p + "Beta", v.Beta},
                           {p + "MolarVol", v.MolarVol},
                           {p + "Psat", v.Psat}});
  }
  // clang-format off
  const std::pair<const char*, const VaporTable*> tables[] = {
      {"PartialP", &s.PartialP},         {"BkConc", &s.BkConc},           {"BkFrac", &s.BkFrac},
      {"BkTime", &s.BkTime},             {"FinalBkTime", &s.FinalBkTime}, {"BkTimeMin", &s.BkTimeMin},
      {"BkTimeMax", &s.BkTimeMax},       {"AdsMoleFrac", &s.AdsMoleFrac}, {"AdsAmount", &s.AdsAmount},
      {"SavedPartialP", &s.SavedPartialP}, {"RedPotential", &s.RedPotential}, {"ErfSeries", &s.ErfSeries},
      {"SpreadPress", &s.SpreadPress},   {"SortKey", &s.SortKey},         {"WaterVolume", &s.WaterVolume},
      {"WaterRH", &s.WaterRH},           {"ZoneSumPress", &s.ZoneSumPress}, {"ZoneOrgVol", &s.ZoneOrgVol},
      {"ZoneWaterEq", &s.ZoneWaterEq},   {"ZoneUptake", &s.ZoneUptake},   {"ZoneWaterRaw", &s.ZoneWaterRaw},
      {"ZoneDWater", &s.ZoneDWater},     {"ZoneDOrg", &s.ZoneDOrg},       {"ZoneDPress", &s.ZoneDPress},
      {"ZoneDRelHum", &s.ZoneDRelHum}};
  // clang-format on
  for (const auto& [name, table] : tables) {
    for (int i = 0; i <= MaxVapors; ++i)
      out.emplace_back(name + ("(" + std::to_string(i) + ")"), (*table)[i]);
  }
  return out;
}

//! Names of the numbers that are infinite or not a number.
inline std::string nonFinite(const SetUp& s) {
  std::string names;
  for (const auto& [name, value] : numbers(s)) {
    if (!std::isfinite(value)) names += name + " ";
  }
  return names;
}

//! Names of the numbers whose bits differ, and of the slots whose names differ.
inline std::string differences(const SetUp& a, const SetUp& b) {
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

}  // namespace tess::model::fixtures
