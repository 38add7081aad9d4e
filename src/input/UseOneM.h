// UseOneM: the use-conditions screen. The user accepts or changes the temperature, atmospheric
// pressure, relative humidity, number of cartridges on a respirator and breathing air flow. Each
// field is checked and stored in the shared state when the focus leaves it; Return checks that no
// box is empty, stores all five and goes back to the data-input screen. The results screen writes
// the texts of Temperature, AtmPressure, RelHumid and BreathingAirFlow when it accepts them there.
#pragma once

#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"
#include "screens/NumericField.h"
#include "screens/Screens.h"

namespace tess::input {

class UseOneM : public forms::Form {
 public:
  explicit UseOneM(screens::ScreenContext context);

  forms::Label Label8{*this, "Label8"};
  forms::Label Label1{*this, "Label1"};
  forms::TextBox Temperature{*this, "Temperature"};
  forms::Label Label2{*this, "Label2"};
  forms::TextBox AtmPressure{*this, "AtmPressure"};
  forms::Label Label3{*this, "Label3"};
  forms::TextBox RelHumid{*this, "RelHumid"};
  forms::Label Label4{*this, "Label4"};
  forms::TextBox NumCarts{*this, "NumCarts"};
  forms::Label Label5{*this, "Label5"};
  forms::TextBox BreathingAirFlow{*this, "BreathingAirFlow"};
  forms::Label Label7{*this, "Label7"};
  forms::TextBox Text7{*this, "Text7"};
  forms::Button ReturnBtn{*this, "ReturnBtn"};

  void UseOneM_Temperature_GotFocus();
  void UseOneM_Temperature_KeyDown(int KeyCode, int Shift);
  void UseOneM_Temperature_Validate(bool& Cancel);
  void UseOneM_AtmPressure_GotFocus();
  void UseOneM_AtmPressure_KeyDown(int KeyCode, int Shift);
  void UseOneM_AtmPressure_Validate(bool& Cancel);
  void UseOneM_RelHumid_GotFocus();
  void UseOneM_RelHumid_KeyDown(int KeyCode, int Shift);
  void UseOneM_RelHumid_Validate(bool& Cancel);
  void UseOneM_NumCarts_GotFocus();
  void UseOneM_NumCarts_KeyDown(int KeyCode, int Shift);
  void UseOneM_NumCarts_Validate(bool& Cancel);
  void UseOneM_BreathingAirFlow_GotFocus();
  void UseOneM_BreathingAirFlow_KeyDown(int KeyCode, int Shift);
  void UseOneM_BreathingAirFlow_Validate(bool& Cancel);
  //! Refuses while a box is empty; otherwise stores all five values, shows the data-input screen
  //! with the focus on its Continue button, and hides this screen.
  void UseOneM_ReturnBtn_Click();

 private:
  // Each stores the value read from its box (the leading-number value of the box's text).
  void storeTemperature(double value);
  void storeAtmPressure(double value);
  void storeRelHumid(double value);
  void storeNumCarts(double value);
  void storeBreathingAirFlow(double value);

  screens::ScreenContext m_context;
  screens::ValidDataEntry::NumericField m_temperature{
      Temperature, screens::ValidDataEntry::rangeBounds(TemperatureRange), &AtmPressure};
  screens::ValidDataEntry::NumericField m_atmPressure{
      AtmPressure, screens::ValidDataEntry::rangeBounds(AtmPressureRange), &RelHumid};
  screens::ValidDataEntry::NumericField m_relHumid{
      RelHumid, screens::ValidDataEntry::rangeBounds(RelHumidRange), &NumCarts};
  screens::ValidDataEntry::NumericField m_numCarts{
      NumCarts, screens::ValidDataEntry::rangeBounds(NumCartsRange), &BreathingAirFlow};
  screens::ValidDataEntry::NumericField m_breathingAirFlow{
      BreathingAirFlow, screens::ValidDataEntry::rangeBounds(BreathingAirFlowRange), &ReturnBtn};
};

}  // namespace tess::input
