// The data-input screen: the slot rule, "Clear All Vapors", the completeness test of "Continue"
// and the quit question of "Exit".
#include "input/ProgramFixture.h"
#include "platform/text/NumberText.h"

namespace tess::testing {
namespace {

using forms::MsgAnswer;

const std::string SlotOrderMessage = "Lower numbered Organic Vapors must be set first.";
const std::string IncompleteMessage = "All fields must be filled with valid parameters or conditions.";

class InputMasterFiveTest : public ProgramFixture {
 protected:
  void SetUp() override { continueToDataInput(); }

  //! What a vapor screen's Return leaves behind for slot k.
  void storeVapor(int k, const std::string& name, float concentration) {
    state.Vapor[k].ChemName = name;
    state.Vapor[k].MolWt = 78.11f;
    state.Vapor[k].LiqDensity = 0.879f;
    state.Vapor[k].MolPol = 26.2f;
    state.Vapor[k].AvgVapConc = concentration;
    inputMaster.Vap[k].setCaption(name);
  }
  void backToDataInput() {
    program.vaporScreen().hide();
    inputMaster.show();
  }

  InputMasterFive& inputMaster = program.inputMaster();
  frmVaporMulti& vaporScreen = program.vaporScreen();
};

TEST_F(InputMasterFiveTest, ControlsCarryTheirCaptionsColoursAndTabOrder) {
  EXPECT_EQ(inputMaster.Label1.caption(), "Select:");
  EXPECT_EQ(inputMaster.Label2.caption(), "Current:");
  EXPECT_EQ(inputMaster.SelectCart.caption(), "Organic Vapor Cartridge");
  EXPECT_EQ(inputMaster.SelectVap[3].caption(), "Organic Vapor #3");
  EXPECT_EQ(inputMaster.SelectVap[5].toolTip(), "Enter values for a vapor");
  EXPECT_EQ(inputMaster.Continue.toolTip(), "Calculate results based on data input");
  EXPECT_EQ(inputMaster.Vap[2].backColor(), inputMaster.SelectVap[2].backColor());
  EXPECT_EQ(inputMaster.CartName.backColor(), (forms::Color{192, 255, 192}));
  EXPECT_EQ(inputMaster.ExitBtn.backColor(), (forms::Color{255, 0, 0}));
  EXPECT_FALSE(inputMaster.ClearVapors.backColor().has_value());
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(inputMaster.Vap[k].caption(), "None Selected");

  std::vector<std::string> order;
  for (forms::Control* control : inputMaster.tabOrder()) order.push_back(control->displayName());
  EXPECT_EQ(order, (std::vector<std::string>{"SelectUse", "Continue", "ExitBtn", "SelectVap(1)",
                                             "SelectVap(2)", "SelectVap(3)", "SelectVap(4)", "SelectVap(5)",
                                             "SelectCart", "ClearVapors"}));
}

TEST_F(InputMasterFiveTest, SlotBeyondTheNextIsRefusedAndNothingChanges) {
  app.expectMessage(SlotOrderMessage, "Note");
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));
  EXPECT_EQ(state.TotalVapors, 0);
  EXPECT_EQ(state.MixVapors, 0);
  EXPECT_EQ(inputMaster.selectedVapIdx, 0);
  EXPECT_TRUE(inputMaster.visible());
  // The vapor screen is not even loaded, so its file stays closed.
  EXPECT_FALSE(vaporScreen.loaded());
}

TEST_F(InputMasterFiveTest, NextSlotOpensAndCounts) {
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  EXPECT_EQ(state.TotalVapors, 1);
  EXPECT_EQ(state.MixVapors, 1);
  EXPECT_EQ(inputMaster.selectedVapIdx, 1);
  EXPECT_TRUE(vaporScreen.visible());
  EXPECT_FALSE(inputMaster.visible());
  EXPECT_TRUE(vaporScreen.ChemName.hasFocus());
  EXPECT_EQ(vaporScreen.AvgVapConc.text(), "0");

  // Slot 2 is now the next one; slot 4 is still locked.
  backToDataInput();
  app.expectMessage(SlotOrderMessage, "Note");
  ASSERT_TRUE(app.click(inputMaster.SelectVap[4]));
  EXPECT_EQ(state.TotalVapors, 1);
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));
  EXPECT_EQ(state.TotalVapors, 2);
  EXPECT_EQ(state.MixVapors, 2);
  EXPECT_EQ(inputMaster.selectedVapIdx, 2);
}

