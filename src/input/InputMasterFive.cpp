#include "input/InputMasterFive.h"

#include <string>
#include <utility>

#include "databases/frmCartridgeMulti.h"
#include "databases/frmVaporMulti.h"
#include "input/UseOneM.h"
#include "platform/forms/Application.h"
#include "platform/text/NumberText.h"
#include "results/BreakTimeFive.h"
#include "screens/QuitQuestion.h"
#include "screens/ScreenColors.h"
#include "state/SetUp.h"

namespace tess::input {
namespace {

constexpr int ButtonLeft = 360;    // [twips] left column: the buttons
constexpr int ButtonWidth = 2655;  // [twips]
constexpr int LabelLeft = 3240;    // [twips] right column: the current values
constexpr int LabelWidth = 3135;   // [twips]
constexpr int RowTop = 660;        // [twips] top of row 1
constexpr int RowStep = 600;       // [twips]
constexpr int RowHeight = 495;     // [twips]

int rowTop(int row) { return RowTop + (row - 1) * RowStep; }

}  // namespace

InputMasterFive::InputMasterFive(screens::ScreenContext context)
    : Form(context.app, "InputMasterFive"), m_context(context) {
  setCaption("Data Input");
  setClientSize(6735, rowTop(8) + RowHeight + 240);
  forms::Font captionFont = font();
  captionFont.bold = true;
  setFont(captionFont);

  const forms::Font headingFont{"Times New Roman", 12, true};
  Label1.setCaption("Select:");
  Label1.setFont(headingFont);
  Label1.setGeometry({ButtonLeft, 180, ButtonWidth, 375});
  Label2.setCaption("Current:");
  Label2.setFont(headingFont);
  Label2.setGeometry({LabelLeft, 180, LabelWidth, 375});

  // Each label takes the colour of its button; its caption sits in the middle of the row.
  const auto placeRow = [](forms::Button& button, forms::Label& label, int row, forms::Color colour) {
    button.setBackColor(colour);
    button.setGeometry({ButtonLeft, rowTop(row), ButtonWidth, RowHeight});
    label.setBackColor(colour);
    label.setCaption(std::string(NoneSelected));
    label.setBorder(true);
    label.setGeometry({LabelLeft, rowTop(row), LabelWidth, RowHeight});
  };
  SelectCart.setCaption("Organic Vapor Cartridge");
  SelectCart.setToolTip("Enter values for the cartridge");
  placeRow(SelectCart, CartName, 1, screens::LightGreen);
  for (int k = 1; k <= MaxVapors; ++k) {
    SelectVap[k].setCaption("Organic Vapor #" + std::to_string(k));
    SelectVap[k].setToolTip("Enter values for a vapor");
    placeRow(SelectVap[k], Vap[k], k + 1, screens::LightBlue);
  }
  SelectUse.setCaption("Use Conditions");
  SelectUse.setToolTip("Enter values for the use conditions");
  SelectUse.setBackColor(screens::LightRed);
  SelectUse.setGeometry({ButtonLeft, rowTop(7), ButtonWidth, RowHeight});
  Continue.setCaption("Continue");
  Continue.setToolTip("Calculate results based on data input");
  Continue.setBackColor(screens::LightOrange);
  Continue.setGeometry({ButtonLeft, rowTop(8), ButtonWidth, RowHeight});
  ClearVapors.setCaption("Clear All Vapors");
  ClearVapors.setGeometry({LabelLeft + LabelWidth - 1935, rowTop(7), 1935, RowHeight});
  ExitBtn.setCaption("Exit");
  ExitBtn.setToolTip("Exit program");
  ExitBtn.setBackColor(screens::Red);
  ExitBtn.setGeometry({LabelLeft + LabelWidth - 1935, rowTop(8), 1935, RowHeight});

  int tabIndex = 0;
  SelectUse.setTabIndex(tabIndex++);
  Continue.setTabIndex(tabIndex++);
  ExitBtn.setTabIndex(tabIndex++);
  for (int k = 1; k <= MaxVapors; ++k) SelectVap[k].setTabIndex(tabIndex++);
  SelectCart.setTabIndex(tabIndex++);
  ClearVapors.setTabIndex(tabIndex++);

  onLoad = [this] { InputMasterFive_Form_Load(); };
  SelectCart.onClick = [this] { InputMasterFive_SelectCart_Click(); };
  for (int k = 1; k <= MaxVapors; ++k) {
    SelectVap[k].onClick = [this, k] { InputMasterFive_SelectVap_Click(static_cast<std::int16_t>(k)); };
  }
  SelectUse.onClick = [this] { InputMasterFive_SelectUse_Click(); };
  ClearVapors.onClick = [this] { InputMasterFive_ClearVapors_Click(); };
  Continue.onClick = [this] { InputMasterFive_Continue_Click(); };
  ExitBtn.onClick = [this] { InputMasterFive_ExitBtn_Click(); };
  // The close box asks the quit question, as "Exit" does.
  setCloseHook([this] { app().click(ExitBtn); });
}

bool InputMasterFive::labelIsEmpty(const forms::Label& label) {
  return label.caption().empty() || isNoneSelectedTrimmed(label.caption());
}

bool InputMasterFive::slotReadsNoneSelected(int Index) const {
  return Index >= 1 && Index <= MaxVapors && isNoneSelectedTrimmed(Vap[Index].caption());
}

void InputMasterFive::InputMasterFive_Form_Load() {
  show();
  SelectCart.setFocus();
  m_context.state.MixVapors = 0;
}

void InputMasterFive::InputMasterFive_SelectCart_Click() {
  m_context.screens.cartridgeScreen->show();
  hide();
}

void InputMasterFive::InputMasterFive_SelectVap_Click(std::int16_t Index) { SelectVapor(Index); }

void InputMasterFive::SelectVapor(int Index) {
  SetUp& state = m_context.state;
  databases::frmVaporMulti& vaporScreen = *m_context.screens.vaporScreen;
  // A screen that this click loads reads its file as it is now, and has said what kept it from it.
  const bool readBefore = vaporScreen.loaded();
  if (Index > state.TotalVapors) {
    if (Index != state.TotalVapors + 1) {
      m_context.app.messageBox("Lower numbered Organic Vapors must be set first.", "Note");
      return;
    }
    // The next unopened slot: it counts from now on, whether or not a vapor is stored in it. The
    // vapor screen keeps what it last held, apart from the refill below.
    state.TotalVapors = static_cast<std::int16_t>(state.TotalVapors + 1);
    state.MixVapors = state.TotalVapors;
    selectedVapIdx = static_cast<std::int16_t>(Index);
    vaporScreen.show();
    vaporScreen.ChemName.setFocus();
    hide();
  } else {
    // A slot opened before: shown again from what the slot holds.
    selectedVapIdx = static_cast<std::int16_t>(Index);
    vaporScreen.ClearVaporForm();
    if (!slotReadsNoneSelected(Index)) vaporScreen.SetOldVaporFields(Index);
    vaporScreen.show();
    vaporScreen.ChemName.setFocus();
    hide();
  }
  // The list shows the vapor file as it is now, with what other copies of the program added.
  if (readBefore) {
    vaporScreen.refreshRecords();
  } else {
    vaporScreen.RefillChemicalList(vaporScreen.NumVaporRecords());
  }
  // Emptying the name list empties the name box, so the slot's fields are shown again after it. A
  // blank label (a slot that the results display found without a vapor) is no "None Selected":
  // the slot's own values are shown, so that nothing of the vapor last on the screen stays there.
  if (!slotReadsNoneSelected(selectedVapIdx)) vaporScreen.SetOldVaporFields(selectedVapIdx);
  vaporScreen.AvgVapConc.setText(tess::text::singleToText(state.Vapor[selectedVapIdx].AvgVapConc));
}

void InputMasterFive::InputMasterFive_SelectUse_Click() {
  m_context.screens.useConditions->show();
  hide();
}

void InputMasterFive::InputMasterFive_ClearVapors_Click() {
  SetUp& state = m_context.state;
  for (int k = 1; k <= MaxVapors; ++k) {
    // Every entered value goes; Beta, MolarVol and Psat stay until the next calculation derives
    // them again.
    VaporData& vapor = state.Vapor[k];
    VaporData cleared;
    cleared.ChemName = std::string(NoneSelected);
    cleared.Beta = vapor.Beta;
    cleared.MolarVol = vapor.MolarVol;
    cleared.Psat = vapor.Psat;
    vapor = std::move(cleared);
    Vap[k].setCaption(std::string(NoneSelected));
  }
  state.TotalVapors = 0;
  state.MixVapors = 0;
}

void InputMasterFive::InputMasterFive_Continue_Click() {
  const bool incomplete = labelIsEmpty(CartName) || labelIsEmpty(Vap[1]) || m_context.state.AtmPressure == 0;
  if (incomplete) {
    m_context.app.messageBox("All fields must be filled with valid parameters or conditions.", "Note");
    return;
  }
  results::BreakTimeFive& results = *m_context.screens.results;
  results.ShowInputsOnResults();
  results.ClearResults();
  hide();
  results.show();
  results.VapBkConc[1].setFocus();
}

void InputMasterFive::InputMasterFive_ExitBtn_Click() {
  if (screens::askQuitQuestion(m_context.app)) {
    m_context.app.endProgram();
    return;
  }
  show();
  Continue.setFocus();
}

}  // namespace tess::input
