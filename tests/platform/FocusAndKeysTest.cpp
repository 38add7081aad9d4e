// Focus moves and keys: the order Validate, LostFocus, GotFocus; Validate's cancel; Enter, Esc.
#include "TestForm.h"

namespace tess::forms {
namespace {

using FocusTest = ScriptedTest;

//! Runs then after the handler with which TestForm logs the event.
template <class Handler, class Then>
void alsoOn(Handler& handler, Then then) {
  handler = [logged = handler, then](auto&&... args) {
    logged(args...);
    then(args...);
  };
}

TEST_F(FocusTest, LoadRunsOnceMayShowItsFormAndShowFocusesTheControlSetWhileHidden) {
  EXPECT_FALSE(form.B.setFocus());  // hidden: the focus waits for the show
  form.ensureLoaded();              // first use: loaded, not shown
  form.ensureLoaded();
  form.show();
  form.hide();
  form.show();
  EXPECT_EQ(log, (Log{"Main.Load", "B.GotFocus", "B.LostFocus", "B.GotFocus"}));
  // A load handler that shows its own form and moves the focus, as a screen's first show does.
  alsoOn(other.onLoad, [&] {
    other.show();
    other.Ok.setFocus();
  });
  log.clear();
  other.show();
  EXPECT_EQ(log,
            (Log{"Other.Load", "B.LostFocus", "A.GotFocus", "A.Validate", "A.LostFocus", "Ok.GotFocus"}));
  EXPECT_EQ(app.activeForm(), &other);
}

TEST_F(FocusTest, TabOrderFollowsTabIndexAndSkipsWhatCannotTakeTheFocus) {
  int index = 0;
  for (Control* control : std::vector<Control*>{&form.Ok, &form.A, &form.List, &form.B, &form.Cancel})
    control->setTabIndex(index++);
  form.List.setTabStop(false);
  form.B.setVisible(false);
  form.show();
  EXPECT_TRUE(form.Ok.hasFocus());
  for (Control* next : std::vector<Control*>{&form.A, &form.Cancel, &form.Ok, &form.A}) {
    app.tab();
    EXPECT_EQ(app.focusedControl(), next) << next->displayName();
  }
  app.tab(true);
  app.tab(true);
  EXPECT_TRUE(form.Cancel.hasFocus());
  // A control without tab stop still takes the focus from a click or from code.
  EXPECT_TRUE(app.focus(form.List));
  EXPECT_FALSE(app.focus(form.B));
  EXPECT_FALSE(app.focus(form.Caption));  // labels never take the focus
}

TEST_F(FocusTest, MovesAndClicksRunValidateLostFocusGotFocusInOrder) {
  form.show();
  log.clear();
  Control* focusedDuringLostFocus = &form.Ok;
  alsoOn(form.A.onLostFocus, [&] { focusedDuringLostFocus = app.focusedControl(); });
  EXPECT_TRUE(app.focus(form.B));
  EXPECT_EQ(focusedDuringLostFocus, nullptr);  // no control has the focus while LostFocus runs
  EXPECT_TRUE(form.B.setFocus());              // already there: nothing fires
  EXPECT_TRUE(form.A.setFocus());              // the program's move fires the same events
  EXPECT_TRUE(app.focus(form.B));
  EXPECT_TRUE(app.click(form.Ok));
  EXPECT_TRUE(app.click(form.Ok));       // already focused: Click alone
  EXPECT_TRUE(app.click(form.Caption));  // a label: Click, the focus stays
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "B.GotFocus", "B.Validate", "B.LostFocus", "A.GotFocus",
                      "A.Validate", "A.LostFocus", "B.GotFocus", "B.Validate", "B.LostFocus", "Ok.GotFocus",
                      "Ok.Click", "Ok.Click", "Caption.Click"}));
}

TEST_F(FocusTest, CancelKeepsTheFocusAndAbandonsTheMoveClickOrEsc) {
  form.setCancelButton(&form.Cancel);
  form.show();
  alsoOn(form.A.onValidate, [](bool& cancel) { cancel = true; });
  log.clear();
  // Each attempt is refused; choosing from the empty list makes no move, so no Validate.
  EXPECT_FALSE(app.focus(form.B) || app.tab() || form.B.setFocus() || app.click(form.Ok) ||
               app.chooseItem(form.List, 0));
  app.pressKey(KeyEscape);
  EXPECT_EQ(log,
            (Log{"A.Validate", "A.Validate", "A.Validate", "A.Validate", "A.KeyDown(27,0)", "A.Validate"}));
  EXPECT_TRUE(form.A.hasFocus());
}

TEST_F(FocusTest, FocusAcrossFormsFiresNoValidateAndHidingGivesTheFocusBack) {
  form.show();
  other.show();
  log.clear();
  EXPECT_TRUE(app.focus(form.B));  // the user clicks into the first window again
  EXPECT_EQ(app.activeForm(), &form);
  EXPECT_TRUE(other.Ok.setFocus());
  other.hide();  // the first form is active again, with its focused control
  EXPECT_EQ(app.activeForm(), &form);
  form.B.setVisible(false);  // hiding or disabling the focused control takes the focus
  EXPECT_EQ(app.focusedControl(), nullptr);
  app.tab();
  EXPECT_EQ(log, (Log{"A.LostFocus", "B.GotFocus", "B.LostFocus", "Ok.GotFocus", "Ok.LostFocus", "B.GotFocus",
                      "B.LostFocus", "A.GotFocus"}));
  form.A.setEnabled(false);
  EXPECT_EQ(app.focusedControl(), nullptr);
  form.hide();
  EXPECT_EQ(app.activeForm(), nullptr);
}

// KeyDown carries the code and shift state; an Enter whose handler moved the focus to a button
// does not press it; Esc presses the cancel button once there is one; Enter and Space press a
// focused button.
TEST_F(FocusTest, KeysReachTheFocusedControlAndPressButtons) {
  form.show();
  alsoOn(form.A.onKeyDown, [&](int key, int) {
    if (key == KeyReturn) form.Ok.setFocus();
  });
  log.clear();
  app.pressKey('X', ShiftMask | CtrlMask);
  app.pressKey(KeyReturn);
  app.pressKey(KeyEscape);
  form.setCancelButton(&form.Cancel);
  app.pressKey(KeyEscape);
  app.pressKey(KeyReturn);
  app.pressKey(KeySpace);
  EXPECT_EQ(log, (Log{"A.KeyDown(88,3)", "A.KeyDown(13,0)", "A.Validate", "A.LostFocus", "Ok.GotFocus",
                      "Ok.KeyDown(27,0)", "Ok.KeyDown(27,0)", "Ok.Validate", "Ok.LostFocus",
                      "Cancel.GotFocus", "Cancel.Click", "Cancel.KeyDown(13,0)", "Cancel.Click",
                      "Cancel.KeyDown(32,0)", "Cancel.Click"}));
}

}  // namespace
}  // namespace tess::forms
