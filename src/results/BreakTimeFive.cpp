// The results screen's construction, its field handlers and its buttons other than "Calculate
// Results" (BreakTimeFiveCalc.cpp); its look is in BreakTimeFiveLayout.cpp and the procedures that
// fill it in BreakTimeFiveDisplay.cpp.

#include "results/BreakTimeFive.h"

#include <limits>

#include "platform/forms/Application.h"
#include "platform/forms/KeyCodes.h"
#include "platform/text/LeadingNumber.h"
#include "screens/QuitQuestion.h"
#include "screens/ScreenViews.h"
#include "screens/ValidDataEntry.h"
#include "state/InputRanges.h"

namespace tess::results {
namespace {
constexpr screens::ValidDataEntry::EnterAction StoreAndStay =
    screens::ValidDataEntry::EnterAction::StoreAndStay;
}  // namespace

BreakTimeFive::BreakTimeFive(const screens::ScreenContext& context)
    : Form(context.app, "BreakTimeFive"),
      m_app(context.app),
      m_state(context.state),
      m_screens(context.screens),
      m_temperature(Temperature, screens::ValidDataEntry::rangeBounds(TemperatureRange), nullptr,
                    StoreAndStay),
      m_atmPressure(AtmPressure, screens::ValidDataEntry::rangeBounds(AtmPressureRange), nullptr,
                    StoreAndStay),
      m_airFlowVol(AirFlowVol, screens::ValidDataEntry::rangeBounds(BreathingAirFlowRange), nullptr,
                   StoreAndStay),
      m_relHumid(RelHumid, screens::ValidDataEntry::rangeBounds(RelHumidRange), nullptr, StoreAndStay) {
  layOut();
  wireHandlers();
}

void BreakTimeFive::wireHandlers() {
  cmdCalc.onClick = [this] { BreakTimeFive_cmdCalc_Click(); };
  cmdData.onClick = [this] { BreakTimeFive_cmdData_Click(); };
  cmdExit.onClick = [this] { BreakTimeFive_cmdExit_Click(); };
  cmdPrint.onClick = [this] { BreakTimeFive_cmdPrint_Click(); };
  for (int i = 1; i <= MaxVapors; ++i) {
    VapBkConc[i].onGotFocus = [this, i] { BreakTimeFive_VapBkConc_GotFocus(i); };
    VapBkConc[i].onKeyDown = [this, i](int KeyCode, int Shift) { BreakTimeFive_VapBkConc_KeyDown(i, KeyCode, Shift); };
    VapBkConc[i].onValidate = [this, i](bool& Cancel) { BreakTimeFive_VapBkConc_Validate(i, Cancel); };
    VapBkConc[i].onLostFocus = [this, i] { BreakTimeFive_VapBkConc_LostFocus(i); };
    VapConc[i].onValidate = [this, i](bool& Cancel) { BreakTimeFive_VapConc_Validate(i, Cancel); };
    VapConc[i].onLostFocus = [this, i] { BreakTimeFive_VapConc_LostFocus(i); };
  }

  // An accepted use condition is stored at once and its text written into the twin box of the
  // use-conditions screen, so that both screens show the same value.
  m_temperature.setOnAccepted([this](double value) {
    m_state.Temperature = static_cast<float>(value);
    copyToUseConditions(&screens::UseConditionsView::Temperature, Temperature);
  });
  m_atmPressure.setOnAccepted([this](double value) {
    m_state.AtmPressure = static_cast<float>(value);
    copyToUseConditions(&screens::UseConditionsView::AtmPressure, AtmPressure);
  });
  m_airFlowVol.setOnAccepted([this](double value) {
    m_state.BreathingAirFlow = static_cast<float>(value);
    copyToUseConditions(&screens::UseConditionsView::BreathingAirFlow, AirFlowVol);
  });
  m_relHumid.setOnAccepted([this](double value) {
    m_state.RelHumid = static_cast<float>(value / 100);  // percent to fraction
    copyToUseConditions(&screens::UseConditionsView::RelHumid, RelHumid);
  });

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

void BreakTimeFive::copyToUseConditions(forms::TextBox* screens::UseConditionsView::*twin,
                                        const forms::TextBox& box) {
  screens::UseConditionsView* useConditions = m_screens.useConditionsView;
  if (!useConditions) return;
  useConditions->ensureLoaded();
  (useConditions->*twin)->setText(box.text());
}

// Breakthrough concentration: no range check here; the Calculate button tests the fractions.
void BreakTimeFive::BreakTimeFive_VapBkConc_GotFocus(int Index) { VapBkConc[Index].selectAll(); }

void BreakTimeFive::BreakTimeFive_VapBkConc_KeyDown(int /*Index*/, int KeyCode, int /*Shift*/) {
  if (KeyCode == forms::KeyReturn) cmdCalc.setFocus();
}

// A concentration holding a comma keeps the focus in its box, so that it is never taken as the
// digits before the comma.
void BreakTimeFive::BreakTimeFive_VapBkConc_Validate(int Index, bool& Cancel) {
  Cancel = screens::ValidDataEntry::refusesComma(VapBkConc[Index]);
}

void BreakTimeFive::BreakTimeFive_VapConc_Validate(int Index, bool& Cancel) {
  Cancel = screens::ValidDataEntry::refusesComma(VapConc[Index]);
}

void BreakTimeFive::BreakTimeFive_VapBkConc_LostFocus(int Index) {
  forms::TextBox& box = VapBkConc[Index];
  if (screens::ValidDataEntry::refusesComma(box)) return;  // left without its Validate
  if (box.text().empty() || box.text() == ".") {
    box.setText("");
    return;
  }
  m_state.BkConc[Index] = tess::text::leadingNumber(box.text());
  renewBkFrac(m_state, Index);
  if (m_state.BkConc[Index] <= 0) box.setText("");
}

// Vapor concentration: checked when the box loses the focus, which it cannot keep; a positive
// value is taken even after an out-of-range message, so the box and the shared state agree.
void BreakTimeFive::BreakTimeFive_VapConc_LostFocus(int Index) {
  forms::TextBox& box = VapConc[Index];
  const bool comma = screens::ValidDataEntry::holdsComma(box.text());
  const bool passed = screens::ValidDataEntry::ValidUserInput(box, VapConcRange.Min, VapConcRange.Max,
                                                              VapConcRange.MinText, VapConcRange.MaxText);
  if (comma) return;  // left without its Validate: refused, nothing stored
  const double value = tess::text::leadingNumber(box.text());
  if (value > std::numeric_limits<float>::max()) {
    // Beyond the range of a 32-bit value: nothing can be stored; the check's message has been
    // shown and the Calculate button refuses the row.
    return;
  }
  if (value > 0) {
    m_state.Vapor[Index].AvgVapConc = static_cast<float>(value);
    m_state.BkFrac[Index] = breakthroughFraction(m_state.BkConc[Index], m_state.Vapor[Index].AvgVapConc);
  } else if (passed) {
    m_state.Vapor[Index].AvgVapConc = static_cast<float>(value);
  }
}

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

void BreakTimeFive::BreakTimeFive_cmdData_Click() {
  if (m_screens.dataInput) m_screens.dataInput->show();
  hide();
}

void BreakTimeFive::BreakTimeFive_cmdExit_Click() {
  if (screens::askQuitQuestion(m_app)) {
    m_app.endProgram();
    return;
  }
  show();
  cmdCalc.setFocus();
}

void BreakTimeFive::BreakTimeFive_Close() { BreakTimeFive_cmdExit_Click(); }

void BreakTimeFive::BreakTimeFive_cmdPrint_Click() {
  const forms::PrintResult result = m_app.printForm(*this);
  if (result.ok) return;
  std::string text = "The results could not be printed.";
  if (!result.message.empty()) text += "\n\n" + result.message;
  m_app.messageBox(text, PrintFailedTitle, forms::MsgButtons::OK, forms::MsgIcon::Exclamation);
}

}  // namespace tess::results
