// The reference calculations of tests/model/data/reference-runs.json, worked out independently of
// this code: inputs as typed on the screens, and the times each slot must hold after the run.
// The build passes the file's path as TESSALORAN_REFERENCE_RUNS.
#pragma once

#include <nlohmann/json.hpp>

#include <fstream>
#include <string>

#include "model/CalculationRun.h"
#include "platform/text/LeadingNumber.h"
#include "platform/text/NumberText.h"
#include "state/SetUp.h"

namespace tess::model::fixtures {

using Json = nlohmann::json;

inline Json referenceRuns() {
  std::ifstream file(TESSALORAN_REFERENCE_RUNS, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " TESSALORAN_REFERENCE_RUNS);
  return Json::parse(file);
}

//! The case called name.
inline Json referenceRun(const std::string& name) {
  const Json runs = referenceRuns();
  for (const Json& c : runs.at("cases")) {
    if (c.at("name") == name) return c;
  }
  throw std::runtime_error("no reference run " + name);
}

//! The shared state as the screens leave it before "Calculate Results" when inputs (a case's
//! "inputs") are typed into them: each number read from its text with the leading-number
//! conversion, as each screen stores it.
inline SetUp typedInputs(const Json& inputs) {
  // A number's shortest text that reads back as the same double: the text in the file.
  auto typed = [](const Json& field) { return tess::text::leadingNumber(field.dump()); };
  auto single = [&](const Json& field) { return static_cast<float>(typed(field)); };
  SetUp s;
  // Cartridge screen: humidity typed in percent; the water affinity scaled by 5/3 after humid
  // preconditioning, then halved.
  const Json& cart = inputs.at("cartridge");
  s.Cart.CartName = cart.at("CartName").get<std::string>();
  s.Cart.BedDiam = single(cart.at("BedDiam"));
  s.Cart.Bed_Depth = single(cart.at("Bed_Depth"));
  s.Cart.CarbWgt = single(cart.at("CarbWgt"));
  s.Cart.MicVol = single(cart.at("MicVol"));
  s.Cart.RelHumPre = static_cast<float>(typed(cart.at("RelHumPre")) / 100.0);
  s.Cart.DiamGran = single(cart.at("DiamGran"));
  s.Cart.APBenzene = single(cart.at("APBenzene"));
  s.Cart.BetaH2O = single(cart.at("AffinityForWater"));
  if (s.Cart.RelHumPre > 0.5) s.Cart.BetaH2O = static_cast<float>((5.0 / 3.0) * s.Cart.BetaH2O);
  s.Cart.BetaH2OHalf = static_cast<float>(s.Cart.BetaH2O / 2.0);
  // Use-conditions screen: humidity in percent, the cartridge count rounded halves to even.
  const Json& use = inputs.at("use");
  s.Temperature = single(use.at("Temperature"));
  s.AtmPressure = single(use.at("AtmPressure"));
  s.RelHumid = static_cast<float>(typed(use.at("RelHumid")) / 100);
  s.NumCarts = tess::text::roundToInt16(typed(use.at("NumCarts"))).value_or(0);
  s.BreathingAirFlow = single(use.at("BreathingAirFlow"));
  // Vapor screen per slot, and the results screen's breakthrough concentration and fraction.
  for (const Json& vapor : inputs.at("vapors")) {
    const int slot = ++s.TotalVapors;
    VaporData& v = s.Vapor[slot];
    v.ChemName = vapor.at("ChemName").get<std::string>();
    v.MolWt = single(vapor.at("MolWt"));
    v.LiqDensity = single(vapor.at("LiqDensity"));
    v.MolPol = single(vapor.at("MolPol"));
    v.WaterSol = single(vapor.at("WaterSol"));
    v.AvgVapConc = single(vapor.at("AvgVapConc"));
    v.AntoineA = single(vapor.at("AntoineA"));
    v.AntoineB = single(vapor.at("AntoineB"));
    v.AntoineC = single(vapor.at("AntoineC"));
    s.BkConc[slot] = typed(vapor.at("BkConc"));
    s.BkFrac[slot] = s.BkConc[slot] / v.AvgVapConc;
  }
  s.MixVapors = s.TotalVapors;
  computeSuperficialVel(s);
  return s;
}

}  // namespace tess::model::fixtures
