// The data-input screen: the slot rule, "Clear All Vapors", the completeness test of "Continue"
// and the quit question of "Exit".
#include "support/ProgramFixture.h"

namespace tess::input {
using namespace testing;

namespace {

using forms::MsgAnswer;

const std::string SlotOrderMessage = "Lower numbered Organic Vapors must be set first.";

class InputMasterFiveTest : public ProgramFixture {
 protected:
  void SetUp() override { continueToDataInput(); }

  //! What a vapor screen's Return leaves behind for slot k.
  void storeVapor(int k, const std::string& name, float concentration) {
    state.Vapor[k] = VaporData{name, 78.11f, 0.879f, 26.2f, 0, concentration, 0, 0, 0, "", 0, 0, 0};
    input.Vap[k].setCaption(name);
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
  storeVapor(1, "BENZENE", 250.5f);
  state.MixVapors = 1;
  ASSERT_TRUE(app.click(input.SelectVap[1]));
  expectSlots(2, 1, 1);
  EXPECT_EQ(vapor.ChemName.text(), "BENZENE");
  EXPECT_EQ(vapor.MolWt.text(), "78.11");
  EXPECT_EQ(vapor.AvgVapConc.text(), "250.5");

  // A slot labelled "None Selected", in any case and with blanks round it, shows only its
  // concentration: the label decides, the shared record does not.
  backToDataInput();
  input.Vap[1].setCaption("  none selected ");
  vapor.ChemName.setText("LEFT OVER");
  ASSERT_TRUE(app.click(input.SelectVap[1]));
  EXPECT_EQ(vapor.ChemName.text(), "");
  EXPECT_EQ(vapor.MolWt.text(), "");
  EXPECT_EQ(vapor.AvgVapConc.text(), "250.5");
  EXPECT_EQ(state.TotalVapors, 2);
}

TEST_F(InputMasterFiveTest, ClearAllVaporsEmptiesEverySlotAndStartsAgainAtSlotOne) {
  openSlots(2);
  storeVapor(1, "BENZENE", 250);
  storeVapor(2, "TOLUENE", 100);
  state.Vapor[2].CAS = "108-88-3";

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
  struct Case {
    const char *what, *cartridge, *vapor1;
    float atmPressure;
  };
  const Case cases[] = {
      {"no cartridge returned", "None Selected", "BENZENE", 1},
      {"cartridge label in other case", " NONE selected", "BENZENE", 1},
      {"cartridge label empty", "", "BENZENE", 1},
      {"slot 1 empty", "Cartridge A", "None Selected", 1},
      {"slot 1 label empty", "Cartridge A", "", 1},
      {"use conditions never stored", "Cartridge A", "BENZENE", 0},
  };
  for (const Case& c : cases) {
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
  app.expectMessage(QuitQuestion, "", MsgAnswer::No);
  ASSERT_TRUE(app.click(input.ExitBtn));
  EXPECT_FALSE(app.programEnded());
  EXPECT_TRUE(input.visible());
  EXPECT_TRUE(input.Continue.hasFocus());

  app.expectMessage(QuitQuestion, "", MsgAnswer::Yes);
  ASSERT_TRUE(app.closeWindow(input));
  EXPECT_TRUE(app.programEnded());
}

}  // namespace
}  // namespace tess::input
