// Focus, Validate and the order of focus events.
#include "TestForm.h"

namespace forms::testing {
namespace {

class FocusTest : public ScriptedTest {
 protected:
  TestForm form{app, "Main", log};
};

TEST_F(FocusTest, ShowLoadsOnceAndFocusesFirstInTabOrder) {
  form.show();
  form.hide();
  form.show();
  EXPECT_EQ(log, (Log{"Main.Load", "A.GotFocus", "A.LostFocus", "A.GotFocus"}));
  EXPECT_TRUE(form.A.hasFocus());
  EXPECT_EQ(app.activeForm(), &form);
}

TEST_F(FocusTest, MoveWithinFormRunsValidateLostFocusGotFocus) {
  form.show();
  log.clear();
  EXPECT_TRUE(app.focus(form.B));
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "B.GotFocus"}));
}

}  // namespace
}  // namespace forms::testing
