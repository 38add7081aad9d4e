#include "databases/frmCartridgeMulti.h"

#include <iterator>
#include <utility>

#include "databases/DatabaseScreenSteps.h"
#include "databases/ExitDialog.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Application.h"
#include "platform/text/LeadingNumber.h"
#include "platform/text/TextTrim.h"
#include "records/CartridgeRecord.h"
#include "records/ModCartridge.h"
#include "screens/ScreenColors.h"
#include "screens/ScreenViews.h"
#include "state/SetUp.h"

namespace tess::databases {

using records::CartridgeRecord;

namespace {

//! The cartridge screen's light green [RGB].
using screens::LightGreen;

//! Title of the messages about the cartridge file itself (it cannot be opened, read or written).
constexpr const char* FileMessageTitle = "Cartridge Database";

}  // namespace

frmCartridgeMulti::frmCartridgeMulti(screens::ScreenContext context)
    : Form(context.app, "frmCartridgeMulti"),
      m_context(context),
      m_cartridgeFile(std::make_unique<records::ModCartridge>()) {
  setUpControls();
  wireHandlers();
}

frmCartridgeMulti::~frmCartridgeMulti() = default;

void frmCartridgeMulti::setUpControls() {
  setUpDatabaseWindow(*this, "Cartridge or Carbon Bed Data", 5520, 5715, cmdExit);

  Label8.setCaption("Select from the list below or enter a new cartridge.");
  Label8.setGeometry({840, 120, 4455, 255});
  Label2.setCaption("Name");
  Label2.setGeometry({120, 360, 495, 255});

  CartName.setInitialText(std::string(NoneSelected));
  CartName.setTabIndex(0);
  CartName.setGeometry({720, 360, 4575, 315});
  CartName.setToolTip("Select a cartridge using the drop down arrow or enter a new cartridge name ");
  CartName.setBackColor(LightGreen);

  // The eight fields in one column, about 585 twips apart, each with its label on the same top.
  struct FieldSetting {
    forms::TextBox* box;
    forms::Label* label;
    const char* caption;
    const char* toolTip;
  };
  const FieldSetting fields[] = {
      {&BedDiam, &Label3, "Bed Diameter (cm)", "Enter the bed diameter in centimeters"},
      {&Bed_Depth, &Label4, "Bed Depth (cm)", "Enter the bed depth in centimeters"},
      {&CarbWgt, &Label5, "Carbon Weight (g) per Cartridge or Bed", "Enter the carbon weight in grams"},
      {&MicVol, &Label7, "Micropore Volume (cm3/g)", "Enter the micropore volume in cubic centimeters per gram"},
      {&RelHumPre, &Label1, "Preconditioned Relative Humidity (%)",
       "Enter the percent for preconditioned relative humidity"},
      {&DiamGran, &Label6, "Carbon Granule Average Diameter (cm)",
       "Enter the carbon granule average diameter in centimeters"},
      {&APBenzene, &Label9, "Adsorption Potential for Benzene (KJ/mol)",
       "Enter the adsorption potential for benzene in kilojules per mole"},
      {&AffinityForWater, &Label10, "Affinity Coefficient for Water", "Enter the affinity coefficient for water"},
  };
  constexpr int FirstFieldTop = 840;  // [twips]
  constexpr int LastFieldTop = 4920;  // [twips]
  constexpr int FieldCount = 8;
  for (int i = 0; i < FieldCount; ++i) {
    const FieldSetting& setting = fields[i];
    const int top = FirstFieldTop + (LastFieldTop - FirstFieldTop) * i / (FieldCount - 1);
    setting.box->setTabIndex(1 + i);
    setting.box->setGeometry({2400, top, 1215, 375});
    setting.box->setToolTip(setting.toolTip);
    setting.box->setBackColor(LightGreen);
    setting.label->setCaption(setting.caption);
    setting.label->setGeometry({120, top, 2172, 495});
  }

  setUpButtons(
      {
          {&cmdExit, "Return", 9, {4080, 4800, 1095, 615}, "Return to top level Data Input screen"},
          {&cmdSearch, " Search for Data", 10, {4080, 840, 1095, 615},
           "Search for data fields for the selected cartridge name"},
          {&cmdSave, "   Save     Entry in Database", 11, {4080, 1680, 1095, 615},
           "Save the entered data fields for the selected cartridge name"},
          {&cmdClear, "   Clear     Data", 12, {4080, 2520, 1095, 615}, "Clear all current data entry fields"},
      },
      LightGreen);

  // The Enter chain follows the tab order; the last field hands the focus to Return.
  m_BedDiam.setNext(&Bed_Depth);
  m_Bed_Depth.setNext(&CarbWgt);
  m_CarbWgt.setNext(&MicVol);
  m_MicVol.setNext(&RelHumPre);
  m_RelHumPre.setNext(&DiamGran);
  m_DiamGran.setNext(&APBenzene);
  m_APBenzene.setNext(&AffinityForWater);
  m_AffinityForWater.setNext(&cmdExit);
}

void frmCartridgeMulti::wireHandlers() {
  onLoad = [this] { frmCartridgeMulti_Form_Load(); };
  CartName.onChange = [this] { frmCartridgeMulti_CartName_Change(); };
  CartName.onClick = [this] { frmCartridgeMulti_CartName_Click(); };
  cmdSearch.onClick = [this] { frmCartridgeMulti_cmdSearch_Click(); };
  cmdSave.onClick = [this] { frmCartridgeMulti_cmdSave_Click(); };
  cmdClear.onClick = [this] { frmCartridgeMulti_cmdClear_Click(); };
  cmdExit.onClick = [this] { frmCartridgeMulti_cmdExit_Click(); };

  BedDiam.onGotFocus = [this] { frmCartridgeMulti_BedDiam_GotFocus(); };
  BedDiam.onKeyDown = [this](int k, int s) { frmCartridgeMulti_BedDiam_KeyDown(k, s); };
  BedDiam.onValidate = [this](bool& c) { frmCartridgeMulti_BedDiam_Validate(c); };
  Bed_Depth.onGotFocus = [this] { frmCartridgeMulti_Bed_Depth_GotFocus(); };
  Bed_Depth.onKeyDown = [this](int k, int s) { frmCartridgeMulti_Bed_Depth_KeyDown(k, s); };
  Bed_Depth.onValidate = [this](bool& c) { frmCartridgeMulti_Bed_Depth_Validate(c); };
  CarbWgt.onGotFocus = [this] { frmCartridgeMulti_CarbWgt_GotFocus(); };
  CarbWgt.onKeyDown = [this](int k, int s) { frmCartridgeMulti_CarbWgt_KeyDown(k, s); };
  CarbWgt.onValidate = [this](bool& c) { frmCartridgeMulti_CarbWgt_Validate(c); };
  MicVol.onGotFocus = [this] { frmCartridgeMulti_MicVol_GotFocus(); };
  MicVol.onKeyDown = [this](int k, int s) { frmCartridgeMulti_MicVol_KeyDown(k, s); };
  MicVol.onValidate = [this](bool& c) { frmCartridgeMulti_MicVol_Validate(c); };
  RelHumPre.onGotFocus = [this] { frmCartridgeMulti_RelHumPre_GotFocus(); };
  RelHumPre.onKeyDown = [this](int k, int s) { frmCartridgeMulti_RelHumPre_KeyDown(k, s); };
  RelHumPre.onValidate = [this](bool& c) { frmCartridgeMulti_RelHumPre_Validate(c); };
  DiamGran.onGotFocus = [this] { frmCartridgeMulti_DiamGran_GotFocus(); };
  DiamGran.onKeyDown = [this](int k, int s) { frmCartridgeMulti_DiamGran_KeyDown(k, s); };
  DiamGran.onValidate = [this](bool& c) { frmCartridgeMulti_DiamGran_Validate(c); };
  APBenzene.onGotFocus = [this] { frmCartridgeMulti_APBenzene_GotFocus(); };
  APBenzene.onKeyDown = [this](int k, int s) { frmCartridgeMulti_APBenzene_KeyDown(k, s); };
  APBenzene.onValidate = [this](bool& c) { frmCartridgeMulti_APBenzene_Validate(c); };
  AffinityForWater.onGotFocus = [this] { frmCartridgeMulti_AffinityForWater_GotFocus(); };
  AffinityForWater.onKeyDown = [this](int k, int s) { frmCartridgeMulti_AffinityForWater_KeyDown(k, s); };
  AffinityForWater.onValidate = [this](bool& c) { frmCartridgeMulti_AffinityForWater_Validate(c); };
}

std::array<forms::TextBox*, 8> frmCartridgeMulti::valueBoxes() {
  return {&BedDiam, &Bed_Depth, &CarbWgt, &MicVol, &RelHumPre, &DiamGran, &APBenzene, &AffinityForWater};
}

// ---- Loading, the index and the list ----

void frmCartridgeMulti::frmCartridgeMulti_Form_Load() {
  // Opening counts the records and builds the index; a file that cannot be opened or read leaves
  // an empty (or read-only) database, and the screen stays usable. The list is filled before the
  // message about the file is shown.
  const records::FileReport report =
      m_cartridgeFile->open(tess::files::utf8ToPath(m_context.programFolder), m_context.fileOpener);
  if (NumCartRecords() > 0) FillCartridgeList(NumCartRecords());
  for (forms::TextBox* box : valueBoxes()) box->setText("");
  reportFileProblem(*this, report, FileMessageTitle);
  // The load runs as the screen is first shown, which then gives the name box the focus.
  CartName.setFocus();
}

void frmCartridgeMulti::CreateIndex1() {
  ensureLoaded();
  reportFileProblem(*this, m_cartridgeFile->CreateIndex1(), FileMessageTitle);
}

void frmCartridgeMulti::FillCartridgeList(int numCartridges) {
  ensureLoaded();
  fillNameList(CartName, m_cartridgeFile->CartIndex(), numCartridges);
}

void frmCartridgeMulti::RefillCartridgeList(int numCartridges) {
  ensureLoaded();
  CartName.clear();
  FillCartridgeList(numCartridges);
}

std::int16_t frmCartridgeMulti::NumCartRecords() const { return m_cartridgeFile->NumCartRecords(); }

void frmCartridgeMulti::closeFile() { m_cartridgeFile->close(); }

// ---- Showing a record, Search and Save ----

void frmCartridgeMulti::showRecord(const CartridgeRecord& record) {
  // The name first: its Change empties the eight fields. The record holds the eight in the order
  // of the fields after the name.
  CartName.setText(trimmedTrailing(record.CartName));
  const std::array<forms::TextBox*, 8> boxes = valueBoxes();
  static_assert(std::size(records::CartridgeRecordFields) == 1 + 8);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    boxes[i]->setText(trimmedTrailing(record.*records::CartridgeRecordFields[i + 1].text));
  }
}

