#include "input/UseOneM.h"

#include "input/InputMasterFive.h"
#include "platform/forms/Application.h"
#include "platform/text/NumberText.h"
#include "screens/ScreenColors.h"
#include "state/SetUp.h"

namespace tess::input {
namespace {

constexpr int RowTop = 660;     // [twips] top of the first field row
constexpr int RowStep = 480;    // [twips]
constexpr int LabelLeft = 240;  // [twips]
constexpr int BoxLeft = 3960;   // [twips]
constexpr int BoxWidth = 1095;  // [twips]

//! The suggested breathing air flows by activity [L/min].
const char* const SuggestionsText =
    "Sitting\t\t14\r\n"
    "Light work          \t21\r\n"
    "Moderate work\t30\r\n"
    "Moderately heavy\t37\r\n"
    "Heavy work\t55\r\n"
    "Very heavy work\t75\r\n"
    "  \r\n"
    "Use total flow for PAPRs\r\n";

}  // namespace

UseOneM::UseOneM(screens::ScreenContext context) : Form(context.app, "UseOneM"), m_context(context) {
  setCaption("Use Conditions");
  setClientSize(5400, 6300);
  setBackColor(screens::WindowGray);
  forms::Font labelFont = font();
  labelFont.bold = true;
  setFont(labelFont);

  Label8.setCaption("Accept or Change Default Values");
  Label8.setFont(forms::Font{"MS Sans Serif", 12, true});
  Label8.setGeometry({LabelLeft, 120, 4920, 375});

  struct Row {
    forms::Label& label;
    const char* caption;
    forms::TextBox& box;
    const char* text;
    const char* toolTip;
  };
  const Row rows[] = {
      {Label1, "Temperature (o C)", Temperature, "23", "Enter the temperature"},
      {Label2, "Atmospheric Pressure (atm)", AtmPressure, "1.00", "Enter the atmospheric pressure"},
      {Label3, "Relative Humidity (%)", RelHumid, "50", "Enter the relative humidity"},
      {Label4, "Number of Cartridges on a Respirator", NumCarts, "2",
       "Enter the number of cartridges on a respirator"},
      {Label5, "Average Breathing Air Flow (L/min)", BreathingAirFlow, "30",
       "Enter the average breathing air flow"},
  };
  int top = RowTop;
  int tabIndex = 0;
  for (const Row& row : rows) {
    row.label.setCaption(row.caption);
    row.label.setGeometry({LabelLeft, top + 30, BoxLeft - LabelLeft - 120, 255});
    row.box.setInitialText(row.text);
    row.box.setToolTip(row.toolTip);
    row.box.setBackColor(screens::LightRed);
    row.box.setGeometry({BoxLeft, top, BoxWidth, 315});
    row.box.setTabIndex(tabIndex++);
    top += RowStep;
  }

  Label7.setCaption("Suggestions: ");
  Label7.setGeometry({LabelLeft, top + 180, 1200, 255});
  Text7.setMultiLine(true);
  Text7.setBorder(false);
  Text7.setBackColor(screens::WindowGray);
  Text7.setGeometry({1560, top + 180, 3480, 2100});
  Text7.setInitialText(SuggestionsText);

  ReturnBtn.setCaption("Return");
  ReturnBtn.setToolTip("Return to top level Data Input screen");
  ReturnBtn.setBackColor(screens::LightRed);
  ReturnBtn.setGeometry({3960, 5640, 1095, 495});
  ReturnBtn.setTabIndex(tabIndex++);
  Text7.setTabIndex(tabIndex++);

  m_temperature.setOnAccepted([this](double value) { storeTemperature(value); });
  m_atmPressure.setOnAccepted([this](double value) { storeAtmPressure(value); });
  m_relHumid.setOnAccepted([this](double value) { storeRelHumid(value); });
  m_numCarts.setOnAccepted([this](double value) { storeNumCarts(value); });
  m_breathingAirFlow.setOnAccepted([this](double value) { storeBreathingAirFlow(value); });

  Temperature.onGotFocus = [this] { UseOneM_Temperature_GotFocus(); };
  Temperature.onKeyDown = [this](int k, int s) { UseOneM_Temperature_KeyDown(k, s); };
  Temperature.onValidate = [this](bool& c) { UseOneM_Temperature_Validate(c); };
  AtmPressure.onGotFocus = [this] { UseOneM_AtmPressure_GotFocus(); };
  AtmPressure.onKeyDown = [this](int k, int s) { UseOneM_AtmPressure_KeyDown(k, s); };
  AtmPressure.onValidate = [this](bool& c) { UseOneM_AtmPressure_Validate(c); };
  RelHumid.onGotFocus = [this] { UseOneM_RelHumid_GotFocus(); };
  RelHumid.onKeyDown = [this](int k, int s) { UseOneM_RelHumid_KeyDown(k, s); };
  RelHumid.onValidate = [this](bool& c) { UseOneM_RelHumid_Validate(c); };
  NumCarts.onGotFocus = [this] { UseOneM_NumCarts_GotFocus(); };
  NumCarts.onKeyDown = [this](int k, int s) { UseOneM_NumCarts_KeyDown(k, s); };
  NumCarts.onValidate = [this](bool& c) { UseOneM_NumCarts_Validate(c); };
  BreathingAirFlow.onGotFocus = [this] { UseOneM_BreathingAirFlow_GotFocus(); };
  BreathingAirFlow.onKeyDown = [this](int k, int s) { UseOneM_BreathingAirFlow_KeyDown(k, s); };
  BreathingAirFlow.onValidate = [this](bool& c) { UseOneM_BreathingAirFlow_Validate(c); };
  ReturnBtn.onClick = [this] { UseOneM_ReturnBtn_Click(); };
  // The close box acts as Return, with the check of the field that has the focus first.
  setCloseHook([this] { app().click(ReturnBtn); });
}

void UseOneM::UseOneM_Temperature_GotFocus() { m_temperature.GotFocus(); }
void UseOneM::UseOneM_Temperature_KeyDown(int KeyCode, int Shift) { m_temperature.KeyDown(KeyCode, Shift); }
void UseOneM::UseOneM_Temperature_Validate(bool& Cancel) { m_temperature.Validate(Cancel); }
void UseOneM::UseOneM_AtmPressure_GotFocus() { m_atmPressure.GotFocus(); }
void UseOneM::UseOneM_AtmPressure_KeyDown(int KeyCode, int Shift) { m_atmPressure.KeyDown(KeyCode, Shift); }
void UseOneM::UseOneM_AtmPressure_Validate(bool& Cancel) { m_atmPressure.Validate(Cancel); }
void UseOneM::UseOneM_RelHumid_GotFocus() { m_relHumid.GotFocus(); }
void UseOneM::UseOneM_RelHumid_KeyDown(int KeyCode, int Shift) { m_relHumid.KeyDown(KeyCode, Shift); }
void UseOneM::UseOneM_RelHumid_Validate(bool& Cancel) { m_relHumid.Validate(Cancel); }
void UseOneM::UseOneM_NumCarts_GotFocus() { m_numCarts.GotFocus(); }
void UseOneM::UseOneM_NumCarts_KeyDown(int KeyCode, int Shift) { m_numCarts.KeyDown(KeyCode, Shift); }
void UseOneM::UseOneM_NumCarts_Validate(bool& Cancel) { m_numCarts.Validate(Cancel); }
void UseOneM::UseOneM_BreathingAirFlow_GotFocus() { m_breathingAirFlow.GotFocus(); }
void UseOneM::UseOneM_BreathingAirFlow_KeyDown(int KeyCode, int Shift) {
  m_breathingAirFlow.KeyDown(KeyCode, Shift);
}
void UseOneM::UseOneM_BreathingAirFlow_Validate(bool& Cancel) { m_breathingAirFlow.Validate(Cancel); }

// Each value is kept in single precision, as the shared state holds it.
void UseOneM::storeTemperature(double value) { m_context.state.Temperature = static_cast<float>(value); }

void UseOneM::storeAtmPressure(double value) { m_context.state.AtmPressure = static_cast<float>(value); }

void UseOneM::storeRelHumid(double value) {
  // The box takes percent; the shared state holds a fraction.
  m_context.state.RelHumid = static_cast<float>(value / 100);
}

void UseOneM::storeNumCarts(double value) {
  // Rounded to the nearest whole number, halves to the even one: "2.5" gives 2, "3.5" gives 4. The
  // field's bounds keep the count within 1 to 10, or 0 for a blank box.
  m_context.state.NumCarts = tess::text::roundToInt16(value).value_or(0);
}

void UseOneM::storeBreathingAirFlow(double value) {
  m_context.state.BreathingAirFlow = static_cast<float>(value);
}

void UseOneM::UseOneM_ReturnBtn_Click() {
  for (const forms::TextBox* box : {&Temperature, &AtmPressure, &RelHumid, &NumCarts, &BreathingAirFlow}) {
    if (box->text().empty()) {
      m_context.app.messageBox("All fields must be filled with valid values.", "Note");
      Temperature.setFocus();
      return;
    }
  }
  Temperature.setFocus();
  storeTemperature(m_temperature.value());
  storeAtmPressure(m_atmPressure.value());
  storeRelHumid(m_relHumid.value());
  storeNumCarts(m_numCarts.value());
  storeBreathingAirFlow(m_breathingAirFlow.value());
  InputMasterFive& inputMaster = *m_context.screens.inputMaster;
  inputMaster.show();
  inputMaster.Continue.setFocus();
  hide();
}

}  // namespace tess::input
