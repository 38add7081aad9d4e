// The results screen in a whole program: a typical cartridge and use conditions, the vapors a test
// puts into the slots, and the data-input screen's "Continue".
#pragma once

#include <string>

#include "support/ProgramFixture.h"

namespace tess::results {

using namespace testing;

class ResultsScreenTest : public ProgramFixture {
 protected:
  ResultsScreenTest() {
    state = typicalConditions();
    continueToDataInput();
    input.CartName.setCaption(state.Cart.CartName);
  }

  //! Puts a solvent at ppm into the next slot, as the vapor screen's Return does.
  void addVapor(const Solvent& solvent, float ppm) {
    const int slot = ++state.TotalVapors;
    state.Vapor[slot] = solvent.data(ppm);
    state.MixVapors = state.TotalVapors;
    input.Vap[slot].setCaption(solvent.name);
  }
  void continueToResults() {
    ASSERT_TRUE(app.click(input.Continue));
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

  LimitsMessage& limits = program.limitsMessage();
};

}  // namespace tess::results
