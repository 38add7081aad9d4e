// A typical run from the start-up screen to calculated breakthrough times and back, driven as a
// user drives it: a cartridge and two vapors entered by hand, saved in the record files, cleared
// and found again by Search; the use conditions accepted; breakthrough concentrations typed;
// Calculate; Print; back to the data inputs; and Exit answered Yes, which closes the files.
#include <filesystem>
#include <string>

#include "platform/text/LeadingNumber.h"
#include "support/ProgramFixture.h"

namespace tess::program {
using namespace testing;

namespace {

using forms::MsgAnswer;

class TypicalRunTest : public ProgramFixture {
 protected:
  //! Saves the vapor on screen, clears the screen, and finds it again: by name or by CAS number.
  void saveClearAndSearch(const Solvent& solvent, bool byCas) {
    ASSERT_TRUE(app.click(vapor.cmdSave));
    ASSERT_TRUE(app.click(vapor.cmdClear));
    EXPECT_EQ(vapor.MolWt.text(), "");
    type({{byCas ? static_cast<forms::TextControl*>(&vapor.CAS) : &vapor.ChemName, byCas ? solvent.cas : solvent.name}});
    ASSERT_TRUE(app.click(vapor.cmdSearch));
    EXPECT_EQ(texts({&vapor.ChemName, &vapor.MolWt, &vapor.AntoineC}),
              (std::vector<std::string>{solvent.name, typed(solvent.MolWt), typed(solvent.AntoineC)}));
  }
};

TEST_F(TypicalRunTest, FromStartUpToResultsAndOut) {
  continueToDataInput();

  // The cartridge, typed, saved, cleared and found again by Search.
  openCartridge();
  typeCartridge("TEST CARTRIDGE", "50", "0.061");
  ASSERT_TRUE(app.click(cartridge.cmdSave));
  ASSERT_TRUE(app.click(cartridge.cmdClear));
  EXPECT_EQ(cartridge.BedDiam.text(), "");
  type({{&cartridge.CartName, "TEST CARTRIDGE"}});
  ASSERT_TRUE(app.click(cartridge.cmdSearch));
  EXPECT_EQ(texts({&cartridge.BedDiam, &cartridge.AffinityForWater}), (std::vector<std::string>{"8.4", "0.061"}));
  ASSERT_TRUE(app.click(cartridge.cmdExit));
  EXPECT_EQ(input.CartName.caption(), "TEST CARTRIDGE");
  EXPECT_FLOAT_EQ(state.Cart.BedDiam, 8.4f);

  // Two vapors, each typed, saved, cleared and found again: the first by name, the second by CAS.
  for (int slot = 1; slot <= 2; ++slot) {
    const Solvent& solvent = slot == 1 ? Benzene : Toluene;
    ASSERT_TRUE(input.SelectVap[slot].hasFocus());
    openVaporSlot(slot);
    typeVapor(solvent, 100.0f * slot);
    saveClearAndSearch(solvent, slot == 2);
    ASSERT_TRUE(app.click(vapor.cmdExit));
    EXPECT_EQ(input.Vap[slot].caption(), solvent.name);
  }
  EXPECT_EQ(state.TotalVapors, 2);
  EXPECT_FLOAT_EQ(state.Vapor[2].AvgVapConc, 200.0f);

  // The use conditions accepted as they stand; Continue; the breakthrough concentrations, 10 % of
  // each inlet concentration; Calculate.
  ASSERT_TRUE(app.click(input.SelectUse));
  ASSERT_TRUE(app.click(program.useConditions().ReturnBtn));
  ASSERT_TRUE(app.click(input.Continue));
  ASSERT_TRUE(results.visible());
  EXPECT_TRUE(results.VapBkConc[1].hasFocus());
  EXPECT_EQ(results.CartName.text(), "TEST CARTRIDGE");
  type({{&results.VapBkConc[1], "10"}, {&results.VapBkConc[2], "20"}});
  ASSERT_TRUE(app.click(results.cmdCalc));
  EXPECT_TRUE(results.visible());
  for (int row = 1; row <= 2; ++row) {
    SCOPED_TRACE(row);
    // Each row shows a positive time within its range, in the model's order of the vapors.
    const double time = tess::text::leadingNumber(results.BkT[row].caption());
    EXPECT_GT(time, 0);
    EXPECT_LE(tess::text::leadingNumber(results.BkTMin[row].caption()), time);
    EXPECT_GE(tess::text::leadingNumber(results.BkTMax[row].caption()), time);
    EXPECT_EQ(results.VapNm[row].caption(), state.Vapor[row].ChemName);
    EXPECT_EQ(input.Vap[row].caption(), state.Vapor[row].ChemName);
  }

  ASSERT_TRUE(app.click(results.cmdPrint));
  EXPECT_EQ(app.printedForms(), (std::vector<std::string>{"BreakTimeFive"}));
  ASSERT_TRUE(app.click(results.cmdData));
  EXPECT_TRUE(input.visible());
  app.expectMessage(QuitQuestion, "", MsgAnswer::Yes);
  ASSERT_TRUE(app.click(input.ExitBtn));
  EXPECT_TRUE(app.programEnded());

  // The files hold what was saved: a new run in the same folder finds both vapors and the cartridge.
  EXPECT_EQ(std::filesystem::file_size(vaporPath()), 2u * 117u);
  EXPECT_EQ(std::filesystem::file_size(cartridgePath()), 99u);
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
  openCartridge();
  typeCartridge("TEST CARTRIDGE");
  ASSERT_TRUE(app.click(cartridge.cmdExit));
  openVaporSlot(1);
  typeVapor(Toluene, 300);
  ASSERT_TRUE(app.click(vapor.cmdSave));
  typeVapor(Benzene, 500);
  ASSERT_TRUE(app.click(vapor.cmdSave));
  ASSERT_TRUE(app.click(vapor.cmdExit));
  ASSERT_TRUE(app.click(input.SelectUse));
  ASSERT_TRUE(app.click(program.useConditions().ReturnBtn));
  ASSERT_TRUE(app.click(input.Continue));
  type({{&results.VapBkConc[1], "50"}});
  ASSERT_TRUE(app.click(results.cmdCalc));
  ASSERT_NE(results.BkT[1].caption(), "");
  ASSERT_TRUE(app.click(results.cmdData));
  ASSERT_EQ(input.Vap[2].caption(), "");

  openVaporSlot(2);
  EXPECT_EQ(texts({&vapor.MolWt, &vapor.LiqDensity, &vapor.AntoineB, &vapor.AvgVapConc, &vapor.CAS}),
            (std::vector<std::string>{"0", "0", "0", "0", ""}));
  // A name chosen from the list keeps the slot's own (empty) values: Return finds the entry
  // incomplete and stores nothing.
  ASSERT_EQ(vapor.ChemName.items().at(1).rfind("TOLUENE", 0), 0u);
  ASSERT_TRUE(app.chooseItem(vapor.ChemName, 1));
  expectIncompleteDialog();
  ASSERT_TRUE(app.click(vapor.cmdExit));
  EXPECT_EQ(state.Vapor[2].ChemName, "");
  EXPECT_EQ(state.Vapor[2].MolWt, 0.0f);
  EXPECT_EQ(input.Vap[2].caption(), "");
}

}  // namespace
}  // namespace tess::program
