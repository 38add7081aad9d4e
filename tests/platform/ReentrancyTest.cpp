// Handlers that move the focus, replace handlers, empty a list or hide their form while an event is
// being delivered.
#include "TestForm.h"

namespace tess::forms {
namespace {

using ReentrancyTest = ScriptedTest;

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

// Mid-event changes: a Click handler that replaces itself; a list emptied by its own GotFocus while
// an entry is being chosen; a KeyDown handler that hides its form, so that Esc presses no button.
TEST_F(ReentrancyTest, HandlersMayReplaceThemselvesEmptyTheirListOrHideTheirForm) {
  int first = 0, second = 0;
  form.Ok.onClick = [&] {
    ++first;
    form.Ok.onClick = [&] { ++second; };
    form.Ok.onClick = nullptr;
    form.Ok.onClick = [&] { ++second; };
  };
  form.List.addItem("ACETONE");
  form.List.onGotFocus = [&] { form.List.clear(); };
  form.setCancelButton(&form.Cancel);
  form.A.onKeyDown = [&](int, int) { form.hide(); };
  form.show();
  app.click(form.Ok);
  app.click(form.Ok);
  EXPECT_EQ(std::pair(first, second), std::pair(1, 1));  // the first handler once, then its replacement
  EXPECT_FALSE(app.chooseItem(form.List, 0));
  EXPECT_EQ(form.List.text(), "");
  app.focus(form.A);
  app.pressKey(KeyEscape);
  EXPECT_FALSE(form.visible());
  EXPECT_EQ(std::count(log.begin(), log.end(), "Cancel.Click"), 0);
}

}  // namespace
}  // namespace tess::forms
