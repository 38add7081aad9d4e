#include "results/BreakTimeFive.h"

BreakTimeFive::BreakTimeFive(const ScreenContext& context)
    : Form(context.app, "BreakTimeFive"),
      m_app(context.app),
      m_state(context.state),
      m_screens(context.screens),
      m_temperature(Temperature, {0, 75, "0", "75"}, nullptr, ValidDataEntry::EnterAction::StoreAndStay),
      m_atmPressure(AtmPressure, {0.5, 1.5, "0.5", "1.5"}, nullptr, ValidDataEntry::EnterAction::StoreAndStay),
      m_airFlowVol(AirFlowVol, {10, 500, "10", "500"}, nullptr, ValidDataEntry::EnterAction::StoreAndStay),
      m_relHumid(RelHumid, {1, 99, "1", "99"}, nullptr, ValidDataEntry::EnterAction::StoreAndStay) {
  layOut();
  wireHandlers();
}

void BreakTimeFive::layOut() { setCaption("Vapor Mixture Breakthrough Results"); }

void BreakTimeFive::wireHandlers() {
  cmdCalc.onClick = [this] { BreakTimeFive_cmdCalc_Click(); };
  cmdData.onClick = [this] { BreakTimeFive_cmdData_Click(); };
  cmdExit.onClick = [this] { BreakTimeFive_cmdExit_Click(); };
  cmdPrint.onClick = [this] { BreakTimeFive_cmdPrint_Click(); };
  for (int i = 1; i <= MaxVapors; ++i) {
    VapBkConc[i].onGotFocus = [this, i] { BreakTimeFive_VapBkConc_GotFocus(i); };
    VapBkConc[i].onKeyDown = [this, i](int KeyCode, int Shift) { BreakTimeFive_VapBkConc_KeyDown(i, KeyCode, Shift); };
    VapBkConc[i].onLostFocus = [this, i] { BreakTimeFive_VapBkConc_LostFocus(i); };
    VapConc[i].onLostFocus = [this, i] { BreakTimeFive_VapConc_LostFocus(i); };
  }
  Temperature.onGotFocus = [this] { BreakTimeFive_Temperature_GotFocus(); };
  Temperature.onKeyDown = [this](int KeyCode, int Shift) { BreakTimeFive_Temperature_KeyDown(KeyCode, Shift); };
  Temperature.onValidate = [this](bool& Cancel) { BreakTimeFive_Temperature_Validate(Cancel); };
  AtmPressure.onGotFocus = [this] { BreakTimeFive_AtmPressure_GotFocus(); };
  AtmPressure.onKeyDown = [this](int KeyCode, int Shift) { BreakTimeFive_AtmPressure_KeyDown(KeyCode, Shift); };
  AtmPressure.onValidate = [this](bool& Cancel) { BreakTimeFive_AtmPressure_Validate(Cancel); };
  AirFlowVol.onGotFocus = [this] { BreakTimeFive_AirFlowVol_GotFocus(); };
  AirFlowVol.onKeyDown = [this](int KeyCode, int Shift) { BreakTimeFive_AirFlowVol_KeyDown(KeyCode, Shift); };
  AirFlowVol.onValidate = [this](bool& Cancel) { BreakTimeFive_AirFlowVol_Validate(Cancel); };
  RelHumid.onGotFocus = [this] { BreakTimeFive_RelHumid_GotFocus(); };
  RelHumid.onKeyDown = [this](int KeyCode, int Shift) { BreakTimeFive_RelHumid_KeyDown(KeyCode, Shift); };
  RelHumid.onValidate = [this](bool& Cancel) { BreakTimeFive_RelHumid_Validate(Cancel); };
  setCloseHook([this] { BreakTimeFive_Close(); });
}

void BreakTimeFive::ShowInputsOnResults() { ensureLoaded(); }
void BreakTimeFive::ClearResults() { ensureLoaded(); }
void BreakTimeFive::ShowResults() { ensureLoaded(); }

void BreakTimeFive::BreakTimeFive_cmdCalc_Click() {}
void BreakTimeFive::BreakTimeFive_cmdData_Click() {}
void BreakTimeFive::BreakTimeFive_cmdExit_Click() {}
void BreakTimeFive::BreakTimeFive_cmdPrint_Click() {}
void BreakTimeFive::BreakTimeFive_VapBkConc_GotFocus(int Index) { VapBkConc[Index].selectAll(); }
void BreakTimeFive::BreakTimeFive_VapBkConc_KeyDown(int, int, int) {}
void BreakTimeFive::BreakTimeFive_VapBkConc_LostFocus(int) {}
void BreakTimeFive::BreakTimeFive_VapConc_LostFocus(int) {}
void BreakTimeFive::BreakTimeFive_Temperature_GotFocus() { m_temperature.GotFocus(); }
void BreakTimeFive::BreakTimeFive_Temperature_KeyDown(int KeyCode, int Shift) { m_temperature.KeyDown(KeyCode, Shift); }
void BreakTimeFive::BreakTimeFive_Temperature_Validate(bool& Cancel) { m_temperature.Validate(Cancel); }
void BreakTimeFive::BreakTimeFive_AtmPressure_GotFocus() { m_atmPressure.GotFocus(); }
void BreakTimeFive::BreakTimeFive_AtmPressure_KeyDown(int KeyCode, int Shift) { m_atmPressure.KeyDown(KeyCode, Shift); }
void BreakTimeFive::BreakTimeFive_AtmPressure_Validate(bool& Cancel) { m_atmPressure.Validate(Cancel); }
void BreakTimeFive::BreakTimeFive_AirFlowVol_GotFocus() { m_airFlowVol.GotFocus(); }
void BreakTimeFive::BreakTimeFive_AirFlowVol_KeyDown(int KeyCode, int Shift) { m_airFlowVol.KeyDown(KeyCode, Shift); }
void BreakTimeFive::BreakTimeFive_AirFlowVol_Validate(bool& Cancel) { m_airFlowVol.Validate(Cancel); }
void BreakTimeFive::BreakTimeFive_RelHumid_GotFocus() { m_relHumid.GotFocus(); }
void BreakTimeFive::BreakTimeFive_RelHumid_KeyDown(int KeyCode, int Shift) { m_relHumid.KeyDown(KeyCode, Shift); }
void BreakTimeFive::BreakTimeFive_RelHumid_Validate(bool& Cancel) { m_relHumid.Validate(Cancel); }
void BreakTimeFive::BreakTimeFive_Close() {}
