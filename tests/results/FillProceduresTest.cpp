// What "Continue" shows on the results screen: the inputs in their display formats, and each slot's
// vapor and concentrations.
#include "ResultsFixture.h"

namespace results_test {
namespace {

using FillProceduresTest = ResultsScreenTest;

TEST_F(FillProceduresTest, ShowInputsOnResultsCopiesTheInputsInTheirDisplayFormats) {
  struct Case {
    float relHumid, atmPressure, temperature, flow;
    const char *relHumidText, *atmPressureText, *temperatureText, *flowText;
  };
  const Case cases[] = {
      {0.05f, 0.5f, 0, 10, "05", "0.50", "0", "10"},
      {0.45f, 1.25f, 23.5f, 32.5f, "45", "1.25", "23.5", "32.5"},
  };
  addVapor(Toluene, 100);
  for (const Case& c : cases) {
    state.RelHumid = c.relHumid;
    state.AtmPressure = c.atmPressure;
    state.Temperature = c.temperature;
    state.BreathingAirFlow = c.flow;
    results.ShowInputsOnResults();
    EXPECT_EQ(results.RelHumid.text(), c.relHumidText);
    EXPECT_EQ(results.AtmPressure.text(), c.atmPressureText);
    EXPECT_EQ(results.Temperature.text(), c.temperatureText);
    EXPECT_EQ(results.AirFlowVol.text(), c.flowText);
    // The face velocity [cm/s] through two beds of 8 cm: flow [L/min] x 1000 / (64 x 3.14159 x 15 x 2).
    EXPECT_NEAR(state.SuperficialVel, c.flow * 1000.0 / (8.0 * 8.0 * 3.14159 * 15 * 2), 1e-12);
  }
  EXPECT_EQ(results.CartName.text(), "Typical cartridge");
}

TEST_F(FillProceduresTest, ShowInputsOnResultsBlanksEmptySlotsAndKeepsTheBreakthroughOfUsedOnes) {
  addVapor(Toluene, 100);
  addVapor(Acetone, 250.5f);
  state.Vapor[3].ChemName = std::string(NoneSelected);
  state.Vapor[4].ChemName = "none selected";  // not the exact text: counts as a vapor here
  state.Vapor[4].AvgVapConc = 7;
  for (int i = 1; i <= MaxVapors; ++i) {
    results.VapBkConc[i].setText("9");
    results.VapConc[i].setText("old");
  }
  results.ShowInputsOnResults();
  const char* names[] = {"", "Toluene", "Acetone", "None Selected", "none selected", ""};
  const char* conc[] = {"", "100", "250.5", "", "7", ""};
  const char* bk[] = {"", "9", "9", "", "9", ""};
  for (int i = 1; i <= MaxVapors; ++i) {
    EXPECT_EQ(results.VapNm[i].caption(), names[i]) << i;
    EXPECT_EQ(results.VapConc[i].text(), conc[i]) << i;
    EXPECT_EQ(results.VapBkConc[i].text(), bk[i]) << i;
  }
}

}  // namespace
}  // namespace results_test
