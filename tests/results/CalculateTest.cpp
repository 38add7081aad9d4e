#include <map>

#include "ResultsFixture.h"
#include "platform/text/NumberText.h"
#include "results/LimitsCheck.h"

namespace results_test {
namespace {

using CalculateTest = ResultsScreenTest;

TEST(LimitsCheck, FractionAboveZeroAndAtMostHalf) {
  struct Case {
    const char* conc;
    const char* bk;
    bool within;
  };
  const Case cases[] = {
      {"100", "50", true},          // exactly 0.5
      {"100", "50.0001", false},    // a hair above
      {"100", "0.0001", true},      {"100", "0", false},  {"100", "", false}, {"100", "-3", false},
      {"", "10", false},            {"0", "10", false},   {"abc", "1", false},
      {"-100", "10", false},        // a negative concentration box never passes
      {"1,000", "1", false},        // reads as 1 ppm: a fraction of 1
      {"1e300", "1", false},        // no 32-bit value holds it
      {"3", "1.5", true},           {"3", "1.5000001", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(results::rowWithinLimits(c.conc, c.bk), c.within) << c.conc << " / " << c.bk;
}

// Three vapors entered as Toluene, Acetone, Benzene; the model orders them by stoichiometric time.
class ThreeVaporRun : public CalculateTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    addVapor(Acetone, 200);
    addVapor(Benzene, 300);
    continueToResults();
    typeBreakthrough(1, "10");
    typeBreakthrough(2, "20");
    typeBreakthrough(3, "30");
  }
  void typeBreakthrough(int row, const std::string& text) { app.editText(results.VapBkConc[row], text); }
};

TEST_F(ThreeVaporRun, ResultsFollowTheModelsOrderOnBothScreens) {
  calculate();
  ASSERT_TRUE(results.visible());
  EXPECT_EQ(state.MixVapors, 1);
  const std::map<std::string, std::pair<std::string, std::string>> entered{
      {"Toluene", {"100", "10"}}, {"Acetone", {"200", "20"}}, {"Benzene", {"300", "30"}}};
  std::vector<std::string> order;
  for (int i = 1; i <= 3; ++i) {
    const std::string name = state.Vapor[i].ChemName;
    order.push_back(name);
    ASSERT_EQ(entered.count(name), 1u) << name;
    EXPECT_EQ(results.VapNm[i].caption(), name);
    EXPECT_EQ(inputMaster.Vap[i].caption(), name);
    EXPECT_EQ(results.VapConc[i].text(), entered.at(name).first) << name;
    EXPECT_EQ(results.VapBkConc[i].text(), entered.at(name).second) << name;
    EXPECT_EQ(results.BkT[i].caption(), tess::text::formatNumber(state.FinalBkTime[i], "0"));
    EXPECT_EQ(results.BkTMin[i].caption(), tess::text::formatNumber(state.BkTimeMin[i], "0"));
    EXPECT_EQ(results.BkTMax[i].caption(), tess::text::formatNumber(state.BkTimeMax[i], "0"));
    EXPECT_GT(state.FinalBkTime[i], 0);
    EXPECT_DOUBLE_EQ(state.BkFrac[i], 0.1);
  }
  EXPECT_NE(order, (std::vector<std::string>{"Toluene", "Acetone", "Benzene"})) << "the model should reorder these";

  // The next run starts from the model's order and gives the same times.
  const auto first = state.FinalBkTime;
  calculate();
  EXPECT_EQ(state.FinalBkTime, first);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(results.VapNm[i].caption(), order[i - 1]);
}

TEST_F(ThreeVaporRun, LimitsCheckAtExactlyHalfAndJustAbove) {
  typeBreakthrough(2, "100");  // 100 of 200 ppm: exactly 0.5
  calculate();
  EXPECT_TRUE(results.visible());
  EXPECT_FALSE(limits.visible());
  const std::string shown = times(1) + times(2) + times(3);
  EXPECT_EQ(shown.find("||"), std::string::npos);

  // Find Acetone's row in the model's order and go a hair above half.
  int row = 1;
  while (state.Vapor[row].ChemName != "Acetone") ++row;
  typeBreakthrough(row, "100.001");
  calculate();
  EXPECT_FALSE(results.visible());
  EXPECT_TRUE(limits.visible());
  app.click(limits.ReturnButton);
  EXPECT_TRUE(results.visible());
  EXPECT_EQ(times(1) + times(2) + times(3), shown) << "the limits screen keeps the old times";
}

TEST_F(ThreeVaporRun, BlankOrZeroRowsStopAtTheLimitsScreenOnEveryRun) {
  struct Case {
    int row;
    const char* vapConc;
    const char* bkConc;
  };
  const Case cases[] = {{1, nullptr, ""}, {2, nullptr, "0"}, {3, "", nullptr}, {2, nullptr, "-1"}, {3, nullptr, "."}};
  calculate();  // a first run that completes
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const std::string oldConc = results.VapConc[c.row].text();
    const std::string oldBk = results.VapBkConc[c.row].text();
    if (c.vapConc) app.editText(results.VapConc[c.row], c.vapConc);
    if (c.bkConc) app.editText(results.VapBkConc[c.row], c.bkConc);
    calculate();
    EXPECT_TRUE(limits.visible());
    EXPECT_FALSE(results.visible());
    app.click(limits.ReturnButton);
    // Put the row back for the next case.
    if (c.vapConc) app.editText(results.VapConc[c.row], oldConc);
    if (c.bkConc) app.editText(results.VapBkConc[c.row], oldBk);
    calculate();
    EXPECT_TRUE(results.visible());
  }
}

TEST_F(ThreeVaporRun, RowsAboveTotalVaporsAreNeverTested) {
  app.editText(results.VapBkConc[4], "999");
  app.editText(results.VapConc[5], "0");  // refused on leaving, but the row is not in play
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  calculate();
  EXPECT_TRUE(results.visible());
  EXPECT_FALSE(limits.visible());
  EXPECT_NE(results.BkT[1].caption(), "");
}

TEST_F(ThreeVaporRun, BreakthroughBelowHalfAPpmShowsBlankAndIsRefusedNextTime) {
  int toluene = 1;
  typeBreakthrough(1, "0.3");
  app.focus(results.cmdCalc);
  EXPECT_DOUBLE_EQ(state.BkConc[1], 0.3);
  calculate();
  ASSERT_TRUE(results.visible());
  while (state.Vapor[toluene].ChemName != "Toluene") ++toluene;
  EXPECT_DOUBLE_EQ(state.BkConc[toluene], 0.3);
  EXPECT_EQ(results.VapBkConc[toluene].text(), "");
  calculate();
  EXPECT_TRUE(limits.visible());
  app.click(limits.ReturnButton);

  app.editText(results.VapBkConc[toluene], "2.4");
  calculate();
  ASSERT_TRUE(results.visible());
  toluene = 1;
  while (state.Vapor[toluene].ChemName != "Toluene") ++toluene;
  EXPECT_EQ(results.VapBkConc[toluene].text(), "2");
  EXPECT_DOUBLE_EQ(state.BkConc[toluene], 2.4);
}

TEST_F(ThreeVaporRun, EnterInABreakthroughBoxGoesToCalculateAndASecondEnterCalculates) {
  app.focus(results.VapBkConc[2]);
  app.editText(results.VapBkConc[2], "5");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(results.cmdCalc.hasFocus());
  EXPECT_DOUBLE_EQ(state.BkConc[2], 5);
  EXPECT_EQ(results.BkT[1].caption(), "");
  app.pressKey(forms::KeyReturn);
  EXPECT_NE(results.BkT[1].caption(), "");
}

// The face velocity follows a flow changed on this screen, and each breakthrough fraction follows
// a concentration changed on the vapor screen, before the model runs.
TEST_F(ThreeVaporRun, EveryRunRenewsTheFaceVelocityAndTheFractions) {
  app.editText(results.AirFlowVol, "60");
  calculate();
  EXPECT_EQ(state.BreathingAirFlow, 60);
  EXPECT_NEAR(state.SuperficialVel, 60.0 * 1000 / (8.0 * 8.0 * 3.14159 * 15 * 2), 1e-12);

  int acetone = 1;
  while (state.Vapor[acetone].ChemName != "Acetone") ++acetone;
  state.Vapor[acetone].AvgVapConc = 400;  // as the vapor screen stores it; the row's box is not renewed
  app.editText(results.VapConc[acetone], "400");
  calculate();
  for (int i = 1; i <= 3; ++i) EXPECT_DOUBLE_EQ(state.BkFrac[i], state.BkConc[i] / state.Vapor[i].AvgVapConc);
}

TEST_F(ThreeVaporRun, AZeroFlowIsReportedByNameAndTheNextRunCompletes) {
  app.editText(results.AirFlowVol, "");
  app.expectMessage();  // checked below
  calculate();
  ASSERT_EQ(app.messages().size(), 1u);
  const forms::MessageRequest& m = app.messages()[0];
  EXPECT_EQ(m.title, "Calculation Incomplete");
  EXPECT_NE(m.text.find("Toluene"), std::string::npos) << m.text;
  EXPECT_NE(m.text.find("Acetone"), std::string::npos) << m.text;
  EXPECT_NE(m.text.find("air flow"), std::string::npos) << m.text;
  EXPECT_TRUE(results.visible());
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(times(i), "||");

  app.editText(results.AirFlowVol, "30");
  calculate();
  for (int i = 1; i <= 3; ++i) EXPECT_NE(results.BkT[i].caption(), "");
}

}  // namespace
}  // namespace results_test
