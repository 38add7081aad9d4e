// Handlers that show and hide forms, move the focus, replace handlers or empty a list while an
// event is being delivered.
#include "TestForm.h"

namespace forms::testing {
namespace {

using ReentrancyTest = ScriptedTest;

// A load handler that shows its own form and moves the focus, as a screen's first show does.
TEST_F(ReentrancyTest, LoadMayShowTheFormAndMoveTheFocus) {
  form.onLoad = [&] {
    log.push_back("Main.Load");
    form.show();
    form.Ok.setFocus();
  };
  form.show();
  EXPECT_EQ(log, (Log{"Main.Load", "A.GotFocus", "A.Validate", "A.LostFocus", "Ok.GotFocus"}));
}

// A GotFocus handler that moves the focus on; a LostFocus handler that moves it elsewhere takes
// over the move, so that the original target does not get the focus and the click does not happen.
TEST_F(ReentrancyTest, FocusHandlersThatMoveTheFocusSupersedeTheMove) {
  form.B.onGotFocus = [&] {
    log.push_back("B.GotFocus");
    form.Ok.setFocus();
  };
  form.show();
  log.clear();
  EXPECT_TRUE(app.focus(form.B));
  EXPECT_TRUE(form.Ok.hasFocus());
  form.Ok.onLostFocus = [&] {
    log.push_back("Ok.LostFocus");
    form.A.setFocus();
  };
  EXPECT_FALSE(app.click(form.Cancel));
  EXPECT_TRUE(form.A.hasFocus());
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "B.GotFocus", "B.Validate", "B.LostFocus", "Ok.GotFocus",
                      "Ok.Validate", "Ok.LostFocus", "A.GotFocus"}));
}

TEST_F(ReentrancyTest, HandlerMayReplaceItselfWhileRunning) {
  int first = 0, second = 0;
  form.Ok.onClick = [&] {
    ++first;
    form.Ok.onClick = [&] { ++second; };
    form.Ok.onClick = nullptr;
    form.Ok.onClick = [&] { ++second; };
  };
  form.show();
  app.click(form.Ok);
  app.click(form.Ok);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

TEST_F(ReentrancyTest, HandlerHidesItsFormWhileItsKeyIsDelivered) {
  form.setCancelButton(&form.Cancel);
  form.A.onKeyDown = [&](int, int) { form.hide(); };
  form.show();
  app.pressKey(KeyEscape);
  EXPECT_FALSE(form.visible());
  EXPECT_EQ(std::count(log.begin(), log.end(), "Cancel.Click"), 0);
}

TEST_F(ReentrancyTest, ListEmptiedByItsOwnGotFocusDuringAChoice) {
  form.List.addItem("ACETONE");
  form.List.onGotFocus = [&] { form.List.clear(); };
  form.show();
  EXPECT_FALSE(app.chooseItem(form.List, 0));
  EXPECT_EQ(form.List.text(), "");
}

}  // namespace
}  // namespace forms::testing
