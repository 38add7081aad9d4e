// The results screen's ways out: back to the data inputs, Exit and the close box with the quit
// question, a failed print, and the out-of-limits screen's close box.
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

TEST_F(ButtonsTest, ReturnToDataInputsKeepsEveryTextAndContinueBlanksOnlyTheTimes) {
  calculate();
  ASSERT_NE(results.BkT[1].caption(), "");
  app.click(results.cmdData);
  EXPECT_FALSE(results.visible());
  EXPECT_TRUE(inputMaster.visible());
  EXPECT_TRUE(inputMaster.active());
  EXPECT_EQ(results.VapBkConc[1].text(), "10");
  EXPECT_DOUBLE_EQ(state.BkConc[1], 10);
  EXPECT_EQ(results.VapConc[1].text(), "100");

  continueToResults();
  EXPECT_EQ(times(1), "||");
  EXPECT_EQ(results.VapBkConc[1].text(), "10");
  EXPECT_EQ(results.VapConc[1].text(), "100");
}

TEST_F(ButtonsTest, ExitAndTheCloseBoxAskTheQuitQuestion) {
  for (const bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox ? "close box" : "Exit");
    app.expectMessage(tess::testing::QuitQuestion, "", forms::MsgAnswer::No);
    byCloseBox ? app.closeWindow(results) : app.click(results.cmdExit);
    EXPECT_FALSE(app.programEnded());
    EXPECT_TRUE(results.visible());
    EXPECT_TRUE(results.cmdCalc.hasFocus());
  }
  const forms::MessageRequest& question = app.messages().at(0);
  EXPECT_EQ(question.buttons, forms::MsgButtons::YesNo);
  EXPECT_EQ(question.defaultButton, forms::MsgAnswer::Yes);
  EXPECT_EQ(question.icon, forms::MsgIcon::None);

  app.expectMessage(tess::testing::QuitQuestion, "", forms::MsgAnswer::Yes);
  app.click(results.cmdExit);
  EXPECT_TRUE(app.programEnded());
}

TEST_F(ButtonsTest, APrintingFailureIsReported) {
  app.setPrintResult(forms::PrintResult{false, "No printer is installed."});
  app.expectMessage("The results could not be printed.\n\nNo printer is installed.", "Print");
  app.click(results.cmdPrint);
  EXPECT_TRUE(results.visible());
}

TEST_F(ButtonsTest, TheOutOfLimitsCloseBoxIsReturn) {
  results.hide();
  limits.show();
  app.closeWindow(limits);
  EXPECT_FALSE(limits.visible());
  EXPECT_TRUE(results.visible());
  EXPECT_TRUE(results.active());
}

}  // namespace
}  // namespace results_test
