// KeyDown, Enter and Space on buttons, Esc and the form's cancel button.
#include "TestForm.h"

#include "platform/forms/KeyCodes.h"

namespace forms::testing {
namespace {

class KeysTest : public ScriptedTest {
 protected:
  TestForm form{app, "Main", log};
};

TEST_F(KeysTest, KeyDownGoesToTheFocusedControlWithItsShiftState) {
  form.show();
  log.clear();
  app.pressKey(KeyReturn);
  app.pressKey('X', ShiftMask | CtrlMask);
  EXPECT_EQ(log, (Log{"A.KeyDown(13,0)", "A.KeyDown(88,3)"}));
}

TEST_F(KeysTest, EnterOnAFocusedButtonPressesIt) {
  form.show();
  app.focus(form.Ok);
  log.clear();
  app.pressKey(KeyReturn);
  app.pressKey(KeySpace);
  EXPECT_EQ(log, (Log{"Ok.KeyDown(13,0)", "Ok.Click", "Ok.KeyDown(32,0)", "Ok.Click"}));
}

// A box whose Enter handler moves the focus to a button: that Enter does not press the button;
// the next one does.
TEST_F(KeysTest, EnterThatMovedTheFocusToAButtonDoesNotPressIt) {
  form.show();
  form.A.onKeyDown = [&](int key, int) {
    if (key == KeyReturn) form.Ok.setFocus();
  };
  log.clear();
  app.pressKey(KeyReturn);
  EXPECT_TRUE(form.Ok.hasFocus());
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "Ok.GotFocus"}));
  app.pressKey(KeyReturn);
  EXPECT_EQ(log.back(), "Ok.Click");
}

TEST_F(KeysTest, EscPressesTheCancelButtonAsAClick) {
  form.setCancelButton(&form.Cancel);
  form.show();
  log.clear();
  app.pressKey(KeyEscape);
  EXPECT_EQ(log, (Log{"A.KeyDown(27,0)", "A.Validate", "A.LostFocus", "Cancel.GotFocus", "Cancel.Click"}));
}

TEST_F(KeysTest, EscIsRefusedLikeAClickWhileTheFieldFails) {
  form.setCancelButton(&form.Cancel);
  form.show();
  form.A.onValidate = [](bool& cancel) { cancel = true; };
  log.clear();
  app.pressKey(KeyEscape);
  EXPECT_EQ(log, (Log{"A.KeyDown(27,0)"}));
  EXPECT_TRUE(form.A.hasFocus());
}

TEST_F(KeysTest, EscWithoutCancelButtonIsOnlyAKey) {
  form.show();
  log.clear();
  app.pressKey(KeyEscape);
  EXPECT_EQ(log, (Log{"A.KeyDown(27,0)"}));
}

}  // namespace
}  // namespace forms::testing
