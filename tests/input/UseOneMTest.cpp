// The use-conditions screen: its checks, what each field stores, and Return.
#include "input/ProgramFixture.h"

namespace tess::testing {
namespace {

using forms::KeyReturn;

class UseOneMTest : public ProgramFixture {
 protected:
  void SetUp() override {
    continueToDataInput();
    ASSERT_TRUE(app.click(program.inputMaster().SelectUse));
  }

  //! Types text into box and presses Enter.
  void enter(forms::TextBox& box, const std::string& text) {
    ASSERT_TRUE(app.editText(box, text));
    ASSERT_TRUE(app.pressKey(KeyReturn));
  }

  UseOneM& screen = program.useConditions();
};

TEST_F(UseOneMTest, ReturnOnAFreshScreenStoresTheInitialValues) {
  EXPECT_TRUE(screen.visible());
  EXPECT_FALSE(program.inputMaster().visible());
  EXPECT_TRUE(screen.Temperature.hasFocus());
  ASSERT_TRUE(app.click(screen.ReturnBtn));
  EXPECT_EQ(state.Temperature, 23.0f);
  EXPECT_EQ(state.AtmPressure, 1.0f);
  EXPECT_EQ(state.RelHumid, 0.5f);
  EXPECT_EQ(state.NumCarts, 2);
  EXPECT_EQ(state.BreathingAirFlow, 30.0f);
  EXPECT_FALSE(screen.visible());
  EXPECT_TRUE(program.inputMaster().visible());
  EXPECT_TRUE(program.inputMaster().Continue.hasFocus());
}

TEST_F(UseOneMTest, FieldsAreCheckedAgainstTheirBounds) {
  struct Case {
    const char* what;
    forms::TextBox& box;
    const char* text;
    const char* message;  // nullptr: accepted
    float* stored;
    float expected;  // the shared value afterwards: unchanged when refused
  };
  const Case cases[] = {
      {"pressure above", screen.AtmPressure, "1.6", "This entry must be less than or equal to 1.5 ",
       &state.AtmPressure, 0},
      {"pressure at the top", screen.AtmPressure, "1.5", nullptr, &state.AtmPressure, 1.5f},
      {"pressure below", screen.AtmPressure, "0.4", "This entry must be greater than or equal to 0.5 ",
       &state.AtmPressure, 1.5f},
      {"temperature zero", screen.Temperature, "0", nullptr, &state.Temperature, 0},
      {"temperature above", screen.Temperature, "76", "This entry must be less than or equal to 75 ",
       &state.Temperature, 0},
      {"humidity zero", screen.RelHumid, "0", "This entry must not equal zero ", &state.RelHumid, 0.5f},
      {"humidity at the top", screen.RelHumid, "99", nullptr, &state.RelHumid, 0.99f},
      {"flow below", screen.BreathingAirFlow, "9", "This entry must be greater than or equal to 10 ",
       &state.BreathingAirFlow, 0},
      {"flow at the top", screen.BreathingAirFlow, "500", nullptr, &state.BreathingAirFlow, 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.message) app.expectMessage(c.message, "Invalid Entry");
    ASSERT_TRUE(app.editText(c.box, c.text));
    app.tab();
    EXPECT_EQ(c.box.hasFocus(), c.message != nullptr);
    EXPECT_FLOAT_EQ(*c.stored, c.expected);
    // Leave a refused field with a blank, which passes and stores 0. Passing through a field
    // stores its value, so the next case starts from the values the focus went past.
    if (c.message) app.editText(c.box, "");
    app.focus(screen.ReturnBtn);
  }
  app.expectMessage("This entry must be less than or equal to 10 ", "Invalid Entry");
  ASSERT_TRUE(app.editText(screen.NumCarts, "11"));
  app.tab();
  EXPECT_TRUE(screen.NumCarts.hasFocus());
  EXPECT_EQ(state.NumCarts, 2);  // stored when the focus last passed through, unchanged now
}

TEST_F(UseOneMTest, EachFieldStoresWhenTheFocusLeavesIt) {
  ASSERT_TRUE(app.editText(screen.RelHumid, "80"));
  app.tab();
  EXPECT_FLOAT_EQ(state.RelHumid, 0.8f);
  EXPECT_EQ(state.AtmPressure, 0.0f);  // untouched fields store nothing before Return

  // The number of cartridges is rounded to the nearest whole number, halves to the even one.
  const std::pair<const char*, int> counts[] = {{"2.5", 2}, {"3.5", 4}, {"4.5", 4}, {"2.6", 3}, {"7", 7}};
  for (const auto& [text, expected] : counts) {
    SCOPED_TRACE(text);
    enter(screen.NumCarts, text);
    EXPECT_EQ(state.NumCarts, expected);
    EXPECT_TRUE(screen.BreathingAirFlow.hasFocus());
  }
}

TEST_F(UseOneMTest, EnterMovesAlongTheChainToReturnWithoutLeavingTheScreen) {
  enter(screen.Temperature, "25");
  EXPECT_TRUE(screen.AtmPressure.hasFocus());
  EXPECT_EQ(screen.AtmPressure.selLength(), 4);  // the whole "1.00" is selected
  app.pressKey(KeyReturn);
  EXPECT_TRUE(screen.RelHumid.hasFocus());
  app.pressKey(KeyReturn);
  app.pressKey(KeyReturn);
  EXPECT_TRUE(screen.BreathingAirFlow.hasFocus());
  enter(screen.BreathingAirFlow, "37");
  EXPECT_TRUE(screen.ReturnBtn.hasFocus());
  EXPECT_TRUE(screen.visible());
  EXPECT_EQ(state.Temperature, 25.0f);
  EXPECT_EQ(state.BreathingAirFlow, 37.0f);
}

TEST_F(UseOneMTest, AnEmptiedBoxStoresZeroAndReturnIsRefusedUntilItIsFilled) {
  ASSERT_TRUE(app.editText(screen.AtmPressure, ""));
  app.tab();
  EXPECT_EQ(state.AtmPressure, 0.0f);

  app.expectMessage("All fields must be filled with valid values.", "Note");
  ASSERT_TRUE(app.click(screen.ReturnBtn));
  EXPECT_TRUE(screen.visible());
  EXPECT_TRUE(screen.Temperature.hasFocus());
  EXPECT_EQ(state.BreathingAirFlow, 0.0f);  // nothing stored

  ASSERT_TRUE(app.editText(screen.AtmPressure, "0.9"));
  ASSERT_TRUE(app.click(screen.ReturnBtn));
  EXPECT_FALSE(screen.visible());
  EXPECT_FLOAT_EQ(state.AtmPressure, 0.9f);
  EXPECT_EQ(state.BreathingAirFlow, 30.0f);
}

TEST_F(UseOneMTest, ReturnWaitsForTheFieldInFocusToPass) {
  ASSERT_TRUE(app.editText(screen.Temperature, "80"));
  app.expectMessage("This entry must be less than or equal to 75 ", "Invalid Entry");
  app.click(screen.ReturnBtn);
  EXPECT_TRUE(screen.visible());
  EXPECT_TRUE(screen.Temperature.hasFocus());
  EXPECT_EQ(state.AtmPressure, 0.0f);
}

TEST_F(UseOneMTest, CloseBoxActsAsReturn) {
  ASSERT_TRUE(app.editText(screen.BreathingAirFlow, "55"));
  ASSERT_TRUE(app.closeWindow(screen));
  EXPECT_FALSE(screen.visible());
  EXPECT_TRUE(program.inputMaster().Continue.hasFocus());
  EXPECT_EQ(state.BreathingAirFlow, 55.0f);
  EXPECT_EQ(state.NumCarts, 2);
}

}  // namespace
}  // namespace tess::testing
