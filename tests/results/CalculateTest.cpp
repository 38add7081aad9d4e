// "Calculate Results": the limits check, the results in the model's order on both screens, what
// every run renews, and runs that cannot estimate every vapor.
#include <algorithm>

#include "ResultsFixture.h"
#include "platform/text/NumberText.h"
#include "results/LimitsCheck.h"

namespace tess::results {
namespace {

TEST(LimitsCheck, FractionAboveZeroAndAtMostHalf) {
  struct Case {
    const char* conc;
    const char* bk;
    bool within;
    float storedConc = 1;  // a stored pair that passes, unless a case says otherwise
    double storedBk = 0.1;
  };
  // First the boxes as shown: exactly 0.5 and a hair above it; a breakthrough of a little, none and
  // below none; a concentration of none and below none (which never passes), "1,000" (read as 1 ppm:
  // a fraction of 1) and 1e300 (no 32-bit value holds it). Then the values the model will use:
  // 2.4 ppm shows as "2" after a run.
  const Case cases[] = {
      {"100", "50", true},     {"100", "50.0001", false}, {"100", "0.0001", true},   {"100", "0", false},
      {"100", "-3", false},    {"0", "10", false},        {"-100", "10", false},     {"1,000", "1", false},
      {"1e300", "1", false},   {"5", "2", true, 5, 2.4},  {"4", "2", false, 4, 2.4}, {"4", "2", true, 4, 2},
      {"4", "2", false, 0, 2}, {"4", "2", false, 4, 0},   {"4", "2", false, 4, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(results::rowWithinLimits({c.conc, c.bk, c.storedConc, c.storedBk}), c.within)
        << c.conc << " / " << c.bk << ", stored " << c.storedBk << " / " << c.storedConc;
  }
}

// Toluene, Acetone and Benzene at 100, 200 and 300 ppm with breakthrough at 10, 20 and 30 ppm; the
// model reorders the slots by stoichiometric time.
class ThreeVaporRun : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    addVapor(Acetone, 200);
    addVapor(Benzene, 300);
    continueToResults();
    for (int row = 1; row <= 3; ++row) app.editText(results.VapBkConc[row], std::to_string(10 * row));
  }
};

TEST_F(ThreeVaporRun, ResultsFollowTheModelsOrderOnBothScreensAndEveryRunRenewsWhatItUses) {
  calculate();
  ASSERT_TRUE(results.visible());
  EXPECT_EQ(state.MixVapors, 1);
  const std::vector<std::string> entered{"Toluene", "Acetone", "Benzene"};
  std::vector<std::string> order;
  for (int i = 1; i <= 3; ++i) {
    const std::string name = state.Vapor[i].ChemName;
    order.push_back(name);
    const long k = std::ranges::find(entered, name) - entered.begin() + 1;  // entered in slot k
    ASSERT_LE(k, 3) << name;
    EXPECT_EQ(results.VapNm[i].caption(), name);
    EXPECT_EQ(input.Vap[i].caption(), name);
    EXPECT_EQ(results.VapConc[i].text(), std::to_string(100 * k)) << name;
    EXPECT_EQ(results.VapBkConc[i].text(), std::to_string(10 * k)) << name;
    EXPECT_EQ(results.BkT[i].caption(), tess::text::formatNumber(state.FinalBkTime[i], "0"));
    EXPECT_EQ(results.BkTMin[i].caption(), tess::text::formatNumber(state.BkTimeMin[i], "0"));
    EXPECT_EQ(results.BkTMax[i].caption(), tess::text::formatNumber(state.BkTimeMax[i], "0"));
    EXPECT_GT(state.FinalBkTime[i], 0);
    EXPECT_DOUBLE_EQ(state.BkFrac[i], 0.1);
  }
  EXPECT_NE(order, entered) << "the model should reorder these";
  for (int i = 4; i <= MaxVapors; ++i) {
    EXPECT_EQ(results.VapNm[i].caption() + input.Vap[i].caption() + results.VapConc[i].text(), "");
    EXPECT_EQ(times(i), "||");
  }

  // The next run starts from the model's order and gives the same times.
  const auto first = state.FinalBkTime;
  calculate();
  EXPECT_EQ(state.FinalBkTime, first);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(results.VapNm[i].caption(), order[i - 1]);

  // The face velocity follows a flow changed on this screen, and each breakthrough fraction follows
  // a concentration changed on the vapor screen, before the model runs.
  const double velocity = state.SuperficialVel;  // [cm/s]
  app.editText(results.AirFlowVol, "60");
  calculate();
  EXPECT_EQ(state.BreathingAirFlow, 60);
  EXPECT_NEAR(state.SuperficialVel, 2 * velocity, 1e-12 * velocity);
  const int acetone = rowOf("Acetone");
  state.Vapor[acetone].AvgVapConc = 400;  // as the vapor screen stores it; the row's box is not renewed
  app.editText(results.VapConc[acetone], "400");
  calculate();
  for (int i = 1; i <= 3; ++i) EXPECT_DOUBLE_EQ(state.BkFrac[i], state.BkConc[i] / state.Vapor[i].AvgVapConc);
}

// Every run checks every row in play, and only those: a fraction above 0.5, or a blank or zero box,
// stops at the out-of-limits screen, whose Return and close box bring back the old times. The check
// sees the breakthrough concentration that the model uses: 2.4 ppm, shown as "2" after a run.
TEST_F(ThreeVaporRun, LimitsCheckAtExactlyHalfJustAboveOnBlankOrZeroRowsAndOnTheValueTheModelUses) {
  app.editText(results.VapBkConc[2], "100");  // 100 of 200 ppm: exactly 0.5
  app.editText(results.VapConc[1], "5");      // Toluene: 2.4 of 5 ppm
  app.editText(results.VapBkConc[1], "2.4");
  app.editText(results.VapBkConc[4], "999");  // rows above TotalVapors are not in play
  app.editText(results.VapConc[5], "0");      // refused on leaving, but the row is not in play
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  calculate();
  ASSERT_FALSE(limits.visible());
  const std::string shown = times(1) + times(2) + times(3);
  EXPECT_EQ(shown.find("||"), std::string::npos);
  const int toluene = rowOf("Toluene");
  ASSERT_EQ(results.VapBkConc[toluene].text(), "2");

  // Which texts pass is the limits check's own test; here each kind of row refused once. First
  // Toluene lowered to 4 ppm, which the model would run at 0.6 though the box shows 2.
  const std::pair<forms::TextBox*, const char*> refused[] = {
      {&results.VapConc[toluene], "4"},
      {&results.VapBkConc[rowOf("Acetone")], "100.001"},
      {&results.VapBkConc[1], ""},
      {&results.VapConc[3], ""}};
  int n = 0;
  for (const auto& [box, text] : refused) {
    SCOPED_TRACE(box->displayName() + " " + text);
    const std::string old = box->text();
    app.editText(*box, text);
    calculate();
    EXPECT_FALSE(results.visible());
    EXPECT_TRUE(limits.visible());
    // Every other case leaves the out-of-limits screen by its close box, which is Return too.
    ++n % 2 == 0 ? app.closeWindow(limits) : app.click(limits.ReturnButton);
    EXPECT_FALSE(limits.visible());
    EXPECT_TRUE(results.visible());
    EXPECT_TRUE(results.active());
    EXPECT_EQ(times(1) + times(2) + times(3), shown);
    app.editText(*box, old);  // put the row back for the next case
  }
  calculate();
  EXPECT_FALSE(limits.visible());
}

// Enter in a breakthrough box stores it and moves to Calculate, which a second Enter presses. A
// breakthrough below half a ppm then shows blank, so that the next run is refused.
TEST_F(ThreeVaporRun, EnterCalculatesAndABreakthroughBelowHalfAPpmShowsBlankAndIsRefusedNextTime) {
  app.editText(results.VapBkConc[2], "0.3");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(results.cmdCalc.hasFocus());
  EXPECT_DOUBLE_EQ(state.BkConc[2], 0.3);
  EXPECT_EQ(results.BkT[1].caption(), "");
  app.pressKey(forms::KeyReturn);
  ASSERT_TRUE(results.visible());
  EXPECT_NE(results.BkT[1].caption(), "");
  EXPECT_DOUBLE_EQ(state.BkConc[rowOf("Acetone")], 0.3);
  EXPECT_EQ(results.VapBkConc[rowOf("Acetone")].text(), "");
  calculate();
  EXPECT_TRUE(limits.visible());
  app.click(limits.ReturnButton);
}

// A blank use-condition box, or a vapor concentration that its box warned about but kept, is not
// calculated: the message names the box or the row and the times are left blank. Once the entry is
// mended the next run completes.
TEST_F(ThreeVaporRun, ABlankUseConditionOrAConcentrationOutOfBoundsIsRefusedByName) {
  calculate();
  const auto empty = [](const std::string& box, const std::string& enter) {
    return "The " + box + " box is empty. Enter " + enter + ".";
  };
  const struct {
    forms::TextBox* box;
    const char* text;
    std::string refusal;
    int row = 0;                         // the row named, 0 for a use condition
    const char* breakthrough = nullptr;  // typed into the row first, so that its fraction is within limits
    const char* warning = nullptr;       // the box's own message as it loses the focus
  } cases[] = {
      {&results.Temperature, "", empty("Temperature (oC)", "a temperature from 0 to 75 degrees C")},
      {&results.AtmPressure, " ", empty("Atmospheric Pressure (atm)", "a pressure from 0.5 to 1.5 atm")},
      {&results.AirFlowVol, "", empty("Average Air Flow (L/min)", "a flow from 10 to 500 L/min")},
      {&results.RelHumid, "", empty("Use Relative Humidity (%)", "a humidity from 1 to 99 %")},
      {&results.VapConc[2], "0.00001", " is 1E-05 ppm. Enter a concentration from 0.01 to 100,000 ppm.", 2,
       "0.000001", "This entry must be greater than or equal to 0.01 "},
      {&results.VapConc[3], "200000", " is 200000 ppm. Enter a concentration from 0.01 to 100,000 ppm.", 3,
       "30", "This entry must be less than or equal to 100,000 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box->displayName());
    const std::string before = c.box->text();
    const std::string breakthroughBefore = c.row ? results.VapBkConc[c.row].text() : "";
    if (c.breakthrough) app.editText(results.VapBkConc[c.row], c.breakthrough);
    app.editText(*c.box, c.text);
    if (c.warning) app.expectMessage(c.warning, "Invalid Entry");
    const std::string named = c.row ? "The vapor concentration of Vapor #" + std::to_string(c.row) + " (" +
                                          state.Vapor[c.row].ChemName + ")"
                                    : "";
    app.expectMessage("The breakthrough times could not be estimated.\n\n" + named + c.refusal,
                      "Calculation Incomplete");
    calculate();
    EXPECT_TRUE(results.visible());
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(times(i), "||");
    app.editText(*c.box, before);
    if (c.breakthrough) app.editText(results.VapBkConc[c.row], breakthroughBefore);
    calculate();
    for (int i = 1; i <= 3; ++i) EXPECT_NE(results.BkT[i].caption(), "");
  }
}

// Toluene, Acetone and Hexane at 2000, 100 and 100 ppm: once Acetone's zone is done the roll-up
// leaves a vapor in play without partial pressure, so only Acetone's time is fixed. A message names
// the other vapors and why, Acetone's row keeps its time, and the next run starts from a sound state.
class StoppedCalculationTest : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 2000);
    addVapor(Acetone, 100);
    addVapor(Hexane, 100);
    continueToResults();
    for (int row = 1; row <= 3; ++row) app.editText(results.VapBkConc[row], row == 1 ? "200" : "10");
  }
  //! Calculates, expecting one message box, checked by the test.
  void calculateToOneMessage() {
    app.expectMessage();
    calculate();
    ASSERT_EQ(app.messages().size(), 1u);
  }
};

