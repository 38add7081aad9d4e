#include "ResultsFixture.h"

namespace results_test {
namespace {

class ButtonsTest : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    continueToResults();
    app.editText(results.VapBkConc[1], "10");
  }
};

TEST_F(ButtonsTest, ReturnToDataInputsKeepsEveryText) {
  app.click(results.cmdData);
  EXPECT_FALSE(results.visible());
  EXPECT_TRUE(inputMaster.visible());
  EXPECT_TRUE(inputMaster.active());
  EXPECT_EQ(results.VapBkConc[1].text(), "10");
  EXPECT_DOUBLE_EQ(state.BkConc[1], 10);
  EXPECT_EQ(results.VapConc[1].text(), "100");
}

TEST_F(ButtonsTest, ExitAnsweredNoKeepsTheScreenWithTheFocusOnCalculate) {
  app.expectMessage("Are you sure you want to quit?", "", forms::MsgAnswer::No);
  app.click(results.cmdExit);
  EXPECT_FALSE(app.programEnded());
  EXPECT_TRUE(results.visible());
  EXPECT_TRUE(results.cmdCalc.hasFocus());
  const forms::MessageRequest& question = app.messages().at(0);
  EXPECT_EQ(question.buttons, forms::MsgButtons::YesNo);
  EXPECT_EQ(question.defaultButton, forms::MsgAnswer::Yes);
  EXPECT_EQ(question.icon, forms::MsgIcon::None);
}

TEST_F(ButtonsTest, ExitAnsweredYesEndsTheProgram) {
  app.expectMessage("Are you sure you want to quit?", "", forms::MsgAnswer::Yes);
  app.click(results.cmdExit);
  EXPECT_TRUE(app.programEnded());
}

TEST_F(ButtonsTest, CloseBoxAsksTheQuitQuestion) {
  app.expectMessage("Are you sure you want to quit?", "", forms::MsgAnswer::No);
  app.closeWindow(results);
  EXPECT_TRUE(results.visible());
  EXPECT_FALSE(app.programEnded());
  app.expectMessage("Are you sure you want to quit?", "", forms::MsgAnswer::Yes);
  app.closeWindow(results);
  EXPECT_TRUE(app.programEnded());
}

TEST_F(ButtonsTest, PrintingPrintsTheScreenOrSaysWhyItCouldNot) {
  app.click(results.cmdPrint);
  ASSERT_EQ(app.printedForms().size(), 1u);
  EXPECT_EQ(app.printedForms()[0], "BreakTimeFive");

  app.setPrintResult(forms::PrintResult{false, "No printer is installed."});
  app.expectMessage("The results could not be printed.\n\nNo printer is installed.", "Print");
  app.click(results.cmdPrint);
  EXPECT_TRUE(results.visible());
}

}  // namespace
}  // namespace results_test
