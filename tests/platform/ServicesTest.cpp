// Message boxes, printing and the end of the program through the scripted application.
#include "TestForm.h"

namespace forms::testing {
namespace {

class ServicesTest : public ScriptedTest {
 protected:
  TestForm form{app, "Main", log};
  std::vector<std::string> failures;
  void collectFailures() {
    app.setFailureHandler([this](const std::string& what) { failures.push_back(what); });
  }
};

TEST_F(ServicesTest, MessageBoxesAreAnsweredFromTheQueueAndRecorded) {
  app.expectMessage("Are you sure you want to quit?", "", MsgAnswer::No);
  app.expectMessage(MsgAnswer::OK);
  EXPECT_EQ(app.messageBox("Are you sure you want to quit?", "", MsgButtons::YesNo, MsgIcon::None, MsgAnswer::Yes),
            MsgAnswer::No);
  EXPECT_EQ(app.messageBox("Lower numbered Organic Vapors must be set first.", "Note"), MsgAnswer::OK);
  ASSERT_EQ(app.messages().size(), 2u);
  EXPECT_EQ(app.messages()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(app.messages()[0].defaultButton, MsgAnswer::Yes);
  EXPECT_EQ(app.messages()[1].title, "Note");
}

TEST_F(ServicesTest, UnexpectedOrDifferentMessagesFail) {
  collectFailures();
  EXPECT_EQ(app.messageBox("surprise", "T", MsgButtons::YesNo, MsgIcon::Critical, MsgAnswer::No), MsgAnswer::No);
  app.expectMessage("expected text", "Expected title");
  app.messageBox("other text", "Other title");
  app.expectMessage("yes or no?", MsgAnswer::OK);  // an answer the box has no button for
  app.messageBox("yes or no?", "", MsgButtons::YesNo);
  app.expectMessage("never shown");
  app.checkDone();
  ASSERT_EQ(failures.size(), 5u);
  EXPECT_NE(failures[0].find("unexpected message box \"surprise\""), std::string::npos);
  EXPECT_NE(failures[1].find("expected \"expected text\""), std::string::npos);
  EXPECT_NE(failures[2].find("expected \"Expected title\""), std::string::npos);
  EXPECT_NE(failures[3].find("does not match the buttons"), std::string::npos);
  EXPECT_NE(failures[4].find("never shown"), std::string::npos);
}

TEST_F(ServicesTest, PrintingIsRecordedWithTheScriptedResult) {
  EXPECT_TRUE(app.printForm(form).ok);
  app.setPrintResult({false, "No printer is installed."});
  const PrintResult result = app.printForm(form);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "No printer is installed.");
  EXPECT_EQ(app.printedForms(), (std::vector<std::string>{"Main", "Main"}));
}

TEST_F(ServicesTest, ApplicationWithoutServicesStaysHeadlessAndSafe) {
  Application bare;
  TestForm alone{bare, "Alone", log};
  EXPECT_EQ(bare.messageBox("q", "", MsgButtons::YesNo, MsgIcon::None, MsgAnswer::Yes), MsgAnswer::Yes);
  EXPECT_FALSE(bare.printForm(alone).ok);
  alone.showModal();  // no modal loop: returns at once
  EXPECT_FALSE(alone.modal());
  bare.endProgram();
  EXPECT_TRUE(bare.ended());
}

TEST_F(ServicesTest, EndRunsTheClosingStepsOnceThenEnds) {
  std::vector<std::string> steps;
  app.addClosingStep([&] {
    steps.push_back("close vapor file");
    EXPECT_FALSE(app.programEnded()) << "closing steps run before the end";
  });
  app.addClosingStep([&] { throw std::runtime_error("disk gone"); });
  app.addClosingStep([&] { steps.push_back("close cartridge file"); });
  app.endProgram();
  app.endProgram();
  EXPECT_EQ(steps, (std::vector<std::string>{"close vapor file", "close cartridge file"}));
  EXPECT_TRUE(app.programEnded());
  EXPECT_EQ(app.endCount(), 1);
}

// After the end nothing more happens: no shows, no focus moves, no handlers, no messages.
TEST_F(ServicesTest, NothingHappensAfterTheEnd) {
  form.show();
  form.Ok.onClick = [&] {
    app.endProgram();
    form.B.setFocus();
    app.messageBox("after the end");
  };
  log.clear();
  app.click(form.Ok);
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "Ok.GotFocus"}));
  EXPECT_TRUE(app.messages().empty());
  log.clear();
  TestForm later{app, "Later", log};
  later.show();
  EXPECT_FALSE(later.visible());
  EXPECT_FALSE(app.click(form.Cancel));
  EXPECT_FALSE(app.pressKey(13));
  EXPECT_FALSE(app.tab());
  form.A.setText("still a text");  // the model keeps working, but no handler runs
  EXPECT_TRUE(log.empty());
}

TEST_F(ServicesTest, EndInsideAModalFormEndsItsLoop) {
  TestForm dialog{app, "Dialog", log};
  app.scriptModal("Dialog", [&] { app.click(dialog.Ok); });
  dialog.Ok.onClick = [&] { app.endProgram(); };
  dialog.showModal();
  EXPECT_TRUE(app.programEnded());
  EXPECT_EQ(app.pendingModalActions(), 0);
}

}  // namespace
}  // namespace forms::testing
