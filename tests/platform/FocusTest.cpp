// Focus moves and the order of their events: Validate, LostFocus, GotFocus.
#include "TestForm.h"

namespace forms::testing {
namespace {

class FocusTest : public ScriptedTest {
 protected:
  TestForm form{app, "Main", log};
  TestForm other{app, "Other", log};
};

TEST_F(FocusTest, ShowLoadsOnceAndFocusesFirstInTabOrder) {
  form.show();
  form.hide();
  form.show();
  EXPECT_EQ(log, (Log{"Main.Load", "A.GotFocus", "A.LostFocus", "A.GotFocus"}));
  EXPECT_TRUE(form.A.hasFocus());
  EXPECT_EQ(app.activeForm(), &form);
}

TEST_F(FocusTest, TabOrderFollowsTabIndexAndSkipsWhatCannotTakeTheFocus) {
  form.Ok.setTabIndex(0);
  form.A.setTabIndex(1);
  form.List.setTabIndex(2);
  form.B.setTabIndex(3);
  form.Cancel.setTabIndex(4);
  form.List.setTabStop(false);
  form.B.setVisible(false);
  form.show();
  EXPECT_TRUE(form.Ok.hasFocus());
  std::vector<Control*> visited;
  for (int i = 0; i < 4; ++i) {
    app.tab();
    visited.push_back(app.focusedControl());
  }
  EXPECT_EQ(visited, (std::vector<Control*>{&form.A, &form.Cancel, &form.Ok, &form.A}));
  app.tab(true);
  app.tab(true);
  EXPECT_TRUE(form.Cancel.hasFocus());
  // A control without tab stop still takes the focus from a click or from code.
  EXPECT_TRUE(app.focus(form.List));
  EXPECT_FALSE(app.focus(form.B));
  EXPECT_FALSE(app.focus(form.Caption));  // labels never take the focus
}

TEST_F(FocusTest, MoveWithinFormRunsValidateThenLostFocusThenGotFocus) {
  form.show();
  log.clear();
  EXPECT_TRUE(app.focus(form.B));
  EXPECT_TRUE(form.B.setFocus());  // already there: nothing fires
  EXPECT_TRUE(form.A.setFocus());  // the program's move fires the same events
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "B.GotFocus", "B.Validate", "B.LostFocus", "A.GotFocus"}));
}

TEST_F(FocusTest, NoValidateWhenTheTargetDoesNotCauseValidation) {
  form.B.setCausesValidation(false);
  form.show();
  log.clear();
  app.focus(form.B);
  EXPECT_EQ(log, (Log{"A.LostFocus", "B.GotFocus"}));
}

TEST_F(FocusTest, NoControlHasTheFocusWhileLostFocusRuns) {
  form.show();
  Control* focusedDuringLostFocus = &form.Ok;
  form.A.onLostFocus = [&] { focusedDuringLostFocus = app.focusedControl(); };
  app.focus(form.B);
  EXPECT_EQ(focusedDuringLostFocus, nullptr);
}

TEST_F(FocusTest, CancelKeepsTheFocusAndAbandonsTheMove) {
  form.show();
  form.A.onValidate = [&](bool& cancel) {
    log.push_back("A.Validate");
    cancel = true;
  };
  log.clear();
  EXPECT_FALSE(app.focus(form.B));
  EXPECT_FALSE(app.tab());
  EXPECT_FALSE(form.B.setFocus());
  EXPECT_FALSE(app.click(form.Ok));
  EXPECT_FALSE(app.chooseItem(form.List, 0));
  EXPECT_EQ(log, (Log{"A.Validate", "A.Validate", "A.Validate", "A.Validate"}));  // no list entry: no move
  EXPECT_TRUE(form.A.hasFocus());
  // A control that causes no validation may still take the focus.
  form.Cancel.setCausesValidation(false);
  EXPECT_TRUE(app.click(form.Cancel));
  EXPECT_EQ(log.back(), "Cancel.Click");
}

TEST_F(FocusTest, ClickOnAButtonMovesTheFocusBeforeTheClick) {
  form.show();
  log.clear();
  EXPECT_TRUE(app.click(form.Ok));
  EXPECT_TRUE(app.click(form.Ok));  // already focused: Click alone
  EXPECT_TRUE(app.click(form.Caption));  // a label: Click, the focus stays
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "Ok.GotFocus", "Ok.Click", "Ok.Click", "Caption.Click"}));
  EXPECT_TRUE(form.Ok.hasFocus());
}

TEST_F(FocusTest, FocusAcrossFormsFiresNoValidate) {
  form.show();
  other.show();
  log.clear();
  EXPECT_TRUE(app.focus(form.B));  // the user clicks into the first window again
  EXPECT_EQ(log, (Log{"A.LostFocus", "B.GotFocus"}));
  EXPECT_EQ(app.activeForm(), &form);
  log.clear();
  EXPECT_TRUE(other.Ok.setFocus());
  EXPECT_EQ(log, (Log{"B.LostFocus", "Ok.GotFocus"}));
}

TEST_F(FocusTest, FocusSetOnAHiddenFormWaitsForItsShow) {
  EXPECT_FALSE(form.B.setFocus());
  EXPECT_TRUE(log.empty());
  form.show();
  EXPECT_EQ(log, (Log{"Main.Load", "B.GotFocus"}));
}

TEST_F(FocusTest, HidingTheActiveFormReactivatesThePreviousOne) {
  form.show();
  app.focus(form.B);
  other.show();
  log.clear();
  other.hide();
  EXPECT_EQ(log, (Log{"A.LostFocus", "B.GotFocus"}));
  EXPECT_EQ(app.activeForm(), &form);
  form.hide();
  EXPECT_EQ(app.activeForm(), nullptr);
  EXPECT_EQ(app.focusedControl(), nullptr);
}

TEST_F(FocusTest, HidingOrDisablingTheFocusedControlTakesTheFocus) {
  form.show();
  log.clear();
  form.A.setVisible(false);
  EXPECT_EQ(log, (Log{"A.LostFocus"}));
  EXPECT_EQ(app.focusedControl(), nullptr);
  app.tab();
  EXPECT_TRUE(form.B.hasFocus());
  form.B.setEnabled(false);
  EXPECT_EQ(app.focusedControl(), nullptr);
}

}  // namespace
}  // namespace forms::testing
