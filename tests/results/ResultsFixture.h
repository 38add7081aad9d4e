// The results screen in a whole program on a headless application: a typical cartridge and use
// conditions, the vapors a test puts into the slots, and the data-input screen's "Continue".
#pragma once

#include <string>

#include "input/ProgramFixture.h"
#include "platform/forms/KeyCodes.h"
#include "results/LimitsMessage.h"

namespace results_test {

// Antoine constants: ln(p / torr) with T in K. addVapor sets the concentration.
const VaporData Toluene{"Toluene", 92.14f, 0.867f, 31.1f, 0, 0, 16.0137f, 3096.52f, -53.67f, "", 0, 0, 0};
const VaporData Acetone{"Acetone", 58.08f, 0.79f, 16.2f, 1, 0, 16.6513f, 2940.46f, -35.93f, "", 0, 0, 0};
const VaporData Hexane{"Hexane", 86.18f, 0.659f, 29.9f, 0, 0, 15.8366f, 2697.55f, -48.78f, "", 0, 0, 0};
const VaporData Benzene{"Benzene", 78.11f, 0.879f, 26.2f, 0, 0, 15.9008f, 2788.51f, -52.36f, "", 0, 0, 0};

class ResultsScreenTest : public tess::testing::ProgramFixture {
 protected:
  ResultsScreenTest() {
    // Two cartridges of 8 cm x 2.5 cm beds with 60 g carbon each; 23 C, 1 atm, 50 %, 30 L/min.
    state.Cart = CartridgeData{"Typical cartridge", 8, 2.5f, 60, 0.45f, 0.5f, 0.13f, 21, 0.06f, 0.03f, 0, 0};
    state.Temperature = 23;
    state.AtmPressure = 1;
    state.RelHumid = 0.5f;
    state.BreathingAirFlow = 30;
    state.NumCarts = 2;
    continueToDataInput();
    inputMaster.CartName.setCaption(state.Cart.CartName);
  }

  //! Puts a vapor at ppm into the next slot, as the vapor screen's Return does.
  void addVapor(const VaporData& vapor, float ppm) {
    const int slot = ++state.TotalVapors;
    state.Vapor[slot] = vapor;
    state.Vapor[slot].AvgVapConc = ppm;
    state.MixVapors = state.TotalVapors;
    inputMaster.Vap[slot].setCaption(vapor.ChemName);
  }
  void continueToResults() {
    ASSERT_TRUE(app.click(inputMaster.Continue));
    ASSERT_TRUE(results.visible());
  }
  void calculate() { app.click(results.cmdCalc); }
  //! The slot that holds the named vapor now (the model reorders the slots); 0 if none.
  int rowOf(const std::string& name) const {
    for (int i = 1; i <= MaxVapors; ++i)
      if (state.Vapor[i].ChemName == name) return i;
    return 0;
  }
  std::string times(int row) const {
    return results.BkT[row].caption() + "|" + results.BkTMin[row].caption() + "|" +
           results.BkTMax[row].caption();
  }

  InputMasterFive& inputMaster = program.inputMaster();
  BreakTimeFive& results = program.results();
  LimitsMessage& limits = program.limitsMessage();
};

}  // namespace results_test
