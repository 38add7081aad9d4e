// The reference calculations of tests/model/data/reference-runs.json, worked out independently of
// this code: inputs as typed on the screens, and the times each slot must hold after the run.
// The build passes the file's path as TESSALORAN_REFERENCE_RUNS.
#pragma once

#include <string>

#include "model/CalculationRun.h"
#include "model/JsonReader.h"
#include "platform/text/LeadingNumber.h"
#include "platform/text/NumberText.h"
#include "state/SetUp.h"

namespace tess::model::fixtures {

inline Json referenceRuns() { return JsonReader::parseFile(TESSALORAN_REFERENCE_RUNS); }

//! The case called name.
inline Json referenceRun(const std::string& name) {
  const Json runs = referenceRuns();
  for (const Json& c : runs["cases"].items) {
    if (c["name"].text == name) return c;
  }
  throw std::runtime_error("no reference run " + name);
}

//! The shared state as the screens leave it before "Calculate Results" when inputs (a case's
//! "inputs") are typed into them: each number read from its text with the leading-number
//! conversion, as each screen stores it.
inline SetUp typedInputs(const Json& inputs) {
  auto typed = [](const Json& field) { return tess::text::leadingNumber(field.text); };
  auto single = [&](const Json& field) { return static_cast<float>(typed(field)); };
  SetUp s;
  // Cartridge screen: humidity typed in percent; the water affinity scaled by 5/3 after humid
  // preconditioning, then halved.
  const Json& cart = inputs["cartridge"];
  s.Cart.CartName = cart["CartName"].text;
  s.Cart.BedDiam = single(cart["BedDiam"]);
  s.Cart.Bed_Depth = single(cart["Bed_Depth"]);
  s.Cart.CarbWgt = single(cart["CarbWgt"]);
  s.Cart.MicVol = single(cart["MicVol"]);
  s.Cart.RelHumPre = static_cast<float>(typed(cart["RelHumPre"]) / 100.0);
  s.Cart.DiamGran = single(cart["DiamGran"]);
  s.Cart.APBenzene = single(cart["APBenzene"]);
  s.Cart.BetaH2O = single(cart["AffinityForWater"]);
  if (s.Cart.RelHumPre > 0.5) s.Cart.BetaH2O = static_cast<float>((5.0 / 3.0) * s.Cart.BetaH2O);
  s.Cart.BetaH2OHalf = static_cast<float>(s.Cart.BetaH2O / 2.0);
  // Use-conditions screen: humidity in percent, the cartridge count rounded halves to even.
  const Json& use = inputs["use"];
  s.Temperature = single(use["Temperature"]);
  s.AtmPressure = single(use["AtmPressure"]);
  s.RelHumid = static_cast<float>(typed(use["RelHumid"]) / 100);
  s.NumCarts = tess::text::roundToInt16(typed(use["NumCarts"])).value_or(0);
  s.BreathingAirFlow = single(use["BreathingAirFlow"]);
  // Vapor screen per slot, and the results screen's breakthrough concentration and fraction.
  for (const Json& vapor : inputs["vapors"].items) {
    const int slot = ++s.TotalVapors;
    VaporData& v = s.Vapor[slot];
    v.ChemName = vapor["ChemName"].text;
    v.MolWt = single(vapor["MolWt"]);
    v.LiqDensity = single(vapor["LiqDensity"]);
    v.MolPol = single(vapor["MolPol"]);
    v.WaterSol = single(vapor["WaterSol"]);
    v.AvgVapConc = single(vapor["AvgVapConc"]);
    v.AntoineA = single(vapor["AntoineA"]);
    v.AntoineB = single(vapor["AntoineB"]);
    v.AntoineC = single(vapor["AntoineC"]);
    s.BkConc[slot] = typed(vapor["BkConc"]);
    s.BkFrac[slot] = s.BkConc[slot] / v.AvgVapConc;
  }
  s.MixVapors = s.TotalVapors;
  computeSuperficialVel(s);
  return s;
}

}  // namespace tess::model::fixtures
