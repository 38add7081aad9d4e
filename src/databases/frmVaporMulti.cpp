#include "databases/frmVaporMulti.h"

#include <iterator>
#include <span>

#include "databases/DatabaseScreenSteps.h"
#include "databases/ExitDialog.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Application.h"
#include "platform/text/NumberText.h"
#include "platform/text/TextTrim.h"
#include "records/VaporRecord.h"
#include "records/modVapor.h"
#include "screens/ScreenColors.h"
#include "screens/ScreenViews.h"
#include "state/SetUp.h"

namespace tess::databases {

using records::VaporRecord;

namespace {

//! The vapor screen's light blue [RGB].
using screens::LightBlue;

//! Title of the messages about the vapor file itself (it cannot be opened, read or written).
constexpr const char* FileMessageTitle = "Vapor Database";

//! A slot label counts as empty when it is blank or reads "None Selected" in any case.
bool slotLabelEmpty(const std::string& caption) { return caption.empty() || isNoneSelectedTrimmed(caption); }

}  // namespace

frmVaporMulti::frmVaporMulti(screens::ScreenContext context)
    : Form(context.app, "frmVaporMulti"),
      m_context(context),
      m_vaporFile(std::make_unique<records::modVapor>()) {
  setUpControls();
  wireHandlers();
}

frmVaporMulti::~frmVaporMulti() = default;

void frmVaporMulti::setUpControls() {
  setUpDatabaseWindow(*this, "Organic Vapor Data", 5490, 7155, cmdExit);

  struct BoxSetting {
    forms::TextControl* box;
    const char* initialText;
    int tabIndex;
    forms::Rect geometry;
    const char* toolTip;
  };
  const BoxSetting boxes[] = {
      {&ChemName, "None Selected", 0, {840, 840, 4455, 315},
       "Select a chemical using the drop down arrow or enter a new chemical name"},
      {&MolWt, " ", 1, {2370, 2160, 1215, 375}, "Enter the molecular weight"},
      {&LiqDensity, " ", 2, {2370, 2730, 1215, 375}, "Enter the liquid density"},
      {&MolPol, " ", 3, {2370, 3300, 1215, 375}, "Enter the molecular polarizability"},
      {&WaterSol, " ", 4, {2370, 3870, 1215, 375}, "Enter the water solubility factor"},
      {&AvgVapConc, "", 5, {2370, 4440, 1215, 375}, "Enter the average vapor concentration"},
      {&AntoineA, " ", 6, {2370, 5160, 1215, 375}, "Enter parameter A "},
      {&AntoineB, " ", 7, {2370, 5760, 1215, 375}, "Enter parameter B"},
      {&AntoineC, "", 8, {2370, 6360, 1215, 375}, "Enter parameter C"},
      {&CAS, "", 24, {2400, 1320, 1215, 375}, "Enter the CAS number (can be used to search for data)."},
  };
  for (const BoxSetting& setting : boxes) {
    setting.box->setInitialText(setting.initialText);
    setting.box->setTabIndex(setting.tabIndex);
    setting.box->setGeometry(setting.geometry);
    setting.box->setToolTip(setting.toolTip);
    setting.box->setBackColor(LightBlue);
  }

  setUpButtons(
      {
          {&cmdExit, "Return", 9, {4080, 6120, 1095, 615}, "Return to top level Data Input screen"},
          {&cmdSearch, " Search for Data", 10, {4080, 2160, 1095, 615},
           "Search for data fields for the selected chemical name or CAS number"},
          {&cmdSave, "   Save     Entry in Database", 11, {4080, 2940, 1095, 615},
           "Save the entered data fields for the selected chemical name"},
          {&cmdClear, "   Clear     Data", 12, {4080, 3720, 1095, 615}, "Clear all current data entry fields"},
      },
      LightBlue);

  struct LabelSetting {
    forms::Label* label;
    const char* caption;
    forms::Rect geometry;
  };
  const LabelSetting labels[] = {
      {&Label1,
       "Select a vapor from the list below, enter its name, or enter its CAS number. Then search for or "
       "enter data.",
       {240, 240, 4815, 495}},
      {&Label2, "Name", {240, 840, 495, 255}},
      {&Label12, "CAS Number", {240, 1440, 1935, 255}},
      {&Label3, "Molecular Weight", {240, 2160, 1815, 495}},
      {&Label4, "Liquid Density", {240, 2730, 1815, 495}},
      {&Label5, "Molecular Polarizability", {240, 3300, 1815, 495}},
      {&Label6, "Water Solubility Factor", {240, 3870, 1815, 495}},
      {&Label7, "Average Vapor Concentration (ppm)", {240, 4440, 2055, 495}},
      {&Label8, "Antoine Vapor Pressure Parameters (torr)", {240, 5160, 975, 1575}},
      {&Label9, "A", {1440, 5160, 255, 615}},
      {&Label10, "B", {1440, 5760, 255, 495}},
      {&Label11, "C", {1440, 6360, 255, 375}},
  };
  int labelTabIndex = 13;
  for (const LabelSetting& setting : labels) {
    setting.label->setCaption(setting.caption);
    setting.label->setGeometry(setting.geometry);
    setting.label->setTabIndex(labelTabIndex++);
  }

  Line4.setPoints(120, 1920, 5400, 1920);
  Line1.setPoints(0, 5040, 3720, 5040);
  Line3.setPoints(3720, 5040, 3720, 6840);
  Line2.setPoints(120, 6840, 3720, 6840);

  // The Enter chain follows the tab order; the last box hands the focus to Return.
  m_MolWt.setNext(&LiqDensity);
  m_LiqDensity.setNext(&MolPol);
  m_MolPol.setNext(&WaterSol);
  m_WaterSol.setNext(&AvgVapConc);
  m_AvgVapConc.setNext(&AntoineA);
  m_AntoineA.setNext(&AntoineB);
  m_AntoineB.setNext(&AntoineC);
  m_AntoineC.setNext(&cmdExit);
}

void frmVaporMulti::wireHandlers() {
  onLoad = [this] { frmVaporMulti_Form_Load(); };
  ChemName.onChange = [this] { frmVaporMulti_ChemName_Change(); };
  ChemName.onClick = [this] { frmVaporMulti_ChemName_Click(); };
  ChemName.onGotFocus = [this] { frmVaporMulti_ChemName_GotFocus(); };
  ChemName.onLostFocus = [this] { frmVaporMulti_ChemName_LostFocus(); };
  CAS.onGotFocus = [this] { frmVaporMulti_CAS_GotFocus(); };
  CAS.onLostFocus = [this] { frmVaporMulti_CAS_LostFocus(); };
  cmdSearch.onClick = [this] { frmVaporMulti_cmdSearch_Click(); };
  cmdSave.onClick = [this] { frmVaporMulti_cmdSave_Click(); };
  cmdClear.onClick = [this] { frmVaporMulti_cmdClear_Click(); };
  cmdExit.onClick = [this] { frmVaporMulti_cmdExit_Click(); };

  MolWt.onGotFocus = [this] { frmVaporMulti_MolWt_GotFocus(); };
  MolWt.onKeyDown = [this](int k, int s) { frmVaporMulti_MolWt_KeyDown(k, s); };
  MolWt.onValidate = [this](bool& c) { frmVaporMulti_MolWt_Validate(c); };
  LiqDensity.onGotFocus = [this] { frmVaporMulti_LiqDensity_GotFocus(); };
  LiqDensity.onKeyDown = [this](int k, int s) { frmVaporMulti_LiqDensity_KeyDown(k, s); };
  LiqDensity.onValidate = [this](bool& c) { frmVaporMulti_LiqDensity_Validate(c); };
  MolPol.onGotFocus = [this] { frmVaporMulti_MolPol_GotFocus(); };
  MolPol.onKeyDown = [this](int k, int s) { frmVaporMulti_MolPol_KeyDown(k, s); };
  MolPol.onValidate = [this](bool& c) { frmVaporMulti_MolPol_Validate(c); };
  WaterSol.onGotFocus = [this] { frmVaporMulti_WaterSol_GotFocus(); };
  WaterSol.onKeyDown = [this](int k, int s) { frmVaporMulti_WaterSol_KeyDown(k, s); };
  WaterSol.onValidate = [this](bool& c) { frmVaporMulti_WaterSol_Validate(c); };
  AvgVapConc.onGotFocus = [this] { frmVaporMulti_AvgVapConc_GotFocus(); };
  AvgVapConc.onKeyDown = [this](int k, int s) { frmVaporMulti_AvgVapConc_KeyDown(k, s); };
  AvgVapConc.onValidate = [this](bool& c) { frmVaporMulti_AvgVapConc_Validate(c); };
  AntoineA.onGotFocus = [this] { frmVaporMulti_AntoineA_GotFocus(); };
  AntoineA.onKeyDown = [this](int k, int s) { frmVaporMulti_AntoineA_KeyDown(k, s); };
  AntoineA.onValidate = [this](bool& c) { frmVaporMulti_AntoineA_Validate(c); };
  AntoineB.onGotFocus = [this] { frmVaporMulti_AntoineB_GotFocus(); };
  AntoineB.onKeyDown = [this](int k, int s) { frmVaporMulti_AntoineB_KeyDown(k, s); };
  AntoineB.onValidate = [this](bool& c) { frmVaporMulti_AntoineB_Validate(c); };
  AntoineC.onGotFocus = [this] { frmVaporMulti_AntoineC_GotFocus(); };
  AntoineC.onKeyDown = [this](int k, int s) { frmVaporMulti_AntoineC_KeyDown(k, s); };
  AntoineC.onValidate = [this](bool& c) { frmVaporMulti_AntoineC_Validate(c); };
}

std::array<forms::TextBox*, 9> frmVaporMulti::dataBoxes() {
  return {&MolWt, &LiqDensity, &MolPol, &WaterSol, &AvgVapConc, &AntoineA, &AntoineB, &AntoineC, &CAS};
}

// ---- Loading, the index and the list ----

void frmVaporMulti::frmVaporMulti_Form_Load() {
  // Opening counts the records and builds the index; a file that cannot be opened or read leaves
  // an empty (or read-only) database, and the screen stays usable. The list is filled before the
  // message about the file is shown.
  const records::FileReport report =
      m_vaporFile->open(tess::files::utf8ToPath(m_context.programFolder), m_context.fileOpener);
  if (NumVaporRecords() > 0) FillChemicalList(NumVaporRecords());
  reportFileProblem(*this, report, FileMessageTitle);
}

void frmVaporMulti::CreateIndex() {
  ensureLoaded();
  reportFileProblem(*this, m_vaporFile->CreateIndex(), FileMessageTitle);
}

void frmVaporMulti::FillChemicalList(int numVapors) {
  ensureLoaded();
  fillNameList(ChemName, m_vaporFile->VaporIndex(), numVapors);
}

void frmVaporMulti::RefillChemicalList(int numVapors) {
  ensureLoaded();
  ChemName.clear();
  FillChemicalList(numVapors);
}

void frmVaporMulti::refreshRecords() {
  ensureLoaded();
  const records::FileReport report = m_vaporFile->refresh();
  RefillChemicalList(NumVaporRecords());
  reportFileProblem(*this, report, FileMessageTitle);
}

std::int16_t frmVaporMulti::NumVaporRecords() const { return m_vaporFile->NumVaporRecords(); }

void frmVaporMulti::closeFile() { m_vaporFile->close(); }

// ---- Showing a record, Search and Save ----

void frmVaporMulti::showRecord(const VaporRecord& record) {
  // The name first: its Change empties the other boxes. The record holds the eight numbers and the
  // CAS number in the order of the boxes after the name.
  ChemName.setText(trimmedTrailing(record.ChemName));
  const std::array<forms::TextBox*, 9> boxes = dataBoxes();
  static_assert(std::size(records::VaporRecordFields) == 1 + 9);
  for (std::size_t i = 0; i + 1 < boxes.size(); ++i) {
    boxes[i]->setText(trimmedTrailing(record.*records::VaporRecordFields[i + 1].text));
  }
  CAS.setText(std::string(tess::text::trimBlanks(record.CAS)));
}

void frmVaporMulti::ShowVaporRecord(std::int16_t n) {
  ensureLoaded();
  if (reportFileProblem(*this, m_vaporFile->readRecord(n), FileMessageTitle)) return;
  showRecord(m_vaporFile->VaporRec());
}

std::int16_t frmVaporMulti::Search(const std::string& findText) {
  ensureLoaded();
  // Another program may have written or replaced the file since it was read. Either way the list
  // is filled from the file as it is now before the message about it is shown.
  const records::FileReport report = m_vaporFile->refresh();
  const records::VaporSearchResult result = m_vaporFile->Search(findText, SearchByCAS);
  if (SearchByCAS == 1) {
    ChemName.addItems(result.casMatchNames);
  } else {
    RefillChemicalList(NumVaporRecords());
  }
  reportFileProblem(*this, report, FileMessageTitle);
  return result.position;
}

void frmVaporMulti::frmVaporMulti_cmdSearch_Click() {
  std::string key;
  if (SearchByCAS != 1) {
    key = records::searchKey(ChemName.text());
  } else {
    key = std::string(tess::text::trimBlanks(CAS.text()));
    ChemName.clear();
  }
  const std::int16_t position = Search(key);
  if (position > 0) {
    ShowVaporRecord(m_vaporFile->VaporIndex()[static_cast<std::size_t>(position)].RecNum);
    // Showing the name normally clears the flag through Change; a stored name equal to the
    // emptied box fires no Change, so the found record is the name's from here on either way.
    SearchByCAS = 0;
  } else {
    app().messageBox("Can't find " + key + ".", "Search for a Record");
  }
}

void frmVaporMulti::frmVaporMulti_cmdSave_Click() {
  const std::string name = ChemName.text();
  if (tess::text::trimBlanks(name).empty()) {
    app().messageBox("Enter a chemical name.", "Add a Record");
    return;
  }
  // The eight numbers; the CAS number is a name, never read as a number.
  const std::array<forms::TextBox*, 9> boxes = dataBoxes();
  if (refusesAComma(std::span(boxes).first<8>())) return;
  if (!confirmStoredName(*this, name)) return;
  const std::string key = records::searchKey(name);
  const VaporRecord record =
      VaporRecord::assemble(name, MolWt.text(), LiqDensity.text(), MolPol.text(), WaterSol.text(), AvgVapConc.text(),
                            AntoineA.text(), AntoineB.text(), AntoineC.text(), CAS.text());
  const SaveSteps steps{
      .lookUp = [&] { return m_vaporFile->findName(key); },
      .showFileAtPath =
          [&] {
            const std::int16_t searchByCAS = SearchByCAS;  // Save leaves the flag as it is
            refillKeepingEntry(ChemName, dataBoxes(), [&] { RefillChemicalList(NumVaporRecords()); });
            SearchByCAS = searchByCAS;
          },
      // Appended: the list takes the new name in and the boxes show the record as the file holds it.
      .showAppended =
          [&] {
            RefillChemicalList(NumVaporRecords());
            showRecord(m_vaporFile->VaporRec());
          },
  };
  saveRecord(*this, *m_vaporFile, record, "This chemical is already on file.", steps);
}

// ---- The name box, the CAS box and SearchByCAS ----

void frmVaporMulti::frmVaporMulti_ChemName_Change() {
  SearchByCAS = 0;
  ClearVaporData();
}

// Choosing an entry from the list names another chemical, just as typing its name does: the boxes
// must not go on showing the previous chemical's numbers under the chosen name.
void frmVaporMulti::frmVaporMulti_ChemName_Click() { frmVaporMulti_ChemName_Change(); }

void frmVaporMulti::frmVaporMulti_ChemName_GotFocus() {
  if (ChemName.text().empty()) ChemName.setText(std::string(NoneSelected));
  ChemName.selectAll();
}

void frmVaporMulti::frmVaporMulti_ChemName_LostFocus() { SearchByCAS = 0; }

void frmVaporMulti::frmVaporMulti_CAS_GotFocus() { CAS.selectAll(); }

void frmVaporMulti::frmVaporMulti_CAS_LostFocus() { SearchByCAS = 1; }

// ---- Clearing and filling the boxes ----

void frmVaporMulti::ClearVaporData() {
  ensureLoaded();
  for (forms::TextBox* box : dataBoxes()) box->setText("");
}

void frmVaporMulti::ClearVaporForm() {
  ensureLoaded();
  ClearVaporData();
  ChemName.setText("");
}

void frmVaporMulti::frmVaporMulti_cmdClear_Click() {
  ClearVaporForm();
  ChemName.setFocus();
}

void frmVaporMulti::SetOldVaporFields(int vapIndex) {
  ensureLoaded();
  if (vapIndex < 1 || vapIndex > MaxVapors) return;
  const VaporData& slot = m_context.state.Vapor[static_cast<std::size_t>(vapIndex)];
  // The name first: its Change empties the other boxes.
  ChemName.setText(slot.ChemName);
  MolWt.setText(tess::text::singleToText(slot.MolWt));
  LiqDensity.setText(tess::text::singleToText(slot.LiqDensity));
  MolPol.setText(tess::text::singleToText(slot.MolPol));
  WaterSol.setText(tess::text::singleToText(slot.WaterSol));
  AvgVapConc.setText(tess::text::singleToText(slot.AvgVapConc));
  AntoineA.setText(tess::text::singleToText(slot.AntoineA));
  AntoineB.setText(tess::text::singleToText(slot.AntoineB));
  AntoineC.setText(tess::text::singleToText(slot.AntoineC));
  CAS.setText(slot.CAS);
}

// ---- Return ----

void frmVaporMulti::frmVaporMulti_cmdExit_Click() {
  screens::DataInputView& input = *m_context.screens.dataInput;
  SetUp& state = m_context.state;
  const int k = input.selectedVapIdx;

  if (isNoneSelectedTrimmed(ChemName.text())) {
    // Left without a vapor: nothing is stored. A slot that was just opened (the last one opened,
    // its label still empty) is counted out again, so that it is the next to open and the
    // calculation never meets an empty slot.
    --state.MixVapors;
    if (k >= 1 && k <= MaxVapors && k == state.TotalVapors && slotLabelEmpty(input.Vap[k].caption())) {
      --state.TotalVapors;
    }
    hide();
    input.show();
    return;
  }

  bool incomplete = ChemName.text().empty();
  for (const forms::TextBox* box : dataBoxes()) incomplete = incomplete || box->text().empty();
  if (incomplete) {
    ShowExitDialog();
    ChemName.setFocus();
    return;
  }
  if (k < 1 || k > MaxVapors) {
    // No slot to fill: the data-input screen always names one before it shows this screen.
    hide();
    input.show();
    return;
  }

  VaporData& slot = state.Vapor[static_cast<std::size_t>(k)];
  const bool stored =
      storeReturnedNumbers(*this, {{&m_MolWt, "molecular weight", &slot.MolWt},
                                   {&m_LiqDensity, "liquid density", &slot.LiqDensity},
                                   {&m_MolPol, "molecular polarizability", &slot.MolPol},
                                   {&m_WaterSol, "water solubility factor", &slot.WaterSol},
                                   {&m_AvgVapConc, "average vapor concentration", &slot.AvgVapConc},
                                   {&m_AntoineA, "Antoine parameter A", &slot.AntoineA},
                                   {&m_AntoineB, "Antoine parameter B", &slot.AntoineB},
                                   {&m_AntoineC, "Antoine parameter C", &slot.AntoineC}});
  if (!stored) return;  // nothing stored; the focus is in the box to correct

  slot.ChemName = ChemName.text();
  slot.CAS = CAS.text();

  hide();
  input.Vap[k].setCaption(ChemName.text());
  input.show();
  if (k < MaxVapors) {
    input.SelectVap[k + 1].setFocus();
  } else {
    input.SelectUse.setFocus();
  }
}

void frmVaporMulti::ShowExitDialog() { showExitDialogOver(*this, *m_context.screens.exitDialog); }

// ---- The eight numeric boxes ----

void frmVaporMulti::frmVaporMulti_MolWt_GotFocus() { m_MolWt.GotFocus(); }
void frmVaporMulti::frmVaporMulti_MolWt_KeyDown(int KeyCode, int Shift) { m_MolWt.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_MolWt_Validate(bool& Cancel) { m_MolWt.Validate(Cancel); }
void frmVaporMulti::frmVaporMulti_LiqDensity_GotFocus() { m_LiqDensity.GotFocus(); }
void frmVaporMulti::frmVaporMulti_LiqDensity_KeyDown(int KeyCode, int Shift) { m_LiqDensity.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_LiqDensity_Validate(bool& Cancel) { m_LiqDensity.Validate(Cancel); }
void frmVaporMulti::frmVaporMulti_MolPol_GotFocus() { m_MolPol.GotFocus(); }
void frmVaporMulti::frmVaporMulti_MolPol_KeyDown(int KeyCode, int Shift) { m_MolPol.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_MolPol_Validate(bool& Cancel) { m_MolPol.Validate(Cancel); }
void frmVaporMulti::frmVaporMulti_WaterSol_GotFocus() { m_WaterSol.GotFocus(); }
void frmVaporMulti::frmVaporMulti_WaterSol_KeyDown(int KeyCode, int Shift) { m_WaterSol.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_WaterSol_Validate(bool& Cancel) { m_WaterSol.Validate(Cancel); }
void frmVaporMulti::frmVaporMulti_AvgVapConc_GotFocus() { m_AvgVapConc.GotFocus(); }
void frmVaporMulti::frmVaporMulti_AvgVapConc_KeyDown(int KeyCode, int Shift) { m_AvgVapConc.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_AvgVapConc_Validate(bool& Cancel) { m_AvgVapConc.Validate(Cancel); }
void frmVaporMulti::frmVaporMulti_AntoineA_GotFocus() { m_AntoineA.GotFocus(); }
void frmVaporMulti::frmVaporMulti_AntoineA_KeyDown(int KeyCode, int Shift) { m_AntoineA.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_AntoineA_Validate(bool& Cancel) { m_AntoineA.Validate(Cancel); }
void frmVaporMulti::frmVaporMulti_AntoineB_GotFocus() { m_AntoineB.GotFocus(); }
void frmVaporMulti::frmVaporMulti_AntoineB_KeyDown(int KeyCode, int Shift) { m_AntoineB.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_AntoineB_Validate(bool& Cancel) { m_AntoineB.Validate(Cancel); }
void frmVaporMulti::frmVaporMulti_AntoineC_GotFocus() { m_AntoineC.GotFocus(); }
void frmVaporMulti::frmVaporMulti_AntoineC_KeyDown(int KeyCode, int Shift) { m_AntoineC.KeyDown(KeyCode, Shift); }
void frmVaporMulti::frmVaporMulti_AntoineC_Validate(bool& Cancel) { m_AntoineC.Validate(Cancel); }

}  // namespace tess::databases