TEST_F(StoppedCalculationTest, NamesTheVaporsWithoutTimesAndShowsTheTimesThatAreComplete) {
  ASSERT_NO_FATAL_FAILURE(calculateToOneMessage());
  const forms::MessageRequest& m = app.messages()[0];
  EXPECT_EQ(m.title, "Calculation Incomplete");
  EXPECT_EQ(m.buttons, forms::MsgButtons::OK);
  EXPECT_EQ(m.text.find("The breakthrough times of these vapors could not be estimated: "), 0u) << m.text;
  const std::string named = m.text.substr(0, m.text.find('\n'));
  for (const char* name : {"Hexane", "Toluene"}) EXPECT_NE(named.find(name), std::string::npos) << named;
  EXPECT_EQ(named.find("Acetone"), std::string::npos) << named;
  EXPECT_NE(m.text.find("The times shown for the other vapors are complete."), std::string::npos);
  EXPECT_NE(m.text.find("must not be taken as the service life of the cartridge."), std::string::npos);

  // Every row still belongs to one vapor, in the slots' order as the model left them.
  EXPECT_TRUE(results.visible());
  EXPECT_EQ(state.MixVapors, 1);
  const int acetone = rowOf("Acetone");
  ASSERT_NE(acetone, 0);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(results.VapNm[i].caption(), state.Vapor[i].ChemName);
    EXPECT_EQ(input.Vap[i].caption(), state.Vapor[i].ChemName);
    for (const forms::Label* time : {&results.BkT[i], &results.BkTMin[i], &results.BkTMax[i]})
      EXPECT_EQ(time->caption().empty(), i != acetone) << state.Vapor[i].ChemName;
  }
  EXPECT_EQ(results.VapConc[acetone].text(), "100");
  EXPECT_EQ(results.VapBkConc[acetone].text(), "10");

  // The shared state is fit for the next run: at 50, 500 and 100 ppm the mixture completes.
  const std::pair<const char*, std::pair<const char*, const char*>> changes[] = {
      {"Toluene", {"50", "5"}}, {"Acetone", {"500", "50"}}, {"Hexane", {"100", "10"}}};
  for (const auto& [name, texts] : changes) {
    app.editText(results.VapConc[rowOf(name)], texts.first);
    app.editText(results.VapBkConc[rowOf(name)], texts.second);
  }
  app.clearMessages();
  calculate();
  EXPECT_TRUE(app.messages().empty());
  for (int i = 1; i <= 3; ++i) EXPECT_NE(results.BkT[i].caption(), "") << state.Vapor[i].ChemName;
}

TEST_F(StoppedCalculationTest, AVaporWithALiquidDensityOfZeroIsNamedWithWhatToCheck) {
  state.Vapor[2].LiqDensity = 0;  // a record stored without range checks
  ASSERT_NO_FATAL_FAILURE(calculateToOneMessage());
  const std::string& text = app.messages()[0].text;
  EXPECT_NE(text.find("liquid density"), std::string::npos) << text;
  EXPECT_NE(text.find("Acetone"), std::string::npos) << text;
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(times(i), "||");
  EXPECT_EQ(results.VapNm[2].caption(), "Acetone") << "a refused input leaves the slots as they were";
}

}  // namespace
}  // namespace tess::results
