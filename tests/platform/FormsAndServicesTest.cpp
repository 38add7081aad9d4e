// Modal forms and the services: scripted message boxes and the program's end.
#include "TestForm.h"

namespace tess::forms {
namespace {

using FormsTest = ScriptedTest;

// A dialog shown modally from a button's Click takes all user input (a message box is answered
// meanwhile) and returns when its own button hides it, with the focus back where it was.
TEST_F(FormsTest, ModalShowTakesAllInputAndReturnsWhenTheFormHidesItself) {
  other.Ok.onClick = [&] { other.hide(); };
  form.Ok.onClick = [&] {
    other.showModal();
    log.push_back("returned");
  };
  app.scriptModal("Other", [&] {
    EXPECT_EQ(app.modalForm(), &other);
    EXPECT_FALSE(app.click(form.Cancel) || app.focus(form.B) || app.editText(form.A, "typed") ||
                 app.activate(form));
    app.expectMessage(MsgAnswer::No);
    app.messageBox("Are you sure you want to quit?", "", MsgButtons::YesNo);
    app.click(other.Ok);
  });
  form.show();
  app.click(form.Ok);
  EXPECT_FALSE(other.modal() || other.visible());
  EXPECT_EQ(form.A.text(), "");
  EXPECT_EQ(Log(log.end() - 2, log.end()), (Log{"Ok.GotFocus", "returned"}));
  EXPECT_TRUE(app.click(form.Cancel));  // the modal form is gone
}

TEST_F(FormsTest, NestedModalFormsOneLeftOpenAndTheEndInsideOneEndTheirLoops) {
  app.scriptModal("Other", [&] { form.showModal(); });
  app.scriptModal("Main", [&] { form.hide(); });
  app.scriptModal("Other", [&] { other.hide(); });
  other.showModal();
  EXPECT_EQ(app.modalForms(), (std::vector<std::string>{"Other", "Main"}));
  EXPECT_EQ(app.modalForm(), nullptr);
  // A modal form that no scripted action answers would wait for ever: it fails the test instead.
  collectFailures();
  other.showModal();
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_FALSE(other.visible());
  app.scriptModal("Other", [&] { app.click(other.Ok); });
  other.Ok.onClick = [&] { app.endProgram(); };
  other.showModal();
  EXPECT_TRUE(app.programEnded());
  EXPECT_EQ(app.pendingModalActions(), 0);
}

TEST_F(FormsTest, MessageBoxesAreAnsweredFromTheQueueAndAnythingElseFails) {
  collectFailures();
  const std::string quit = "Are you sure you want to quit?";
  app.expectMessage(quit, "", MsgAnswer::No);
  EXPECT_EQ(app.messageBox(quit, "", MsgButtons::YesNo, MsgIcon::None, MsgAnswer::Yes), MsgAnswer::No);
  EXPECT_EQ(app.messages().at(0).defaultButton, MsgAnswer::Yes);  // recorded as asked
  // An unexpected box gets its default answer; a different text or title, an answer the box has no
  // button for, or an expected box never shown each fail.
  EXPECT_EQ(app.messageBox("surprise", "T", MsgButtons::YesNo, MsgIcon::Critical, MsgAnswer::No),
            MsgAnswer::No);
  app.expectMessage("expected text", "Expected title");
  app.messageBox("other text", "Other title");
  app.expectMessage("yes or no?", MsgAnswer::OK);
  app.messageBox("yes or no?", "", MsgButtons::YesNo);
  app.expectMessage("never shown");
  app.checkDone();
  const std::vector<std::string> expected = {"unexpected message box \"surprise\"",
                                             "expected \"expected text\"", "expected \"Expected title\"",
                                             "does not match the buttons", "never shown"};
  ASSERT_EQ(failures.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_NE(failures[i].find(expected[i]), std::string::npos) << i;
}

// The end runs every closing step once (one that fails does not stop the others); after it nothing
// more happens: no shows, no focus moves, no handlers, no messages.
TEST_F(FormsTest, EndRunsEveryClosingStepOnceThenNothingMoreHappens) {
  std::vector<std::string> steps;
  app.addClosingStep([&] {
    steps.push_back("close vapor file");
    EXPECT_FALSE(app.programEnded()) << "closing steps run before the end";
  });
  app.addClosingStep([&] { throw std::runtime_error("disk gone"); });
  app.addClosingStep([&] { steps.push_back("close cartridge file"); });
  form.show();
  form.Ok.onClick = [&] {
    app.endProgram();
    app.endProgram();
    form.B.setFocus();
    app.messageBox("after the end");
  };
  log.clear();
  app.click(form.Ok);
  EXPECT_EQ(steps, (std::vector<std::string>{"close vapor file", "close cartridge file"}));
  EXPECT_EQ(app.endCount(), 1);
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "Ok.GotFocus"}));
  EXPECT_TRUE(app.messages().empty());
  other.show();
  EXPECT_FALSE(other.visible());
  EXPECT_FALSE(app.click(form.Cancel) || app.pressKey(KeyReturn) || app.tab());
  form.A.setText("still a text");  // the model keeps working, but no handler runs
  EXPECT_EQ(log.size(), 3u);
}

}  // namespace
}  // namespace tess::forms
