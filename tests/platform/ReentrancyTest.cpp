// Handlers that show and hide forms, move the focus, replace handlers and open message boxes
// while an event is being delivered.
#include "TestForm.h"

namespace forms::testing {
namespace {

class ReentrancyTest : public ScriptedTest {
 protected:
  TestForm main{app, "Main", log};
  TestForm other{app, "Other", log};
};

// A button that shows another screen and hides its own, as every navigation button does.
TEST_F(ReentrancyTest, ClickShowsAnotherFormAndHidesItsOwn) {
  main.Ok.onClick = [&] {
    other.show();
    main.hide();
  };
  main.show();
  app.click(main.Ok);
  EXPECT_EQ(app.activeForm(), &other);
  EXPECT_TRUE(other.A.hasFocus());
  EXPECT_FALSE(main.visible());
  EXPECT_EQ(main.activeControl(), &main.Ok);
}

TEST_F(ReentrancyTest, GotFocusHandlerMovesTheFocusOn) {
  main.B.onGotFocus = [&] {
    log.push_back("B.GotFocus");
    main.Ok.setFocus();
  };
  main.show();
  log.clear();
  EXPECT_TRUE(app.focus(main.B));
  EXPECT_TRUE(main.Ok.hasFocus());
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "B.GotFocus", "B.Validate", "B.LostFocus", "Ok.GotFocus"}));
}

// A LostFocus handler that moves the focus elsewhere takes over the move: the original target
// does not get the focus, and a click that caused it does not happen.
TEST_F(ReentrancyTest, LostFocusHandlerThatMovesTheFocusSupersedesTheMove) {
  main.A.onLostFocus = [&] {
    log.push_back("A.LostFocus");
    main.B.setFocus();
  };
  main.show();
  log.clear();
  EXPECT_FALSE(app.click(main.Ok));
  EXPECT_TRUE(main.B.hasFocus());
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "B.GotFocus"}));
}

TEST_F(ReentrancyTest, ValidateHandlerThatShowsAMessageAndCancels) {
  main.A.onValidate = [&](bool& cancel) {
    app.messageBox("This entry must not equal zero ", "Invalid Entry");
    cancel = true;
  };
  main.show();
  app.expectMessage("This entry must not equal zero ");
  EXPECT_FALSE(app.click(main.Ok));
  EXPECT_TRUE(main.A.hasFocus());
}

TEST_F(ReentrancyTest, HandlerMayReplaceItselfWhileRunning) {
  int first = 0, second = 0;
  main.Ok.onClick = [&] {
    ++first;
    main.Ok.onClick = [&] { ++second; };
    main.Ok.onClick = nullptr;
    main.Ok.onClick = [&] { ++second; };
  };
  main.show();
  app.click(main.Ok);
  app.click(main.Ok);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

TEST_F(ReentrancyTest, HandlerHidesItsFormWhileItsKeyIsDelivered) {
  main.setCancelButton(&main.Cancel);
  main.A.onKeyDown = [&](int, int) { main.hide(); };
  main.show();
  app.pressKey(27);
  EXPECT_FALSE(main.visible());
  EXPECT_EQ(std::count(log.begin(), log.end(), "Cancel.Click"), 0);
}

// The round trip of an incomplete entry: the screen hides itself, shows a dialog modally from
// its button's Click, and shows itself again when the dialog's own button hides the dialog.
TEST_F(ReentrancyTest, ModalDialogFromAClickAndBackAgain) {
  main.Ok.onClick = [&] {
    main.hide();
    other.showModal();
    main.show();
    main.A.setFocus();
  };
  other.Cancel.onClick = [&] { other.hide(); };
  app.scriptModal("Other", [&] {
    app.expectMessage(MsgAnswer::No);
    app.messageBox("Are you sure you want to quit?", "", MsgButtons::YesNo);
    app.click(other.Cancel);
  });
  main.show();
  app.editText(main.B, "kept");
  app.click(main.Ok);
  EXPECT_TRUE(main.A.hasFocus());
  EXPECT_EQ(main.B.text(), "kept");
  EXPECT_FALSE(other.visible());
}

TEST_F(ReentrancyTest, ListClearedByItsOwnGotFocusDuringAChoice) {
  main.List.addItem("ACETONE");
  main.List.onGotFocus = [&] { main.List.clear(); };
  main.show();
  EXPECT_FALSE(app.chooseItem(main.List, 0));
  EXPECT_EQ(main.List.text(), "");
}

}  // namespace
}  // namespace forms::testing
