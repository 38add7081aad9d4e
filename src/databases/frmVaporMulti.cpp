#include "databases/frmVaporMulti.h"


struct frmVaporMulti::FileState {};

frmVaporMulti::frmVaporMulti(ScreenContext context)
    : Form(context.app, "frmVaporMulti"), m_context(context), m_file(std::make_unique<FileState>()) {}

frmVaporMulti::~frmVaporMulti() = default;

void frmVaporMulti::CreateIndex() { }
void frmVaporMulti::SetOldVaporFields(int /*vapIndex*/) { }
std::int16_t frmVaporMulti::Search(const std::string& /*findText*/) { return 0; }
void frmVaporMulti::FillChemicalList(int /*numVapors*/) { }
void frmVaporMulti::RefillChemicalList(int /*numVapors*/) { }
void frmVaporMulti::ClearVaporData() { }
void frmVaporMulti::ClearVaporForm() { }
std::int16_t frmVaporMulti::NumVaporRecords() const { return 0; }
void frmVaporMulti::ShowVaporRecord(std::int16_t /*n*/) { }
void frmVaporMulti::closeFile() { }
void frmVaporMulti::frmVaporMulti_Form_Load() { }
void frmVaporMulti::frmVaporMulti_ChemName_Change() { }
void frmVaporMulti::frmVaporMulti_ChemName_GotFocus() { }
void frmVaporMulti::frmVaporMulti_ChemName_LostFocus() { }
void frmVaporMulti::frmVaporMulti_CAS_GotFocus() { }
void frmVaporMulti::frmVaporMulti_CAS_LostFocus() { }
void frmVaporMulti::frmVaporMulti_cmdSearch_Click() { }
void frmVaporMulti::frmVaporMulti_cmdSave_Click() { }
void frmVaporMulti::frmVaporMulti_cmdClear_Click() { }
void frmVaporMulti::frmVaporMulti_cmdExit_Click() { }
void frmVaporMulti::frmVaporMulti_MolWt_GotFocus() { }
void frmVaporMulti::frmVaporMulti_MolWt_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_MolWt_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::frmVaporMulti_LiqDensity_GotFocus() { }
void frmVaporMulti::frmVaporMulti_LiqDensity_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_LiqDensity_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::frmVaporMulti_MolPol_GotFocus() { }
void frmVaporMulti::frmVaporMulti_MolPol_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_MolPol_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::frmVaporMulti_WaterSol_GotFocus() { }
void frmVaporMulti::frmVaporMulti_WaterSol_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_WaterSol_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::frmVaporMulti_AvgVapConc_GotFocus() { }
void frmVaporMulti::frmVaporMulti_AvgVapConc_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_AvgVapConc_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::frmVaporMulti_AntoineA_GotFocus() { }
void frmVaporMulti::frmVaporMulti_AntoineA_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_AntoineA_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::frmVaporMulti_AntoineB_GotFocus() { }
void frmVaporMulti::frmVaporMulti_AntoineB_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_AntoineB_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::frmVaporMulti_AntoineC_GotFocus() { }
void frmVaporMulti::frmVaporMulti_AntoineC_KeyDown(int /*KeyCode*/, int /*Shift*/) { }
void frmVaporMulti::frmVaporMulti_AntoineC_Validate(bool& /*Cancel*/) { }
void frmVaporMulti::setUpControls() {}
void frmVaporMulti::wireHandlers() {}
void frmVaporMulti::ShowExitDialog() {}