void frmCartridgeMulti::ShowCartridgeRecord(std::int16_t n) {
  ensureLoaded();
  if (reportFileProblem(*this, m_cartridgeFile->readRecord(n), FileMessageTitle)) return;
  showRecord(m_cartridgeFile->CartRec());
}

std::int16_t frmCartridgeMulti::Search(const std::string& findText) {
  ensureLoaded();
  // Another copy of the program may have added records since the file was read: the list is left
  // as it is. Another file put at the path, or none that can be read, is shown in the list, with
  // the entry on the screen kept, before the message about it.
  const std::uint64_t replacements = m_cartridgeFile->replacements();
  const records::FileReport report = m_cartridgeFile->refresh();
  if (m_cartridgeFile->replacements() != replacements) showFileAtPath();
  reportFileProblem(*this, report, FileMessageTitle);
  return m_cartridgeFile->Search(findText);
}

void frmCartridgeMulti::showFileAtPath() {
  refillKeepingEntry(CartName, valueBoxes(), [this] { RefillCartridgeList(NumCartRecords()); });
}

void frmCartridgeMulti::frmCartridgeMulti_cmdSearch_Click() {
  const std::string key = records::searchKey(CartName.text());
  const std::int16_t position = Search(key);
  if (position > 0) {
    ShowCartridgeRecord(m_cartridgeFile->CartIndex()[static_cast<std::size_t>(position)].RecNum);
  } else {
    app().messageBox("Can't find " + key + ".", "Search for a Record");
  }
}

