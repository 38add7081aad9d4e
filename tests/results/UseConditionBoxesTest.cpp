#include "ResultsFixture.h"

namespace results_test {
namespace {

class UseConditionBoxesTest : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    useConditions.ensureLoaded();
    continueToResults();
  }
  struct Box {
    forms::TextBox* results;
    forms::TextBox* twin;
    float* stored;
  };
  Box box(const std::string& name) {
    if (name == "Temperature") return {&results.Temperature, &useConditions.Temperature, &state.Temperature};
    if (name == "AtmPressure") return {&results.AtmPressure, &useConditions.AtmPressure, &state.AtmPressure};
    if (name == "AirFlowVol") return {&results.AirFlowVol, &useConditions.BreathingAirFlow, &state.BreathingAirFlow};
    return {&results.RelHumid, &useConditions.RelHumid, &state.RelHumid};
  }
};

TEST_F(UseConditionBoxesTest, EnterStoresCopiesToTheTwinAndKeepsTheFocus) {
  struct Case {
    const char* box;
    const char* typed;
    float stored;
    const char* textAfter;
  };
  const Case cases[] = {
      {"Temperature", "30", 30, "30"},    {"Temperature", "0", 0, "0"},
      {"AtmPressure", " 1.2 ", 1.2f, "1.2"}, {"AtmPressure", "1.2x", 1.2f, "1.2x"},
      {"AirFlowVol", "45.5", 45.5f, "45.5"}, {"RelHumid", "45", 0.45f, "45"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    const Box b = box(c.box);
    app.editText(*b.results, c.typed);
    app.pressKey(forms::KeyReturn);
    EXPECT_TRUE(b.results->hasFocus());
    EXPECT_FLOAT_EQ(*b.stored, c.stored);
    EXPECT_EQ(b.results->text(), c.textAfter);
    EXPECT_EQ(b.twin->text(), c.textAfter);
  }
}

TEST_F(UseConditionBoxesTest, LeavingTheBoxStoresTheSameAsEnter) {
  app.editText(results.AtmPressure, " 1.2 ");
  app.tab();
  EXPECT_TRUE(results.AirFlowVol.hasFocus());
  EXPECT_FLOAT_EQ(state.AtmPressure, 1.2f);
  EXPECT_EQ(useConditions.AtmPressure.text(), "1.2");

  app.editText(results.RelHumid, "80");
  app.click(results.CartName);
  EXPECT_FLOAT_EQ(state.RelHumid, 0.8f);
  EXPECT_EQ(useConditions.RelHumid.text(), "80");

  // A cleared box passes silently: 0 is stored and the twin blanked.
  app.editText(results.AirFlowVol, "");
  app.tab();
  EXPECT_EQ(state.BreathingAirFlow, 0);
  EXPECT_EQ(useConditions.BreathingAirFlow.text(), "");
}

TEST_F(UseConditionBoxesTest, RefusedEntriesStoreNothingAndKeepTheFocus) {
  struct Case {
    const char* box;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {"AtmPressure", "0", "This entry must not equal zero "},
      {"AirFlowVol", "0", "This entry must not equal zero "},
      {"RelHumid", "0", "This entry must not equal zero "},
      {"AtmPressure", "1.6", "This entry must be less than or equal to 1.5 "},
      {"Temperature", "76", "This entry must be less than or equal to 75 "},
      {"AirFlowVol", "9", "This entry must be greater than or equal to 10 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    const Box b = box(c.box);
    const float before = *b.stored;
    const std::string twinBefore = b.twin->text();
    app.editText(*b.results, c.typed);
    app.expectMessage(c.message, "Invalid Entry");
    app.pressKey(forms::KeyReturn);
    app.expectMessage(c.message, "Invalid Entry");
    EXPECT_FALSE(app.tab());
    app.expectMessage(c.message, "Invalid Entry");
    app.click(results.cmdCalc);  // refused: no calculation
    EXPECT_TRUE(b.results->hasFocus());
    EXPECT_EQ(*b.stored, before);
    EXPECT_EQ(b.twin->text(), twinBefore);
    EXPECT_EQ(results.BkT[1].caption(), "");
    // Put the box back so that the next case can leave it.
    app.editText(*b.results, twinBefore);
  }
  const forms::MessageRequest& zero = app.messages()[0];
  EXPECT_EQ(zero.buttons, forms::MsgButtons::OK);
}

TEST_F(UseConditionBoxesTest, TheZeroMessageSelectsTheZero) {
  app.editText(results.RelHumid, "0");
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  EXPECT_EQ(results.RelHumid.selStart(), 0);
  EXPECT_EQ(results.RelHumid.selLength(), 1);
}

}  // namespace
}  // namespace results_test
