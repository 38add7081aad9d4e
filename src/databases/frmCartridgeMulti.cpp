#include "databases/frmCartridgeMulti.h"


struct frmCartridgeMulti::FileState {};

frmCartridgeMulti::frmCartridgeMulti(ScreenContext context)
    : Form(context.app, "frmCartridgeMulti"), m_context(context), m_file(std::make_unique<FileState>()) {}

frmCartridgeMulti::~frmCartridgeMulti() = default;

void frmCartridgeMulti::setBetaH2O(const std::string& /*aString*/) { }
void frmCartridgeMulti::CreateIndex1() { }
std::int16_t frmCartridgeMulti::Search(const std::string& /*findText*/) { return 0; }
void frmCartridgeMulti::FillCartridgeList(int /*numCartridges*/) { }
void frmCartridgeMulti::RefillCartridgeList(int /*numCartridges*/) { }
std::int16_t frmCartridgeMulti::NumCartRecords() const { return 0; }
void frmCartridgeMulti::ShowCartridgeRecord(std::int16_t /*n*/) { }
void frmCartridgeMulti::closeFile() { }
void frmCartridgeMulti::frmCartridgeMulti_Form_Load() { }
void frmCartridgeMulti::frmCartridgeMulti_CartName_Change() { }
void frmCartridgeMulti::frmCartridgeMulti_CartName_Click() { }
void frmCartridgeMulti::frmCartridgeMulti_cmdSearch_Click() { }
void frmCartridgeMulti::frmCartridgeMulti_cmdSave_Click() { }
void frmCartridgeMulti::frmCartridgeMulti_cmdClear_Click() { }
void frmCartridgeMulti::frmCartridgeMulti_cmdExit_Click() { }
void frmCartridgeMulti::frmCartridgeMulti_BedDiam_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_BedDiam_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_BedDiam_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::frmCartridgeMulti_Bed_Depth_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_Bed_Depth_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_Bed_Depth_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::frmCartridgeMulti_CarbWgt_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_CarbWgt_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_CarbWgt_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::frmCartridgeMulti_MicVol_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_MicVol_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_MicVol_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::frmCartridgeMulti_RelHumPre_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_RelHumPre_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_RelHumPre_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::frmCartridgeMulti_DiamGran_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_DiamGran_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_DiamGran_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::frmCartridgeMulti_APBenzene_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_APBenzene_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_APBenzene_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::frmCartridgeMulti_AffinityForWater_GotFocus() { }
void frmCartridgeMulti::frmCartridgeMulti_AffinityForWater_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmCartridgeMulti::frmCartridgeMulti_AffinityForWater_Validate(bool& /*Cancel*/) { }
void frmCartridgeMulti::setUpControls() {}
void frmCartridgeMulti::wireHandlers() {}
void frmCartridgeMulti::ShowExitDialog() {}