void frmCartridgeMulti::frmCartridgeMulti_cmdSave_Click() {
  const std::string name = CartName.text();
  if (tess::text::trimBlanks(name).empty()) {
    app().messageBox("Enter a cartridge name.", "Add a Record");
    return;
  }
  if (refusesAComma(valueBoxes())) return;
  if (!confirmStoredName(*this, name)) return;
  const std::string key = records::searchKey(name);
  const CartridgeRecord record =
      CartridgeRecord::assemble(name, BedDiam.text(), Bed_Depth.text(), CarbWgt.text(), MicVol.text(),
                                RelHumPre.text(), DiamGran.text(), APBenzene.text(), AffinityForWater.text());
  const SaveSteps steps{
      .lookUp = [&] { return m_cartridgeFile->Search(key); },
      .showFileAtPath = [this] { showFileAtPath(); },
      // Appended: the list takes the new name in and the fields show the record as the file holds it.
      .showAppended =
          [this] {
            RefillCartridgeList(NumCartRecords());
            showRecord(m_cartridgeFile->CartRec());
          },
  };
  saveRecord(*this, *m_cartridgeFile, record, "This cartridge is already on file.", steps);
}

// ---- The name box, Clear and Return ----

void frmCartridgeMulti::frmCartridgeMulti_CartName_Change() {
  for (forms::TextBox* box : valueBoxes()) box->setText("");
}

