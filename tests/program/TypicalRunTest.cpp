// A typical run from the start-up screen to calculated breakthrough times and back, driven as a
// user drives it: a cartridge and two vapors entered by hand, saved in the record files, cleared
// and found again by Search; the use conditions accepted; breakthrough concentrations typed;
// Calculate; Print; back to the data inputs, where a slot the run left blank shows its own values;
// and Exit answered Yes, which closes the files.
#include <filesystem>
#include <string>

#include "platform/text/LeadingNumber.h"
#include "support/ProgramFixture.h"

namespace tess::program {
using namespace testing;

namespace {

class TypicalRunTest : public ProgramFixture {
 protected:
  //! Saves the record on a record screen, clears the screen (which empties emptied), types key
  //! into box and searches for it.
  template <class Screen>
  void saveClearAndSearch(Screen& screen, const forms::TextControl& emptied, forms::TextControl& box,
                          const std::string& key) {
    ASSERT_TRUE(app.click(screen.cmdSave));
    ASSERT_TRUE(app.click(screen.cmdClear));
    EXPECT_EQ(emptied.text(), "");
    type({{&box, key}});
    ASSERT_TRUE(app.click(screen.cmdSearch));
  }
};

TEST_F(TypicalRunTest, FromStartUpToResultsAndOut) {
  continueToDataInput();

  // The cartridge, typed, saved, cleared and found again by Search.
  openCartridge();
  typeCartridge("TEST CARTRIDGE", "50", "0.061");
  saveClearAndSearch(cartridge, cartridge.BedDiam, cartridge.CartName, "TEST CARTRIDGE");
  EXPECT_EQ(texts({&cartridge.BedDiam, &cartridge.AffinityForWater}),
            (std::vector<std::string>{"8.4", "0.061"}));
  ASSERT_TRUE(app.click(cartridge.cmdExit));
  EXPECT_EQ(input.CartName.caption(), "TEST CARTRIDGE");
  EXPECT_FLOAT_EQ(state.Cart.BedDiam, 8.4f);

  // Two vapors, each typed, saved, cleared and found again: the first by name, the second by CAS.
  for (int slot = 1; slot <= 2; ++slot) {
    const Solvent& solvent = slot == 1 ? Benzene : Toluene;
    ASSERT_TRUE(input.SelectVap[slot].hasFocus());
    openVaporSlot(slot);
    typeVapor(solvent, 100.0f * slot);
    forms::TextControl& key = slot == 2 ? static_cast<forms::TextControl&>(vapor.CAS) : vapor.ChemName;
    saveClearAndSearch(vapor, vapor.MolWt, key, slot == 2 ? solvent.cas : solvent.name);
    EXPECT_EQ(texts({&vapor.ChemName, &vapor.MolWt, &vapor.AntoineC}),
              (std::vector<std::string>{solvent.name, typed(solvent.MolWt), typed(solvent.AntoineC)}));
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

  // The run blanked the label of slot 3, which holds no vapor. Opened, that slot shows its own
  // values, never the properties of Toluene, last on the vapor screen; a name chosen from the list
  // keeps them, so Return finds the entry incomplete and stores nothing. "None Selected" leaves.
  ASSERT_EQ(input.Vap[3].caption(), "");
  openVaporSlot(3);
  EXPECT_EQ(texts({&vapor.MolWt, &vapor.LiqDensity, &vapor.AntoineB, &vapor.AvgVapConc, &vapor.CAS}),
            (std::vector<std::string>{"0", "0", "0", "0", ""}));
  ASSERT_EQ(vapor.ChemName.items().at(0).rfind("BENZENE", 0), 0u);
  ASSERT_TRUE(app.chooseItem(vapor.ChemName, 0));
  expectIncompleteDialog();
  ASSERT_TRUE(app.click(vapor.cmdExit));
  EXPECT_EQ(state.Vapor[3].ChemName, "");
  EXPECT_EQ(state.Vapor[3].MolWt, 0.0f);
  type({{&vapor.ChemName, "None Selected"}});
  ASSERT_TRUE(app.click(vapor.cmdExit));
  EXPECT_EQ(input.Vap[3].caption(), "");
  app.expectMessage(QuitQuestion, "", forms::MsgAnswer::Yes);
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

}  // namespace
}  // namespace tess::program
