// The results screen inside the whole program: reached through the data-input screen's
// "Continue", calculated with Enter twice, and left through "Exit Program".
#include "ResultsFixture.h"
#include "input/ProgramFixture.h"
#include "results/LimitsMessage.h"

namespace results_test {
namespace {

class WholeProgramTest : public tess::testing::ProgramFixture {};

TEST_F(WholeProgramTest, ContinueCalculateAndExit) {
  continueToDataInput();
  // A cartridge and two vapors as the database screens' Return buttons leave them.
  state.Cart = CartridgeData{"Typical cartridge", 8, 2.5f, 60, 0.45f, 0.5f, 0.13f, 21, 0.06f, 0.03f, 0, 0};
  program.inputMaster().CartName.setCaption("Typical cartridge");
  const Solvent solvents[] = {Toluene, Acetone};
  const float ppm[] = {100, 200};
  for (int i = 1; i <= 2; ++i) {
    const Solvent& s = solvents[i - 1];
    state.Vapor[i] = VaporData{s.name, s.MolWt, s.LiqDensity, s.MolPol, s.WaterSol, ppm[i - 1],
                               s.AntoineA, s.AntoineB, s.AntoineC, "", 0, 0, 0};
    program.inputMaster().Vap[i].setCaption(s.name);
  }
  state.TotalVapors = 2;
  ASSERT_TRUE(app.click(program.inputMaster().SelectUse));
  ASSERT_TRUE(app.click(program.useConditions().ReturnBtn));
  ASSERT_TRUE(app.click(program.inputMaster().Continue));

  BreakTimeFive& results = program.results();
  ASSERT_TRUE(results.visible());
  EXPECT_TRUE(results.VapBkConc[1].hasFocus());
  EXPECT_EQ(results.VapConc[2].text(), "200");
  EXPECT_EQ(results.RelHumid.text(), "50");
  EXPECT_EQ(results.AtmPressure.text(), "1.00");
  app.editText(results.VapBkConc[1], "10");
  app.editText(results.VapBkConc[2], "20");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(results.cmdCalc.hasFocus());
  app.pressKey(forms::KeyReturn);
  EXPECT_EQ(results.VapNm[1].caption(), "Acetone");
  EXPECT_EQ(program.inputMaster().Vap[1].caption(), "Acetone");
  EXPECT_NE(results.BkT[1].caption(), "");
  EXPECT_NE(results.BkT[2].caption(), "");

  // Out of limits and back: the old times stay.
  const std::string oldTime = results.BkT[1].caption();
  app.editText(results.VapBkConc[1], "150");
  app.click(results.cmdCalc);
  EXPECT_TRUE(program.limitsMessage().visible());
  app.click(program.limitsMessage().ReturnButton);
  EXPECT_EQ(results.BkT[1].caption(), oldTime);

  app.expectMessage(tess::testing::QuitQuestion, "", forms::MsgAnswer::Yes);
  app.click(results.cmdExit);
  EXPECT_TRUE(app.programEnded());
}

}  // namespace
}  // namespace results_test