void frmCartridgeMulti::frmCartridgeMulti_CartName_Click() {
  for (forms::TextBox* box : valueBoxes()) box->setText("");
}

void frmCartridgeMulti::frmCartridgeMulti_cmdClear_Click() {
  CartName.setText("");
  for (forms::TextBox* box : valueBoxes()) box->setText("");
  // Every value of the cartridge in use goes back to 0 but its name and the bed density, which
  // stays until the next calculation derives it again.
  CartridgeData& cart = m_context.state.Cart;
  CartridgeData cleared;
  cleared.CartName = cart.CartName;
  cleared.BedDensity = cart.BedDensity;
  cart = std::move(cleared);
  CartName.setFocus();
}

void frmCartridgeMulti::frmCartridgeMulti_cmdExit_Click() {
  const std::string& name = CartName.text();
  bool incomplete = name.empty() || isNoneSelectedTrimmed(name) ||
                    tess::text::trimBlanks(RelHumPre.text()).empty();
  for (forms::TextBox* box : valueBoxes()) incomplete = incomplete || box->text().empty();
  if (incomplete) {
    ShowExitDialog();
    return;
  }

  // Percent typed, fraction kept: divided in 64-bit, stored in 32-bit. The affinity for water is
  // scaled by 5/3 for carbon preconditioned above 50 % humidity (see setBetaH2O); the scaled value
  // must fit too.
  const float relHumPre = static_cast<float>(tess::text::leadingNumber(RelHumPre.text()) / 100.0);
  CartridgeData& cart = m_context.state.Cart;
  const bool stored = storeReturnedNumbers(
      *this,
      {{&m_BedDiam, "bed diameter", &cart.BedDiam},
       {&m_Bed_Depth, "bed depth", &cart.Bed_Depth},
       {&m_CarbWgt, "carbon weight", &cart.CarbWgt},
       {&m_MicVol, "micropore volume", &cart.MicVol},
       {&m_RelHumPre, "preconditioned relative humidity"},
       {&m_DiamGran, "carbon granule average diameter", &cart.DiamGran},
       {&m_APBenzene, "adsorption potential for benzene", &cart.APBenzene},
       {&m_AffinityForWater, "affinity coefficient for water", nullptr, relHumPre > 0.5 ? 5.0 / 3.0 : 1.0}});
  if (!stored) return;  // nothing stored; the focus is in the box to correct

  screens::DataInputView& input = *m_context.screens.dataInput;
  input.CartName.setCaption(name);
  cart.CartName = name;
  cart.RelHumPre = relHumPre;
  setBetaH2O(AffinityForWater.text());
  hide();
  input.show();
  input.SelectVap[1].setFocus();
}

