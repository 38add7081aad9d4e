// The start-up screen, the About screen and the incomplete-information dialog.
#include "input/ProgramFixture.h"

namespace tess::testing {
namespace {

using forms::MsgAnswer;

class StartUpScreensTest : public ProgramFixture {};

TEST_F(StartUpScreensTest, StartShowsOnlyTheStartUpScreenWithFocusOnContinue) {
  program.start();
  EXPECT_TRUE(program.opening().visible());
  EXPECT_TRUE(program.opening().Continue.hasFocus());
  for (forms::Form* other : app.forms()) {
    if (other != &program.opening()) {
      EXPECT_FALSE(other->visible()) << other->name();
    }
  }
  // Nothing is loaded at start, so no record file is opened.
  EXPECT_FALSE(program.vaporScreen().loaded());
  EXPECT_FALSE(program.cartridgeScreen().loaded());
}

TEST_F(StartUpScreensTest, ExitEndsAtOnceWithoutAsking) {
  program.start();
  ASSERT_TRUE(app.click(program.opening().ExitCmd));
  EXPECT_TRUE(app.programEnded());
  EXPECT_TRUE(app.messages().empty());
}

TEST_F(StartUpScreensTest, CloseBoxOfStartUpScreenIsExit) {
  program.start();
  ASSERT_TRUE(app.closeWindow(program.opening()));
  EXPECT_TRUE(app.programEnded());
}

TEST_F(StartUpScreensTest, AboutThenReturnBringsBackTheStartUpScreenUnchanged) {
  program.start();
  ASSERT_TRUE(app.click(program.opening().Command1));
  EXPECT_FALSE(program.opening().visible());
  EXPECT_TRUE(program.about().visible());
  EXPECT_EQ(program.about().caption(), " About");

  ASSERT_TRUE(app.click(program.about().Command1));
  EXPECT_FALSE(program.about().visible());
  EXPECT_TRUE(program.opening().visible());
  EXPECT_EQ(program.opening().Text1.text(), "Tessaloran");
  EXPECT_EQ(program.opening().Text2.text(), "Version 2.2.5, June 2018\r\n");

  // The About close box is "Return" too.
  ASSERT_TRUE(app.click(program.opening().Command1));
  ASSERT_TRUE(app.closeWindow(program.about()));
  EXPECT_TRUE(program.opening().visible());
  EXPECT_FALSE(app.programEnded());
}

TEST_F(StartUpScreensTest, AboutTextDescribesTheProgramAndItsModel) {
  const std::string& text = program.about().Text2.text();
  EXPECT_EQ(text.rfind("Tessaloran\r\nVersion 2.2.5\t\t", 0), 0u);
  EXPECT_NE(text.find("This program can be used  to estimate breakthrough time(s) of\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("3) environmental and use conditions.\r\n\r\n"), std::string::npos);
  EXPECT_NE(text.find("Dubinin-Radushkevich"), std::string::npos);
  EXPECT_NE(text.find("README"), std::string::npos);
}

TEST_F(StartUpScreensTest, ContinueShowsTheDataInputScreenWithFocusOnTheCartridge) {
  state.MixVapors = 3;
  continueToDataInput();
  InputMasterFive& inputMaster = program.inputMaster();
  EXPECT_TRUE(inputMaster.visible());
  EXPECT_FALSE(program.opening().visible());
  EXPECT_TRUE(inputMaster.SelectCart.hasFocus());
  EXPECT_EQ(state.MixVapors, 0);
  EXPECT_EQ(inputMaster.caption(), "Data Input");
}

class ExitDialogTest : public ProgramFixture {
 protected:
  ExitDialog& dialog = program.exitDialog();
};

TEST_F(ExitDialogTest, ExitAnsweredNoKeepsTheDialogWithFocusOnReturn) {
  program.start();
  bool focusWasOnExit = false;
  app.expectMessage(QuitQuestion, "", MsgAnswer::No);
  app.scriptModal("ExitDialog", [&] {
    focusWasOnExit = dialog.ExitButton.hasFocus();
    app.click(dialog.ExitButton);
  });
  app.scriptModal("ExitDialog", [&] {
    EXPECT_TRUE(dialog.visible());
    EXPECT_TRUE(dialog.ReturnButton.hasFocus());
    app.click(dialog.ReturnButton);
  });
  dialog.showModal();
  EXPECT_TRUE(focusWasOnExit);
  EXPECT_FALSE(dialog.visible());
  EXPECT_FALSE(app.programEnded());
  ASSERT_EQ(app.messages().size(), 1u);
  EXPECT_EQ(app.messages()[0].buttons, forms::MsgButtons::YesNo);
  EXPECT_EQ(app.messages()[0].defaultButton, MsgAnswer::Yes);
  EXPECT_EQ(app.messages()[0].icon, forms::MsgIcon::None);
}

TEST_F(ExitDialogTest, ReturnBringsBackTheDatabaseScreenThatShowedItUnchanged) {
  continueToDataInput();
  frmCartridgeMulti& cartridge = program.cartridgeScreen();
  ASSERT_TRUE(app.click(program.inputMaster().SelectCart));
  ASSERT_TRUE(app.editText(cartridge.CartName, "HALF DONE"));
  ASSERT_TRUE(app.editText(cartridge.BedDiam, "8.4"));
  app.expectMessage(QuitQuestion, "", MsgAnswer::No);
  app.scriptModal("ExitDialog", [&] {
    EXPECT_FALSE(cartridge.visible());
    app.click(dialog.ExitButton);
  });
  app.scriptModal("ExitDialog", [&] { app.click(dialog.ReturnButton); });
  ASSERT_TRUE(app.click(cartridge.cmdExit));
  EXPECT_FALSE(dialog.visible());
  EXPECT_TRUE(cartridge.visible());
  EXPECT_EQ(cartridge.CartName.text(), "HALF DONE");
  EXPECT_EQ(cartridge.BedDiam.text(), "8.4");
  EXPECT_EQ(program.inputMaster().CartName.caption(), "None Selected");
  EXPECT_FALSE(app.programEnded());
}

TEST_F(ExitDialogTest, ExitAnsweredYesEndsTheProgram) {
  program.start();
  app.expectMessage(QuitQuestion, "", MsgAnswer::Yes);
  app.scriptModal("ExitDialog", [&] { app.click(dialog.ExitButton); });
  dialog.showModal();
  EXPECT_TRUE(app.programEnded());
}

TEST_F(ExitDialogTest, CloseBoxIsReturn) {
  program.start();
  app.scriptModal("ExitDialog", [&] { app.closeWindow(dialog); });
  dialog.showModal();
  EXPECT_FALSE(dialog.visible());
  EXPECT_FALSE(app.programEnded());
}

}  // namespace
}  // namespace tess::testing