TEST_F(InputMasterFiveTest, ReopeningAFilledSlotRefillsTheVaporScreenAndKeepsTheCounters) {
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  backToDataInput();
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));
  backToDataInput();
  storeVapor(1, "BENZENE", 250.5f);
  state.MixVapors = 1;

  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  EXPECT_EQ(inputMaster.selectedVapIdx, 1);
  EXPECT_EQ(state.TotalVapors, 2);
  EXPECT_EQ(state.MixVapors, 1);
  EXPECT_TRUE(vaporScreen.visible());
  EXPECT_EQ(vaporScreen.ChemName.text(), "BENZENE");
  EXPECT_EQ(vaporScreen.MolWt.text(), "78.11");
  EXPECT_EQ(vaporScreen.AvgVapConc.text(), "250.5");
}

TEST_F(InputMasterFiveTest, ReopeningASlotLabelledNoneSelectedSetsOnlyTheConcentration) {
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  backToDataInput();
  storeVapor(1, "TOLUENE", 100);
  // The label decides, in any case and with blanks round it; the shared record does not.
  inputMaster.Vap[1].setCaption("  none selected ");
  vaporScreen.ChemName.setText("LEFT OVER");

  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  EXPECT_EQ(vaporScreen.ChemName.text(), "");
  EXPECT_EQ(vaporScreen.MolWt.text(), "");
  EXPECT_EQ(vaporScreen.AvgVapConc.text(), "100");
  EXPECT_EQ(state.TotalVapors, 1);
}

TEST_F(InputMasterFiveTest, ASlotLeftWithoutAVaporIsCountedOutAndOpensAgainNext) {
  // Slot 1 opened and left with the name box reading "None Selected": Return stores nothing.
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  app.editText(vaporScreen.ChemName, "None Selected");
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  EXPECT_TRUE(inputMaster.visible());
  EXPECT_EQ(state.TotalVapors, 0);
  EXPECT_EQ(state.MixVapors, 0);
  app.expectMessage(SlotOrderMessage, "Note");
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));

  // Slot 1 given a vapor; slot 2 opened and left empty: only slot 2 is counted out.
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  app.editText(vaporScreen.ChemName, "BENZENE");
  const std::pair<forms::TextBox*, const char*> fields[] = {
      {&vaporScreen.MolWt, "78.11"},   {&vaporScreen.LiqDensity, "0.879"}, {&vaporScreen.MolPol, "26.25"},
      {&vaporScreen.WaterSol, "0"},    {&vaporScreen.AvgVapConc, "500"},   {&vaporScreen.AntoineA, "15.9"},
      {&vaporScreen.AntoineB, "2788"}, {&vaporScreen.AntoineC, "-52.36"},  {&vaporScreen.CAS, "71-43-2"}};
  for (const auto& [box, text] : fields) app.editText(*box, text);
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  EXPECT_EQ(inputMaster.Vap[1].caption(), "BENZENE");
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));
  EXPECT_EQ(state.TotalVapors, 2);
  app.editText(vaporScreen.ChemName, "none selected");
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  EXPECT_EQ(state.TotalVapors, 1);
  EXPECT_EQ(inputMaster.Vap[2].caption(), "None Selected");

  // Reopening the filled slot 1 and leaving it without a vapor keeps it and its count.
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  ASSERT_TRUE(app.click(vaporScreen.cmdClear));
  ASSERT_TRUE(app.click(vaporScreen.cmdExit));
  EXPECT_EQ(state.TotalVapors, 1);
  EXPECT_EQ(inputMaster.Vap[1].caption(), "BENZENE");
  EXPECT_EQ(state.Vapor[1].ChemName, "BENZENE");

  // Slot 2 is the next one again; slot 3 is still locked.
  app.expectMessage(SlotOrderMessage, "Note");
  ASSERT_TRUE(app.click(inputMaster.SelectVap[3]));
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));
  EXPECT_EQ(state.TotalVapors, 2);
  EXPECT_EQ(inputMaster.selectedVapIdx, 2);
}

