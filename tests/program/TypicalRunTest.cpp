// A typical run from the start-up screen to calculated breakthrough times and back, driven as a
// user drives it: a cartridge and two vapors entered by hand, saved in the record files, cleared
// and found again by Search; the use conditions accepted; breakthrough concentrations typed;
// Calculate; Print; back to the data inputs; and Exit answered Yes, which closes the files.
#include <filesystem>
#include <string>

#include "input/ProgramFixture.h"
#include "platform/text/LeadingNumber.h"

namespace tess::testing {
namespace {

using forms::MsgAnswer;

// Molecular weight [g/mol], liquid density [g/cm3], concentration [ppm], Antoine B and C [K].
struct VaporEntry {
  const char *name, *cas, *molWt, *liqDensity, *molPol, *waterSol, *concentration, *antoineA, *antoineB,
      *antoineC;
};

const VaporEntry Benzene{"BENZENE", "71-43-2", "78.11",   "0.879",   "26.25",
                         "0",       "500",     "15.9008", "2788.51", "-52.36"};
const VaporEntry Toluene{"TOLUENE", "108-88-3", "92.14",   "0.867",   "31.1",
                         "0",       "300",      "16.0137", "3096.52", "-53.67"};

class TypicalRunTest : public ProgramFixture {
 protected:
  void type(forms::TextControl& box, const std::string& text) { ASSERT_TRUE(app.editText(box, text)); }

  void enterCartridgeByHand() {
    frmCartridgeMulti& screen = program.cartridgeScreen();
    type(screen.CartName, "TEST CARTRIDGE");
    type(screen.BedDiam, "8.4");
    type(screen.Bed_Depth, "1.9");
    type(screen.CarbWgt, "42");
    type(screen.MicVol, "0.45");
    type(screen.RelHumPre, "50");
    type(screen.DiamGran, "0.15");
    type(screen.APBenzene, "28");
    type(screen.AffinityForWater, "0.061");
  }

  void enterVaporByHand(const VaporEntry& vapor) {
    frmVaporMulti& screen = program.vaporScreen();
    type(screen.ChemName, vapor.name);
    type(screen.CAS, vapor.cas);
    type(screen.MolWt, vapor.molWt);
    type(screen.LiqDensity, vapor.liqDensity);
    type(screen.MolPol, vapor.molPol);
    type(screen.WaterSol, vapor.waterSol);
    type(screen.AvgVapConc, vapor.concentration);
    type(screen.AntoineA, vapor.antoineA);
    type(screen.AntoineB, vapor.antoineB);
    type(screen.AntoineC, vapor.antoineC);
  }

  //! Saves the vapor on screen, clears the screen, and finds it again: by name or by CAS number.
  void saveClearAndSearch(const VaporEntry& vapor, bool byCas) {
    frmVaporMulti& screen = program.vaporScreen();
    ASSERT_TRUE(app.click(screen.cmdSave));
    ASSERT_TRUE(app.click(screen.cmdClear));
    EXPECT_EQ(screen.MolWt.text(), "");
    byCas ? type(screen.CAS, vapor.cas) : type(screen.ChemName, vapor.name);
    ASSERT_TRUE(app.click(screen.cmdSearch));
    EXPECT_EQ(screen.ChemName.text(), vapor.name);
    EXPECT_EQ(screen.MolWt.text(), vapor.molWt);
    EXPECT_EQ(screen.AntoineC.text(), vapor.antoineC);
  }
};

TEST_F(TypicalRunTest, FromStartUpToResultsAndOut) {
  program.start();
  InputMasterFive& input = program.inputMaster();
  ASSERT_TRUE(app.click(program.opening().Continue));
  ASSERT_TRUE(input.visible());

  // The cartridge, typed, saved, cleared and found again by Search.
  frmCartridgeMulti& cartridge = program.cartridgeScreen();
  ASSERT_TRUE(app.click(input.SelectCart));
  ASSERT_TRUE(cartridge.visible());
  enterCartridgeByHand();
  ASSERT_TRUE(app.click(cartridge.cmdSave));
  ASSERT_TRUE(app.click(cartridge.cmdClear));
  EXPECT_EQ(cartridge.BedDiam.text(), "");
  type(cartridge.CartName, "TEST CARTRIDGE");
  ASSERT_TRUE(app.click(cartridge.cmdSearch));
  EXPECT_EQ(cartridge.BedDiam.text(), "8.4");
  EXPECT_EQ(cartridge.AffinityForWater.text(), "0.061");
  ASSERT_TRUE(app.click(cartridge.cmdExit));
  EXPECT_TRUE(input.visible());
  EXPECT_EQ(input.CartName.caption(), "TEST CARTRIDGE");
  EXPECT_TRUE(input.SelectVap[1].hasFocus());
  EXPECT_FLOAT_EQ(program.state().Cart.BedDiam, 8.4f);

  // Two vapors, each typed, saved, cleared and found again: the first by name, the second by CAS.
  frmVaporMulti& vaporScreen = program.vaporScreen();
  ASSERT_TRUE(app.click(input.SelectVap[1]));
  ASSERT_TRUE(vaporScreen.visible());
  enterVaporByHand(Benzene);
  saveClearAndSearch(Benzene, false);
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  EXPECT_EQ(input.Vap[1].caption(), "BENZENE");
  EXPECT_TRUE(input.SelectVap[2].hasFocus());

  ASSERT_TRUE(app.click(input.SelectVap[2]));
  enterVaporByHand(Toluene);
  saveClearAndSearch(Toluene, true);
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  EXPECT_EQ(input.Vap[2].caption(), "TOLUENE");
  EXPECT_EQ(program.state().TotalVapors, 2);
  EXPECT_FLOAT_EQ(program.state().Vapor[2].AvgVapConc, 300.0f);

  // The use conditions accepted as they stand.
  ASSERT_TRUE(app.click(input.SelectUse));
  ASSERT_TRUE(app.click(program.useConditions().ReturnBtn));
  EXPECT_TRUE(input.Continue.hasFocus());

  // Continue, then the breakthrough concentrations: 10 % of each inlet concentration.
  ASSERT_TRUE(app.click(input.Continue));
  BreakTimeFive& results = program.results();
  ASSERT_TRUE(results.visible());
  EXPECT_TRUE(results.VapBkConc[1].hasFocus());
  EXPECT_EQ(results.CartName.text(), "TEST CARTRIDGE");
  type(results.VapBkConc[1], "50");
  type(results.VapBkConc[2], "30");
  ASSERT_TRUE(app.click(results.cmdCalc));
  EXPECT_TRUE(results.visible());
  for (int row = 1; row <= 2; ++row) {
    SCOPED_TRACE(row);
    // Each row shows a positive time within its range, in the model's order of the vapors.
    const double time = tess::text::leadingNumber(results.BkT[row].caption());
    EXPECT_GT(time, 0);
    EXPECT_LE(tess::text::leadingNumber(results.BkTMin[row].caption()), time);
    EXPECT_GE(tess::text::leadingNumber(results.BkTMax[row].caption()), time);
    EXPECT_EQ(results.VapNm[row].caption(), program.state().Vapor[row].ChemName);
    EXPECT_EQ(input.Vap[row].caption(), program.state().Vapor[row].ChemName);
  }

  ASSERT_TRUE(app.click(results.cmdPrint));
  EXPECT_EQ(app.printedForms(), (std::vector<std::string>{"BreakTimeFive"}));

  ASSERT_TRUE(app.click(results.cmdData));
  EXPECT_TRUE(input.visible());
  EXPECT_FALSE(results.visible());

  app.expectMessage(QuitQuestion, "", MsgAnswer::Yes);
  ASSERT_TRUE(app.click(input.ExitBtn));
  EXPECT_TRUE(app.programEnded());

  // The files hold what was saved: a new run in the same folder finds both vapors and the cartridge.
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "VaporB30.DB"), 2u * 117u);
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "CartridgeB30.DB"), 99u);
  forms::ScriptedApplication nextApp;
  nextApp.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  Program nextRun(nextApp, folder.path().string());
  nextRun.vaporScreen().ensureLoaded();
  nextRun.cartridgeScreen().ensureLoaded();
  EXPECT_EQ(nextRun.vaporScreen().NumVaporRecords(), 2);
  EXPECT_EQ(nextRun.cartridgeScreen().NumCartRecords(), 1);
  nextApp.checkDone();
}

