// The start-up screen, the About screen and the incomplete-information dialog.
#include "input/ProgramFixture.h"

namespace tess::testing {
namespace {

using forms::MsgAnswer;

class StartUpScreensTest : public ProgramFixture {
 protected:
  ExitDialog& dialog = program.exitDialog();
};

TEST_F(StartUpScreensTest, StartShowsOnlyTheStartUpScreenAndContinueShowsTheDataInputScreen) {
  state.MixVapors = 3;
  program.start();
  EXPECT_TRUE(program.opening().Continue.hasFocus());
  for (forms::Form* form : app.forms())
    EXPECT_EQ(form->visible(), form == &program.opening()) << form->name();
  // Nothing is loaded at start, so no record file is opened.
  EXPECT_FALSE(program.vaporScreen().loaded());
  EXPECT_FALSE(program.cartridgeScreen().loaded());

  ASSERT_TRUE(app.click(program.opening().Continue));
  EXPECT_FALSE(program.opening().visible());
  EXPECT_TRUE(program.inputMaster().visible());
  EXPECT_TRUE(program.inputMaster().SelectCart.hasFocus());
  EXPECT_EQ(state.MixVapors, 0);
}

// The close box clicks "Exit", so this runs Exit's own handler too.
TEST_F(StartUpScreensTest, TheCloseBoxIsExitWhichEndsAtOnceWithoutAsking) {
  program.start();
  ASSERT_TRUE(app.closeWindow(program.opening()));
  EXPECT_TRUE(app.programEnded());
  EXPECT_TRUE(app.messages().empty());
}

TEST_F(StartUpScreensTest, AboutThenReturnOrItsCloseBoxBringsBackTheStartUpScreen) {
  program.start();
  for (const bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox ? "close box" : "Return");
    ASSERT_TRUE(app.click(program.opening().Command1));
    EXPECT_FALSE(program.opening().visible());
    EXPECT_TRUE(program.about().visible());
    ASSERT_TRUE(byCloseBox ? app.closeWindow(program.about()) : app.click(program.about().Command1));
    EXPECT_FALSE(program.about().visible());
    EXPECT_TRUE(program.opening().visible());
  }
  EXPECT_FALSE(app.programEnded());
}

// Shown over a database screen with the focus on Exit; Exit answered No keeps it with the focus on
// Return; its close box is Return, which brings back that screen as it was.
TEST_F(StartUpScreensTest, ExitDialogExitAnsweredNoThenTheCloseBoxBringsBackTheDatabaseScreenUnchanged) {
  continueToDataInput();
  frmCartridgeMulti& cartridge = program.cartridgeScreen();
  ASSERT_TRUE(app.click(program.inputMaster().SelectCart));
  ASSERT_TRUE(app.editText(cartridge.CartName, "HALF DONE"));
  ASSERT_TRUE(app.editText(cartridge.BedDiam, "8.4"));
  app.expectMessage(QuitQuestion, "", MsgAnswer::No);
  app.scriptModal("ExitDialog", [&] {
    EXPECT_FALSE(cartridge.visible());
    EXPECT_TRUE(dialog.ExitButton.hasFocus());
    app.click(dialog.ExitButton);
  });
  app.scriptModal("ExitDialog", [&] {
    EXPECT_TRUE(dialog.ReturnButton.hasFocus());
    app.closeWindow(dialog);
  });
  ASSERT_TRUE(app.click(cartridge.cmdExit));
  EXPECT_FALSE(dialog.visible());
  EXPECT_TRUE(cartridge.visible());
  EXPECT_EQ(cartridge.CartName.text(), "HALF DONE");
  EXPECT_EQ(cartridge.BedDiam.text(), "8.4");
  EXPECT_EQ(program.inputMaster().CartName.caption(), "None Selected");
  EXPECT_FALSE(app.programEnded());
}

}  // namespace
}  // namespace tess::testing
