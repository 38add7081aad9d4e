// The results screen's boxes: each row's breakthrough and vapor concentrations, and the use
// conditions, which are stored when they are left and copied to their twins on the use-conditions
// screen.
#include "ResultsFixture.h"

namespace results_test {
namespace {

class BoxesTest : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    addVapor(Acetone, 200);
    useConditions.ensureLoaded();
    continueToResults();
  }
  //! Types text into a box, then moves the focus on to a box that takes no part in the test.
  void enter(forms::TextBox& box, const std::string& text) {
    app.editText(box, text);
    app.focus(results.CartName);
  }
  struct Box {
    forms::TextBox* results;
    forms::TextBox* twin;
    float* stored;
  };
  Box box(const std::string& name) {
    if (name == "Temperature") return {&results.Temperature, &useConditions.Temperature, &state.Temperature};
    if (name == "AtmPressure") return {&results.AtmPressure, &useConditions.AtmPressure, &state.AtmPressure};
    if (name == "AirFlowVol")
      return {&results.AirFlowVol, &useConditions.BreathingAirFlow, &state.BreathingAirFlow};
    return {&results.RelHumid, &useConditions.RelHumid, &state.RelHumid};
  }
};

TEST_F(BoxesTest, BreakthroughConcentrationIsStoredWhenTheBoxLosesTheFocus) {
  struct Case {
    int row;
    const char* typed;
    double bkConc;
    double bkFrac;
    const char* textAfter;
  };
  const Case cases[] = {
      {1, "10", 10, 0.1, "10"}, {1, ".", 10, 0.1, ""},  // nothing stored
      {1, "-3", -3, -0.03, ""},                         // stored, then blanked
      {2, "0", 0, 0, ""},       {2, "20ppm", 20, 0.1, "20ppm"},
      {4, "10", 10, 0.1, "10"},  // empty slot: stored, the fraction left as it was
  };
  state.BkFrac[4] = 0.1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    enter(results.VapBkConc[c.row], c.typed);
    EXPECT_DOUBLE_EQ(state.BkConc[c.row], c.bkConc);
    EXPECT_DOUBLE_EQ(state.BkFrac[c.row], c.bkFrac);
    EXPECT_EQ(results.VapBkConc[c.row].text(), c.textAfter);
  }
}

TEST_F(BoxesTest, VaporConcentrationIsCheckedAndStoredOnLosingTheFocus) {
  enter(results.VapBkConc[1], "10");
  struct Case {
    const char* typed;
    const char* message;  // nullptr: none
    float avgVapConc;
    double bkFrac;
  };
  const Case cases[] = {
      {"200", nullptr, 200, 0.05},
      {"200000", "This entry must be less than or equal to 100,000 ", 200000, 0.00005},
      {"0", "This entry must not equal zero ", 200000, 0.00005},  // nothing stored
      {"-5", "This entry must be greater than or equal to 0.01 ", 200000, 0.00005},
      {"1e300", "This entry must be less than or equal to 100,000 ", 200000, 0.00005},  // no float holds it
      {"1,000", nullptr, 1, 10},                                                        // reads as 1
      {"", nullptr, 0, 10},  // blank stores 0, fraction kept
      {"100", nullptr, 100, 0.1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    if (c.message) app.expectMessage(c.message, "Invalid Entry");
    enter(results.VapConc[1], c.typed);
    EXPECT_EQ(app.pendingMessages(), 0);
    EXPECT_FLOAT_EQ(state.Vapor[1].AvgVapConc, c.avgVapConc);
    EXPECT_DOUBLE_EQ(state.BkFrac[1], c.bkFrac);
    EXPECT_TRUE(results.CartName.hasFocus()) << "the focus is not brought back";
  }
}

TEST_F(BoxesTest, UseConditionIsStoredAndCopiedToItsTwinOnEnterOrOnLeaving) {
  struct Case {
    const char *box, *typed;
    bool byEnter;  // else by Tab
    float stored;
    const char* textAfter;
  };
  const Case cases[] = {
      {"Temperature", "0", true, 0, "0"},
      {"AtmPressure", "1.2", true, 1.2f, "1.2"},
      {"RelHumid", "80", false, 0.8f, "80"},
      {"AirFlowVol", "", false, 0, ""},  // a cleared box passes silently: 0 stored, the twin blanked
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    const Box b = box(c.box);
    app.editText(*b.results, c.typed);
    c.byEnter ? app.pressKey(forms::KeyReturn) : app.tab();
    EXPECT_EQ(b.results->hasFocus(), c.byEnter);
    EXPECT_FLOAT_EQ(*b.stored, c.stored);
    EXPECT_EQ(b.results->text(), c.textAfter);
    EXPECT_EQ(b.twin->text(), c.textAfter);
  }
}

// Refused on Enter, on Tab and on a click on "Calculate Results", which then does not calculate.
TEST_F(BoxesTest, RefusedUseConditionsStoreNothingAndKeepTheFocus) {
  struct Case {
    const char *box, *typed, *message;
  };
  const Case cases[] = {
      {"Temperature", "76", "This entry must be less than or equal to 75 "},
      {"AtmPressure", "1.6", "This entry must be less than or equal to 1.5 "},
      {"RelHumid", "0", "This entry must not equal zero "},
      {"AirFlowVol", "9", "This entry must be greater than or equal to 10 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    const Box b = box(c.box);
    const float before = *b.stored;
    const std::string twinBefore = b.twin->text();
    app.editText(*b.results, c.typed);
    for (int i = 0; i < 3; ++i) app.expectMessage(c.message, "Invalid Entry");
    app.pressKey(forms::KeyReturn);
    EXPECT_FALSE(app.tab());
    app.click(results.cmdCalc);
    EXPECT_TRUE(b.results->hasFocus());
    EXPECT_EQ(*b.stored, before);
    EXPECT_EQ(b.twin->text(), twinBefore);
    EXPECT_EQ(results.BkT[1].caption(), "");
    app.editText(*b.results, twinBefore);  // put the box back so that the next case can leave it
  }
  EXPECT_EQ(app.messages()[0].buttons, forms::MsgButtons::OK);
}

}  // namespace
}  // namespace results_test