TEST_F(InputMasterFiveTest, ClearAllVaporsEmptiesEverySlotAndStartsAgainAtSlotOne) {
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  backToDataInput();
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));
  backToDataInput();
  storeVapor(1, "BENZENE", 250);
  storeVapor(2, "TOLUENE", 100);
  state.Vapor[2].CAS = "108-88-3";
  state.Vapor[2].Beta = 1.5;
  state.Cart.CartName = "Cartridge A";
  state.AtmPressure = 1;

  ASSERT_TRUE(app.click(inputMaster.ClearVapors));
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(inputMaster.Vap[k].caption(), "None Selected");
    EXPECT_EQ(state.Vapor[k].ChemName, "None Selected");
    EXPECT_TRUE(isNoneSelectedExact(state.Vapor[k].ChemName));
    EXPECT_EQ(state.Vapor[k].MolWt, 0);
    EXPECT_EQ(state.Vapor[k].AvgVapConc, 0);
    EXPECT_EQ(state.Vapor[k].CAS, "");
  }
  EXPECT_EQ(state.TotalVapors, 0);
  EXPECT_EQ(state.MixVapors, 0);
  // What the button leaves alone: the slot index, derived values, the cartridge, the conditions.
  EXPECT_EQ(inputMaster.selectedVapIdx, 2);
  EXPECT_EQ(state.Vapor[2].Beta, 1.5);
  EXPECT_EQ(state.Cart.CartName, "Cartridge A");
  EXPECT_EQ(state.AtmPressure, 1);

  app.expectMessage(SlotOrderMessage, "Note");
  ASSERT_TRUE(app.click(inputMaster.SelectVap[2]));
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  EXPECT_EQ(state.TotalVapors, 1);
  EXPECT_EQ(inputMaster.selectedVapIdx, 1);
}

TEST_F(InputMasterFiveTest, ContinueRefusesIncompleteInput) {
  struct Case {
    const char* what;
    const char* cartridge;
    const char* vapor1;
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
    inputMaster.CartName.setCaption(c.cartridge);
    inputMaster.Vap[1].setCaption(c.vapor1);
    state.AtmPressure = c.atmPressure;
    app.expectMessage(IncompleteMessage, "Note");
    ASSERT_TRUE(app.click(inputMaster.Continue));
    EXPECT_TRUE(inputMaster.visible());
    EXPECT_FALSE(program.results().visible());
    EXPECT_FALSE(program.results().loaded());
  }
}

TEST_F(InputMasterFiveTest, ContinueWithOnlySlotOneGoesToTheResultsScreen) {
  ASSERT_TRUE(app.click(inputMaster.SelectVap[1]));
  backToDataInput();
  storeVapor(1, "BENZENE", 250);
  inputMaster.CartName.setCaption("Cartridge A");
  state.Cart.CartName = "Cartridge A";
  state.AtmPressure = 1;

  ASSERT_TRUE(app.click(inputMaster.Continue));
  BreakTimeFive& results = program.results();
  EXPECT_FALSE(inputMaster.visible());
  EXPECT_TRUE(results.visible());
  EXPECT_TRUE(results.VapBkConc[1].hasFocus());
  EXPECT_EQ(results.VapNm[1].caption(), "BENZENE");
}

TEST_F(InputMasterFiveTest, ExitAnsweredNoPutsTheFocusOnContinue) {
  app.expectMessage(QuitQuestion, "", MsgAnswer::No);
  ASSERT_TRUE(app.click(inputMaster.ExitBtn));
  EXPECT_FALSE(app.programEnded());
  EXPECT_TRUE(inputMaster.visible());
  EXPECT_TRUE(inputMaster.Continue.hasFocus());

  // The close box asks the same question; Yes ends the program.
  app.expectMessage(QuitQuestion, "", MsgAnswer::Yes);
  ASSERT_TRUE(app.closeWindow(inputMaster));
  EXPECT_TRUE(app.programEnded());
}

}  // namespace
}  // namespace tess::testing
