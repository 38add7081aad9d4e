#include <cmath>

#include "ResultsFixture.h"

namespace results_test {
namespace {

using FillProceduresTest = ResultsScreenTest;

TEST_F(FillProceduresTest, ShowInputsOnResultsCopiesTheInputsInTheirDisplayFormats) {
  struct Case {
    float relHumid;
    float atmPressure;
    float temperature;
    float flow;
    const char* relHumidText;
    const char* atmPressureText;
    const char* temperatureText;
    const char* flowText;
  };
  const Case cases[] = {
      {0.5f, 1, 23, 30, "50", "1.00", "23", "30"},
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
  }
  EXPECT_EQ(results.CartName.text(), "Typical cartridge");
}

TEST_F(FillProceduresTest, ShowInputsOnResultsBlanksEmptySlotsAndKeepsTheBreakthroughOfUsedOnes) {
  addVapor(Toluene, 100);
  addVapor(Acetone, 250.5f);
  state.Vapor[3].ChemName = std::string(NoneSelected);
  state.Vapor[4].ChemName = "none selected";  // not the exact text: counts as a vapor here
  state.Vapor[4].AvgVapConc = 7;
  results.ensureLoaded();
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

TEST_F(FillProceduresTest, ShowInputsOnResultsSetsTheFaceVelocity) {
  addVapor(Toluene, 100);
  results.ShowInputsOnResults();
  // 30 L/min through two beds of 8 cm: 30000 / (64 x 3.14159 x 15 x 2) cm/s.
  EXPECT_NEAR(state.SuperficialVel, 30.0 * 1000 / (8.0 * 8.0 * 3.14159 * 15 * 2), 1e-12);
}

TEST_F(FillProceduresTest, ClearResultsBlanksOnlyTheTimes) {
  results.ensureLoaded();
  for (int i = 1; i <= MaxVapors; ++i) {
    results.BkT[i].setCaption("1");
    results.BkTMin[i].setCaption("2");
    results.BkTMax[i].setCaption("3");
    results.VapBkConc[i].setText("4");
    results.VapConc[i].setText("5");
  }
  results.ClearResults();
  for (int i = 1; i <= MaxVapors; ++i) {
    EXPECT_EQ(times(i), "||");
    EXPECT_EQ(results.VapBkConc[i].text(), "4");
    EXPECT_EQ(results.VapConc[i].text(), "5");
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
  EXPECT_EQ(times(1), "50|40|59");
  EXPECT_EQ(times(2), "0|0|0");
  EXPECT_EQ(times(3), "1234|988|1481");
  EXPECT_EQ(results.VapBkConc[1].text(), "50");
  EXPECT_EQ(results.VapBkConc[2].text(), "");  // below 0.5 ppm the "#" format shows nothing
  EXPECT_EQ(results.VapBkConc[3].text(), "2");
  EXPECT_EQ(results.VapConc[3].text(), "300");
  for (int i = 4; i <= 5; ++i) {
    EXPECT_EQ(results.VapNm[i].caption(), "");
    EXPECT_EQ(inputMaster.Vap[i].caption(), "");
    EXPECT_EQ(times(i), "||");
    EXPECT_EQ(results.VapConc[i].text(), "");
  }
  EXPECT_EQ(inputMaster.Vap[2].caption(), "Acetone");
}

}  // namespace
}  // namespace results_test
