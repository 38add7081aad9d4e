// The use-conditions screen: its checks, what each field stores, and Return.
#include "support/ProgramFixture.h"

namespace tess::input {
using namespace testing;

namespace {

using forms::KeyReturn;

class UseOneMTest : public ProgramFixture {
 protected:
  void SetUp() override {
    continueToDataInput();
    ASSERT_TRUE(app.click(input.SelectUse));
  }

  //! Types text into box and presses Enter.
  void enter(forms::TextBox& box, const std::string& text) {
    ASSERT_TRUE(app.editText(box, text));
    ASSERT_TRUE(app.pressKey(KeyReturn));
  }

  //! The use conditions in the shared state: [degrees C], [atm], [fraction], cartridges, [L/min].
  void expectStored(float temperature, float pressure, float humidity, int carts, float flow) {
    EXPECT_EQ(state.Temperature, temperature);
    EXPECT_EQ(state.AtmPressure, pressure);
    EXPECT_EQ(state.RelHumid, humidity);
    EXPECT_EQ(state.NumCarts, carts);
    EXPECT_EQ(state.BreathingAirFlow, flow);
  }

  UseOneM& screen = program.useConditions();
};

// While a box is empty Return is refused and stores nothing; once it is filled, Return stores every
// field and brings back the data-input screen with the focus on Continue. An emptied box stores zero
// when it is left. (Return on a fresh screen is in the next test.)
TEST_F(UseOneMTest, ReturnOrTheCloseBoxStoresEveryFieldOnceNoBoxIsEmpty) {
  EXPECT_TRUE(screen.visible());
  EXPECT_FALSE(input.visible());
  EXPECT_TRUE(screen.Temperature.hasFocus());
  ASSERT_TRUE(app.editText(screen.AtmPressure, ""));
  app.tab();
  EXPECT_EQ(state.AtmPressure, 0.0f);
  app.expectMessage("All fields must be filled with valid values.", "Note");
  ASSERT_TRUE(app.click(screen.ReturnBtn));
  EXPECT_TRUE(screen.visible());
  EXPECT_TRUE(screen.Temperature.hasFocus());
  EXPECT_EQ(state.BreathingAirFlow, 0.0f);

  ASSERT_TRUE(app.editText(screen.AtmPressure, "0.9"));
  ASSERT_TRUE(app.click(screen.ReturnBtn));
  expectStored(23, 0.9f, 0.5f, 2, 30);
  EXPECT_FALSE(screen.visible());
  EXPECT_TRUE(input.visible());
  EXPECT_TRUE(input.Continue.hasFocus());

  // The close box acts as Return.
  ASSERT_TRUE(app.click(input.SelectUse));
  ASSERT_TRUE(app.editText(screen.BreathingAirFlow, "55"));
  ASSERT_TRUE(app.closeWindow(screen));
  EXPECT_FALSE(screen.visible());
  EXPECT_TRUE(input.Continue.hasFocus());
  expectStored(23, 0.9f, 0.5f, 2, 55);
}

TEST_F(UseOneMTest, EachFieldRefusesValuesBeyondItsBoundsStoresNothingAndKeepsTheFocus) {
  ASSERT_TRUE(app.click(screen.ReturnBtn));  // a fresh screen's Return stores the initial values
  expectStored(23, 1, 0.5f, 2, 30);
  ASSERT_TRUE(app.click(input.SelectUse));
  const std::string atMost = "This entry must be less than or equal to ";
  const std::string atLeast = "This entry must be greater than or equal to ";
  struct Case {
    forms::TextBox& box;
    const char* text;
    std::string message;
  };
  std::vector<Case> cases = {
      {screen.Temperature, "76", atMost + "75 "},
      {screen.AtmPressure, "1.6", atMost + "1.5 "},
      {screen.AtmPressure, "0.4", atLeast + "0.5 "},
      {screen.RelHumid, "0", "This entry must not equal zero "},
      {screen.NumCarts, "11", atMost + "10 "},
      {screen.BreathingAirFlow, "9", atLeast + "10 "},
      {screen.NumCarts, " 2,5 ", commaMessage("2,5")},  // named without the blanks around it
  };
  // a comma anywhere is refused, never read as the digits before it nor emptied
  for (const char* text : CommaTexts) cases.push_back({screen.Temperature, text, commaMessage(text)});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box.displayName() + " " + c.text);
    const std::string before = c.box.text();
    app.expectMessage(c.message, "Invalid Entry");
    ASSERT_TRUE(app.editText(c.box, c.text));
    EXPECT_FALSE(app.tab());
    EXPECT_TRUE(c.box.hasFocus());
    app.editText(c.box, before);  // passes, so that the next case can leave it
  }
  expectStored(23, 1, 0.5f, 2, 30);
}

// Leaving a field stores it; Enter stores it and moves along the chain to Return.
TEST_F(UseOneMTest, LeavingOrEnterStoresEachFieldAndEnterMovesAlongTheChainToReturn) {
  ASSERT_TRUE(app.editText(screen.RelHumid, "80"));
  app.tab();
  EXPECT_FLOAT_EQ(state.RelHumid, 0.8f);
  EXPECT_EQ(state.AtmPressure, 0.0f);  // untouched fields store nothing before Return

  enter(screen.Temperature, "0");  // 0 degrees C is within bounds
  EXPECT_EQ(state.Temperature, 0.0f);
  EXPECT_TRUE(screen.AtmPressure.hasFocus());
  EXPECT_EQ(screen.AtmPressure.selLength(), 4);  // the whole "1.00" is selected
  app.pressKey(KeyReturn);
  EXPECT_TRUE(screen.RelHumid.hasFocus());
  app.pressKey(KeyReturn);
  EXPECT_TRUE(screen.NumCarts.hasFocus());
  // The number of cartridges is rounded to the nearest whole number, halves to the even one.
  const std::pair<const char*, int> counts[] = {{"2.5", 2}, {"3.5", 4}, {"4.5", 4}, {"2.6", 3}, {"7abc", 7}};
  for (const auto& [text, expected] : counts) {
    SCOPED_TRACE(text);
    enter(screen.NumCarts, text);
    EXPECT_EQ(state.NumCarts, expected);
    EXPECT_TRUE(screen.BreathingAirFlow.hasFocus());
  }
  enter(screen.BreathingAirFlow, "37");
  EXPECT_TRUE(screen.ReturnBtn.hasFocus());
  EXPECT_TRUE(screen.visible());
  EXPECT_EQ(state.BreathingAirFlow, 37.0f);
}

}  // namespace
}  // namespace tess::input
