// A run's screens for the results screen's tests: the data-input, use-conditions, results and
// out-of-limits screens on a scripted application, with a typical cartridge, use conditions and a
// few solvents, and the road "Continue" takes to the results screen.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "input/InputMasterFive.h"
#include "input/UseOneM.h"
#include "platform/forms/KeyCodes.h"
#include "platform/forms/ScriptedApplication.h"
#include "results/BreakTimeFive.h"
#include "results/LimitsMessage.h"
#include "state/SetUp.h"

namespace results_test {

struct Solvent {
  const char* name;
  float MolWt, LiqDensity, MolPol, WaterSol, AntoineA, AntoineB, AntoineC;  // Antoine: ln(p / torr), T in K
};

inline constexpr Solvent Toluene{"Toluene", 92.14f, 0.867f, 31.1f, 0.0f, 16.0137f, 3096.52f, -53.67f};
inline constexpr Solvent Acetone{"Acetone", 58.08f, 0.79f, 16.2f, 1.0f, 16.6513f, 2940.46f, -35.93f};
inline constexpr Solvent Hexane{"Hexane", 86.18f, 0.659f, 29.9f, 0.0f, 15.8366f, 2697.55f, -48.78f};
inline constexpr Solvent Benzene{"Benzene", 78.11f, 0.879f, 26.2f, 0.0f, 15.9008f, 2788.51f, -52.36f};

class ResultsScreenTest : public ::testing::Test {
 protected:
  ResultsScreenTest() {
    app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
    screens.inputMaster = &inputMaster;
    screens.useConditions = &useConditions;
    screens.results = &results;
    screens.limitsMessage = &limits;
    // Two cartridges of 8 cm x 2.5 cm beds with 60 g carbon each; 23 C, 1 atm, 50 %, 30 L/min.
    state.Temperature = 23;
    state.AtmPressure = 1;
    state.RelHumid = 0.5f;
    state.BreathingAirFlow = 30;
    state.NumCarts = 2;
    state.Cart.CartName = "Typical cartridge";
    state.Cart.BedDiam = 8;
    state.Cart.Bed_Depth = 2.5f;
    state.Cart.CarbWgt = 60;
    state.Cart.MicVol = 0.45f;
    state.Cart.RelHumPre = 0.5f;
    state.Cart.DiamGran = 0.13f;
    state.Cart.APBenzene = 21;
    state.Cart.BetaH2O = 0.06f;
    state.Cart.BetaH2OHalf = 0.03f;
    inputMaster.show();
  }

  void TearDown() override { app.checkDone(); }

  //! Puts a solvent at ppm into the next slot, as the vapor screen's Return does.
  void addVapor(const Solvent& v, float ppm) {
    const int slot = state.TotalVapors + 1;
    VaporData& d = state.Vapor[slot];
    d.ChemName = v.name;
    d.MolWt = v.MolWt;
    d.LiqDensity = v.LiqDensity;
    d.MolPol = v.MolPol;
    d.WaterSol = v.WaterSol;
    d.AvgVapConc = ppm;
    d.AntoineA = v.AntoineA;
    d.AntoineB = v.AntoineB;
    d.AntoineC = v.AntoineC;
    state.TotalVapors = static_cast<std::int16_t>(slot);
    state.MixVapors = state.TotalVapors;
    inputMaster.Vap[slot].setCaption(v.name);
  }

  //! What "Continue" does on the data-input screen: fill the results screen and show it.
  void continueToResults() {
    results.ShowInputsOnResults();
    results.ClearResults();
    inputMaster.hide();
    results.show();
    results.VapBkConc[1].setFocus();
  }

  //! Types text into a box and leaves it with a click on a label (focus stays) or a focus move.
  void type(forms::TextBox& box, const std::string& text) { ASSERT_TRUE(app.editText(box, text)); }

  //! Types the breakthrough concentrations of rows 1.. and presses "Calculate Results".
  void calculate() { app.click(results.cmdCalc); }

  std::string times(int row) const {
    return results.BkT[row].caption() + "|" + results.BkTMin[row].caption() + "|" + results.BkTMax[row].caption();
  }

  forms::ScriptedApplication app;
  ::SetUp state;
  Screens screens;
  std::string folder;
  ScreenContext context{app, state, screens, folder};
  InputMasterFive inputMaster{context};
  UseOneM useConditions{context};
  BreakTimeFive results{context};
  LimitsMessage limits{context};
};

}  // namespace results_test