// After a run the results display blanks the labels of the slots that hold no vapor. Opening such
// a slot shows that slot's own values, never the properties of the vapor last on the vapor screen,
// so a name chosen from the list there is never stored with another vapor's properties.
TEST_F(TypicalRunTest, ASlotOpenedAfterARunShowsItsOwnValues) {
  continueToDataInput();
  InputMasterFive& input = program.inputMaster();
  ASSERT_TRUE(app.click(input.SelectCart));
  enterCartridgeByHand();
  ASSERT_TRUE(app.click(program.cartridgeScreen().cmdExit));
  frmVaporMulti& vaporScreen = program.vaporScreen();
  ASSERT_TRUE(app.click(input.SelectVap[1]));
  enterVaporByHand(Toluene);
  ASSERT_TRUE(app.click(vaporScreen.cmdSave));
  enterVaporByHand(Benzene);
  ASSERT_TRUE(app.click(vaporScreen.cmdSave));
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  ASSERT_TRUE(app.click(input.SelectUse));
  ASSERT_TRUE(app.click(program.useConditions().ReturnBtn));
  ASSERT_TRUE(app.click(input.Continue));
  BreakTimeFive& results = program.results();
  type(results.VapBkConc[1], "50");
  ASSERT_TRUE(app.click(results.cmdCalc));
  ASSERT_NE(results.BkT[1].caption(), "");
  ASSERT_TRUE(app.click(results.cmdData));
  ASSERT_EQ(input.Vap[2].caption(), "");

  ASSERT_TRUE(app.click(input.SelectVap[2]));
  ASSERT_TRUE(vaporScreen.visible());
  for (forms::TextBox* box : {&vaporScreen.MolWt, &vaporScreen.LiqDensity, &vaporScreen.AntoineB,
                              &vaporScreen.AvgVapConc})
    EXPECT_EQ(box->text(), "0") << box->name();
  EXPECT_EQ(vaporScreen.CAS.text(), "");
  // A name chosen from the list keeps the slot's own (empty) values: Return finds the entry
  // incomplete and stores nothing.
  ASSERT_EQ(vaporScreen.ChemName.items().at(1).rfind("TOLUENE", 0), 0u);
  ASSERT_TRUE(app.chooseItem(vaporScreen.ChemName, 1));
  app.scriptModal("ExitDialog", [&] { app.click(program.exitDialog().ReturnButton); });
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  EXPECT_EQ(state.Vapor[2].ChemName, "");
  EXPECT_EQ(state.Vapor[2].MolWt, 0.0f);
  EXPECT_EQ(input.Vap[2].caption(), "");
}

}  // namespace
}  // namespace tess::testing
