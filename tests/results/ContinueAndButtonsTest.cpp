// The results screen's ways in and out: what "Continue" shows, back to the data inputs, Exit and the
// close box with the quit question, and a failed print.
#include "ResultsFixture.h"

namespace tess::results {
namespace {

using FillProceduresTest = ResultsScreenTest;

// The use conditions are copied in their display formats; empty slots are blanked, used ones keep
// their breakthrough concentration.
TEST_F(FillProceduresTest, ShowInputsOnResultsCopiesTheInputsAndBlanksEmptySlots) {
  const struct {
    float relHumid, atmPressure, temperature, flow;
    std::vector<std::string> shown;
  } cases[] = {
      {0.05f, 0.5f, 0, 10, {"05", "0.50", "0", "10"}},
      {0.45f, 1.25f, 23.5f, 32.5f, {"45", "1.25", "23.5", "32.5"}},
  };
  addVapor(Toluene, 100);
  for (const auto& c : cases) {
    state.RelHumid = c.relHumid;
    state.AtmPressure = c.atmPressure;
    state.Temperature = c.temperature;
    state.BreathingAirFlow = c.flow;
    results.ShowInputsOnResults();
    EXPECT_EQ(texts({&results.RelHumid, &results.AtmPressure, &results.Temperature, &results.AirFlowVol}),
              c.shown);
  }
  EXPECT_EQ(results.CartName.text(), "Typical cartridge");

  addVapor(Acetone, 250.5f);
  state.Vapor[3].ChemName = std::string(NoneSelected);
  state.Vapor[4].ChemName = "none selected";  // not the exact text: counts as a vapor here
  state.Vapor[4].AvgVapConc = 7;
  for (int i = 1; i <= MaxVapors; ++i) {
    results.VapBkConc[i].setText("9");
    results.VapConc[i].setText("old");
  }
  results.ShowInputsOnResults();
  const char* names[] = {"", "Toluene", "Acetone", "None Selected", "none selected", ""};
  const char* conc[] = {"", "100", "250.5", "", "7", ""};
  const char* bk[] = {"", "9", "9", "", "9", ""};
  for (int i = 1; i <= MaxVapors; ++i) {
    EXPECT_EQ(results.VapNm[i].caption(), names[i]) << i;
    EXPECT_EQ(results.VapConc[i].text(), conc[i]) << i;
    EXPECT_EQ(results.VapBkConc[i].text(), bk[i]) << i;
  }
}

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
  EXPECT_TRUE(input.visible());
  EXPECT_TRUE(input.active());
  EXPECT_DOUBLE_EQ(state.BkConc[1], 10);
  const std::vector<std::string> entered{"10", "100"};
  EXPECT_EQ(texts({&results.VapBkConc[1], &results.VapConc[1]}), entered);

  continueToResults();
  EXPECT_EQ(times(1), "||");
  EXPECT_EQ(texts({&results.VapBkConc[1], &results.VapConc[1]}), entered);
}

TEST_F(ButtonsTest, ExitAndTheCloseBoxAskTheQuitQuestion) {
  for (const bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox ? "close box" : "Exit");
    app.expectMessage(QuitQuestion, "", forms::MsgAnswer::No);
    byCloseBox ? app.closeWindow(results) : app.click(results.cmdExit);
    EXPECT_FALSE(app.programEnded());
    EXPECT_TRUE(results.visible());
    EXPECT_TRUE(results.cmdCalc.hasFocus());
  }
  const forms::MessageRequest& question = app.messages().at(0);
  EXPECT_EQ(question.buttons, forms::MsgButtons::YesNo);
  EXPECT_EQ(question.defaultButton, forms::MsgAnswer::Yes);
  EXPECT_EQ(question.icon, forms::MsgIcon::None);

  app.expectMessage(QuitQuestion, "", forms::MsgAnswer::Yes);
  app.click(results.cmdExit);
  EXPECT_TRUE(app.programEnded());
}

TEST_F(ButtonsTest, APrintingFailureIsReported) {
  app.setPrintResult(forms::PrintResult{false, "No printer is installed."});
  app.expectMessage("The results could not be printed.\n\nNo printer is installed.", "Print");
  app.click(results.cmdPrint);
  EXPECT_TRUE(results.visible());
}

}  // namespace
}  // namespace tess::results
