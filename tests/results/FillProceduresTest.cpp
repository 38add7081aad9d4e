// The procedures that fill the results screen: the inputs in their display formats, and the times
// and breakthrough concentrations after a calculation.
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
      {0.99f, 1.5f, 75, 500, "99", "1.50", "75", "500"},
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

TEST_F(FillProceduresTest, ShowResultsFormatsTimesAndBreakthroughConcentrations) {
  addVapor(Toluene, 100);
  addVapor(Acetone, 200);
  addVapor(Hexane, 300);
  state.FinalBkTime = {0, 49.5, 0.4, 1234.49, 0, 0};
  state.BkTimeMin = {0, 39.6, 0.32, 987.6, 0, 0};
  state.BkTimeMax = {0, 59.4, 0.48, 1481.4, 0, 0};
  state.BkConc = {0, 50, 0.3, 2.4, 0, 0};
  results.ShowResults();
  const char* shown[][3] = {{"50|40|59", "50", "100"},
                            {"0|0|0", "", "200"},
                            {"1234|988|1481", "2", "300"},
                            {"||", "", ""},
                            {"||", "", ""}};  // below 0.5 ppm the "#" format shows nothing
  for (int i = 1; i <= MaxVapors; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(times(i), shown[i - 1][0]);
    EXPECT_EQ(results.VapBkConc[i].text(), shown[i - 1][1]);
    EXPECT_EQ(results.VapConc[i].text(), shown[i - 1][2]);
    EXPECT_EQ(results.VapNm[i].caption(), i <= 3 ? state.Vapor[i].ChemName : "");
    EXPECT_EQ(inputMaster.Vap[i].caption(), i <= 3 ? state.Vapor[i].ChemName : "");
  }
}

}  // namespace
}  // namespace results_test
