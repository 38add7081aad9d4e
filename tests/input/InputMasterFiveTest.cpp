// The data-input screen: the slot rule, "Clear All Vapors", the completeness test of "Continue"
// and the quit question of "Exit".
#include "support/ProgramFixture.h"

namespace tess::input {
using namespace testing;

namespace {

const std::string SlotOrderMessage = "Lower numbered Organic Vapors must be set first.";

class InputMasterFiveTest : public ProgramFixture {
 protected:
  void SetUp() override { continueToDataInput(); }

  //! What a vapor screen's Return leaves behind for slot k.
  void storeVapor(int k, const Solvent& solvent, float ppm) {
    state.Vapor[k] = solvent.data(ppm);
    input.Vap[k].setCaption(solvent.name);
  }
  void backToDataInput() {
    vapor.hide();
    input.show();
  }
  //! Opens slots 1 to n in turn, each left at once for the data-input screen.
  void openSlots(int n) {
    for (int k = 1; k <= n; ++k) {
      ASSERT_TRUE(app.click(input.SelectVap[k]));
      backToDataInput();
    }
  }
  void expectSlots(int total, int mix, int selected) {
    EXPECT_EQ(state.TotalVapors, total);
    EXPECT_EQ(state.MixVapors, mix);
    EXPECT_EQ(input.selectedVapIdx, selected);
  }
};

TEST_F(InputMasterFiveTest, OnlyTheNextSlotOpensAndCounts) {
  // Beyond the next slot: refused, nothing changes, and the vapor screen (with its file) is not loaded.
  app.expectMessage(SlotOrderMessage, "Note");
  ASSERT_TRUE(app.click(input.SelectVap[2]));
  expectSlots(0, 0, 0);
  EXPECT_TRUE(input.visible());
  EXPECT_FALSE(vapor.loaded());

  ASSERT_TRUE(app.click(input.SelectVap[1]));
  expectSlots(1, 1, 1);
  EXPECT_TRUE(vapor.visible());
  EXPECT_FALSE(input.visible());
  EXPECT_TRUE(vapor.ChemName.hasFocus());
  EXPECT_EQ(vapor.AvgVapConc.text(), "0");
}

TEST_F(InputMasterFiveTest, ReopeningASlotRefillsTheVaporScreenFromItAndKeepsTheCounters) {
  openSlots(2);
  storeVapor(1, Benzene, 250.5f);
  state.MixVapors = 1;
  ASSERT_TRUE(app.click(input.SelectVap[1]));
  expectSlots(2, 1, 1);
  EXPECT_EQ(texts({&vapor.ChemName, &vapor.MolWt, &vapor.AvgVapConc}),
            (std::vector<std::string>{"Benzene", "78.11", "250.5"}));

  // A slot labelled "None Selected", in any case and with blanks round it, shows only its
  // concentration: the label decides, the shared record does not.
  backToDataInput();
  input.Vap[1].setCaption("  none selected ");
  vapor.ChemName.setText("LEFT OVER");
  ASSERT_TRUE(app.click(input.SelectVap[1]));
  EXPECT_EQ(texts({&vapor.ChemName, &vapor.MolWt, &vapor.AvgVapConc}),
            (std::vector<std::string>{"", "", "250.5"}));
  EXPECT_EQ(state.TotalVapors, 2);
}

TEST_F(InputMasterFiveTest, ClearAllVaporsEmptiesEverySlotAndStartsAgainAtSlotOne) {
  openSlots(2);
  storeVapor(1, Benzene, 250);
  storeVapor(2, Toluene, 100);

  ASSERT_TRUE(app.click(input.ClearVapors));
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(input.Vap[k].caption(), "None Selected");
    EXPECT_EQ(state.Vapor[k].ChemName, "None Selected");
    EXPECT_EQ(state.Vapor[k].MolWt, 0);
    EXPECT_EQ(state.Vapor[k].AvgVapConc, 0);
    EXPECT_EQ(state.Vapor[k].CAS, "");
  }
  expectSlots(0, 0, 2);  // the slot index is left alone

  app.expectMessage(SlotOrderMessage, "Note");
  ASSERT_TRUE(app.click(input.SelectVap[2]));
  ASSERT_TRUE(app.click(input.SelectVap[1]));
  expectSlots(1, 1, 1);
}

TEST_F(InputMasterFiveTest, ContinueRefusesIncompleteInput) {
  const struct {
    const char *what, *cartridge, *vapor1;
    float atmPressure;
  } cases[] = {
      {"no cartridge returned", "None Selected", "BENZENE", 1},
      {"cartridge label in other case", " NONE selected", "BENZENE", 1},
      {"cartridge label empty", "", "BENZENE", 1},
      {"slot 1 empty", "Cartridge A", "None Selected", 1},
      {"slot 1 label empty", "Cartridge A", "", 1},
      {"use conditions never stored", "Cartridge A", "BENZENE", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    input.CartName.setCaption(c.cartridge);
    input.Vap[1].setCaption(c.vapor1);
    state.AtmPressure = c.atmPressure;
    app.expectMessage("All fields must be filled with valid parameters or conditions.", "Note");
    ASSERT_TRUE(app.click(input.Continue));
    EXPECT_TRUE(input.visible());
    EXPECT_FALSE(program.results().loaded());
  }
}

TEST_F(InputMasterFiveTest, ExitAnsweredNoPutsTheFocusOnContinueAndTheCloseBoxAsksTheSame) {
  app.expectMessage(QuitQuestion, "", forms::MsgAnswer::No);
  ASSERT_TRUE(app.click(input.ExitBtn));
  EXPECT_FALSE(app.programEnded());
  EXPECT_TRUE(input.visible());
  EXPECT_TRUE(input.Continue.hasFocus());

  app.expectMessage(QuitQuestion, "", forms::MsgAnswer::Yes);
  ASSERT_TRUE(app.closeWindow(input));
  EXPECT_TRUE(app.programEnded());
}

}  // namespace
}  // namespace tess::input
