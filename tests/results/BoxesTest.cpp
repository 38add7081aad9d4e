// The results screen's boxes: each row's breakthrough and vapor concentrations, and the use
// conditions, which are stored when they are left and copied to their twins on the use-conditions
// screen.
#include "ResultsFixture.h"

namespace tess::results {
namespace {

class BoxesTest : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    addVapor(Acetone, 200);
    program.useConditions().ensureLoaded();
    continueToResults();
  }
  //! Types text into a box, then moves the focus on to a box that takes no part in the test.
  void enter(forms::TextBox& box, const std::string& text) {
    app.editText(box, text);
    app.focus(results.CartName);
  }
  //! Types text into box, which Enter (where it checks the box), Tab and a click on "Calculate
  //! Results" each refuse with message: the focus stays and nothing is calculated.
  void expectRefused(forms::TextBox& box, const std::string& text, const std::string& message,
                     bool enterChecks = true) {
    app.editText(box, text);
    for (int i = enterChecks ? 0 : 1; i < 3; ++i) app.expectMessage(message, "Invalid Entry");
    app.pressKey(forms::KeyReturn);
    EXPECT_FALSE(app.tab());
    app.click(results.cmdCalc);
    EXPECT_TRUE(box.hasFocus());
    EXPECT_EQ(results.BkT[1].caption(), "");
  }
};

TEST_F(BoxesTest, BreakthroughConcentrationIsStoredWhenTheBoxLosesTheFocus) {
  const struct {
    int row;
    const char* typed;
    double bkConc;
    double bkFrac;
    const char* textAfter;
  } cases[] = {
      {1, "10", 10, 0.1, "10"}, {1, ".", 10, 0.1, ""},  // nothing stored
      {1, "-3", -3, -0.03, ""},                         // stored, then blanked
      {2, "0", 0, 0, ""},       {2, "20ppm", 20, 0.1, "20ppm"},
      {4, "10", 10, 0.1, "10"},  // empty slot: stored, the fraction left as it was
  };
  state.BkFrac[4] = 0.1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    enter(results.VapBkConc[c.row], c.typed);
    EXPECT_DOUBLE_EQ(state.BkConc[c.row], c.bkConc);
    EXPECT_DOUBLE_EQ(state.BkFrac[c.row], c.bkFrac);
    EXPECT_EQ(results.VapBkConc[c.row].text(), c.textAfter);
  }
}

TEST_F(BoxesTest, VaporConcentrationIsCheckedAndStoredOnLosingTheFocus) {
  enter(results.VapBkConc[1], "10");
  const struct {
    const char* typed;
    const char* message;  // nullptr: none
    float avgVapConc;
    double bkFrac;
  } cases[] = {
      {"200", nullptr, 200, 0.05},
      {"200000", "This entry must be less than or equal to 100,000 ", 200000, 0.00005},
      {"0", "This entry must not equal zero ", 200000, 0.00005},  // nothing stored
      {"-5", "This entry must be greater than or equal to 0.01 ", 200000, 0.00005},
      {"1e300", "This entry must be less than or equal to 100,000 ", 200000, 0.00005},  // no float holds it
      {"1", nullptr, 1, 10},
      {"", nullptr, 0, 10},  // blank stores 0, fraction kept
      {"100", nullptr, 100, 0.1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    if (c.message) app.expectMessage(c.message, "Invalid Entry");
    enter(results.VapConc[1], c.typed);
    EXPECT_EQ(app.pendingMessages(), 0);
    EXPECT_FLOAT_EQ(state.Vapor[1].AvgVapConc, c.avgVapConc);
    EXPECT_DOUBLE_EQ(state.BkFrac[1], c.bkFrac);
    EXPECT_TRUE(results.CartName.hasFocus()) << "the focus is not brought back";
  }
}

// A concentration holding a comma is refused on Enter (which moves on from a breakthrough
// concentration only), on Tab and on a click on "Calculate Results", which then does not calculate:
// the focus stays and nothing is stored.
TEST_F(BoxesTest, ConcentrationsHoldingACommaAreRefused) {
  for (forms::TextBox* box : {&results.VapBkConc[1], &results.VapConc[1]}) {
    for (const char* text : CommaTexts) {
      SCOPED_TRACE(box->displayName() + " " + text);
      const auto stored = std::pair(state.BkConc[1], state.Vapor[1].AvgVapConc);
      expectRefused(*box, text, commaMessage(text), box == &results.VapBkConc[1]);
      EXPECT_EQ(std::pair(state.BkConc[1], state.Vapor[1].AvgVapConc), stored);
    }
    enter(*box, "10");
  }
}

// A value beyond the box's bounds is refused on Enter, on Tab and on a click on "Calculate Results"
// (which then does not calculate): nothing is stored and the focus stays. A value within is stored
// and copied to the twin box on Enter (the focus stays) or on leaving the box.
TEST_F(BoxesTest, UseConditionsAreCheckedThenStoredAndCopiedToTheirTwins) {
  input::UseOneM& twins = program.useConditions();
  const std::string upTo = "This entry must be less than or equal to ";
  const std::string from = "This entry must be greater than or equal to ";
  const struct {
    forms::TextBox &box, &twin;
    float& stored;
    const char* refused;
    std::string message;
    const char* accepted;
    bool byEnter;  // else by Tab
    float value;
  } cases[] = {
      {results.Temperature, twins.Temperature, state.Temperature, "76", upTo + "75 ", "0", true, 0},
      {results.AtmPressure, twins.AtmPressure, state.AtmPressure, "1.6", upTo + "1.5 ", "1.2", true, 1.2f},
      {results.RelHumid, twins.RelHumid, state.RelHumid, "0", "This entry must not equal zero ", "80", false,
       0.8f},
      // a cleared box passes: 0 stored
      {results.AirFlowVol, twins.BreathingAirFlow, state.BreathingAirFlow, "9", from + "10 ", "", false, 0},
      {results.Temperature, twins.Temperature, state.Temperature, "22,5", commaMessage("22,5"), "22.5", false,
       22.5f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box.displayName());
    const float before = c.stored;
    const std::string twinBefore = c.twin.text();
    expectRefused(c.box, c.refused, c.message);
    EXPECT_EQ(c.stored, before);
    EXPECT_EQ(c.twin.text(), twinBefore);

    app.editText(c.box, c.accepted);
    c.byEnter ? app.pressKey(forms::KeyReturn) : app.tab();
    EXPECT_EQ(c.box.hasFocus(), c.byEnter);
    EXPECT_FLOAT_EQ(c.stored, c.value);
    EXPECT_EQ(c.twin.text(), c.accepted);
  }
  EXPECT_EQ(app.messages()[0].buttons, forms::MsgButtons::OK);
}

}  // namespace
}  // namespace tess::results