void frmCartridgeMulti::setBetaH2O(const std::string& aString) {
  ensureLoaded();
  if (aString.empty()) {
    ShowExitDialog();
    return;
  }
  CartridgeData& cart = m_context.state.Cart;
  cart.BetaH2O = static_cast<float>(tess::text::leadingNumber(aString));
  // Carbon preconditioned above 50 % humidity holds water more strongly: the entered coefficient
  // is scaled by 5/3 (5 / 3 first, then the product, in 64-bit; stored in 32-bit).
  if (cart.RelHumPre > 0.5) cart.BetaH2O = static_cast<float>((5.0 / 3.0) * cart.BetaH2O);
  cart.BetaH2OHalf = static_cast<float>(cart.BetaH2O / 2.0);
}

void frmCartridgeMulti::ShowExitDialog() { showExitDialogOver(*this, *m_context.screens.exitDialog); }

// ---- The eight numeric fields ----

void frmCartridgeMulti::frmCartridgeMulti_BedDiam_GotFocus() { m_BedDiam.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_BedDiam_KeyDown(int KeyCode, int Shift) { m_BedDiam.KeyDown(KeyCode, Shift); }
void frmCartridgeMulti::frmCartridgeMulti_BedDiam_Validate(bool& Cancel) { m_BedDiam.Validate(Cancel); }
void frmCartridgeMulti::frmCartridgeMulti_Bed_Depth_GotFocus() { m_Bed_Depth.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_Bed_Depth_KeyDown(int KeyCode, int Shift) {
  m_Bed_Depth.KeyDown(KeyCode, Shift);
}
void frmCartridgeMulti::frmCartridgeMulti_Bed_Depth_Validate(bool& Cancel) { m_Bed_Depth.Validate(Cancel); }
void frmCartridgeMulti::frmCartridgeMulti_CarbWgt_GotFocus() { m_CarbWgt.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_CarbWgt_KeyDown(int KeyCode, int Shift) { m_CarbWgt.KeyDown(KeyCode, Shift); }
void frmCartridgeMulti::frmCartridgeMulti_CarbWgt_Validate(bool& Cancel) { m_CarbWgt.Validate(Cancel); }
void frmCartridgeMulti::frmCartridgeMulti_MicVol_GotFocus() { m_MicVol.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_MicVol_KeyDown(int KeyCode, int Shift) { m_MicVol.KeyDown(KeyCode, Shift); }
void frmCartridgeMulti::frmCartridgeMulti_MicVol_Validate(bool& Cancel) { m_MicVol.Validate(Cancel); }
void frmCartridgeMulti::frmCartridgeMulti_RelHumPre_GotFocus() { m_RelHumPre.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_RelHumPre_KeyDown(int KeyCode, int Shift) {
  m_RelHumPre.KeyDown(KeyCode, Shift);
}
void frmCartridgeMulti::frmCartridgeMulti_RelHumPre_Validate(bool& Cancel) { m_RelHumPre.Validate(Cancel); }
void frmCartridgeMulti::frmCartridgeMulti_DiamGran_GotFocus() { m_DiamGran.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_DiamGran_KeyDown(int KeyCode, int Shift) {
  m_DiamGran.KeyDown(KeyCode, Shift);
}
void frmCartridgeMulti::frmCartridgeMulti_DiamGran_Validate(bool& Cancel) { m_DiamGran.Validate(Cancel); }
void frmCartridgeMulti::frmCartridgeMulti_APBenzene_GotFocus() { m_APBenzene.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_APBenzene_KeyDown(int KeyCode, int Shift) {
  m_APBenzene.KeyDown(KeyCode, Shift);
}
void frmCartridgeMulti::frmCartridgeMulti_APBenzene_Validate(bool& Cancel) { m_APBenzene.Validate(Cancel); }
void frmCartridgeMulti::frmCartridgeMulti_AffinityForWater_GotFocus() { m_AffinityForWater.GotFocus(); }
void frmCartridgeMulti::frmCartridgeMulti_AffinityForWater_KeyDown(int KeyCode, int Shift) {
  m_AffinityForWater.KeyDown(KeyCode, Shift);
}
void frmCartridgeMulti::frmCartridgeMulti_AffinityForWater_Validate(bool& Cancel) {
  m_AffinityForWater.Validate(Cancel);
}

}  // namespace tess::databases
