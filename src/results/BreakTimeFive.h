// BreakTimeFive: the results screen, "Vapor Mixture Breakthrough Results".
//
// One row per vapor slot 1 to 5: the vapor's name, the breakthrough concentration the user types,
// the vapor concentration, and the estimated breakthrough time with its range. Below the rows four
// use conditions can be changed without leaving the screen; each accepted value goes into the
// shared state at once and its text into the twin box of the use-conditions screen UseOneM.
// "Calculate Results" checks the breakthrough fractions of rows 1 to TotalVapors against the
// model's limits (above 0, at most 0.5), shows LimitsMessage when one lies outside them, and
// otherwise runs the model and shows its results in the model's order of the vapors.
//
// Other screens call ShowInputsOnResults, ClearResults and ShowResults (each loads the screen
// first), write and read VapBkConc, and show the screen. The screen is never destroyed: hiding it
// keeps every text. Its close box asks the quit question, as "Exit Program" does.
#pragma once

#include "platform/forms/Button.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/TextBox.h"
#include "screens/NumericField.h"
#include "screens/Screens.h"
#include "state/SetUp.h"

namespace tess::results {

class BreakTimeFive : public forms::Form {
 public:
  explicit BreakTimeFive(const screens::ScreenContext& context);

  // Public procedures, called by the data-input screen and by the calculation.
  //! Copies the inputs of the shared state onto the screen: names, vapor concentrations, the
  //! cartridge name, the four use conditions; blanks the concentration boxes of empty slots; sets
  //! SuperficialVel from the flow and the bed.
  void ShowInputsOnResults();
  //! Blanks the shown breakthrough times and ranges of all five rows; nothing else.
  void ClearResults();
  //! Shows the results of a completed calculation, in the slots' order after it, on this screen
  //! and in the data-input screen's slot labels.
  void ShowResults();

  // Handlers.
  void BreakTimeFive_cmdCalc_Click();
  void BreakTimeFive_cmdData_Click();
  void BreakTimeFive_cmdExit_Click();
  void BreakTimeFive_cmdPrint_Click();
  void BreakTimeFive_VapBkConc_GotFocus(int Index);
  void BreakTimeFive_VapBkConc_KeyDown(int Index, int KeyCode, int Shift);
  void BreakTimeFive_VapBkConc_Validate(int Index, bool& Cancel);
  void BreakTimeFive_VapBkConc_LostFocus(int Index);
  void BreakTimeFive_VapConc_Validate(int Index, bool& Cancel);
  void BreakTimeFive_VapConc_LostFocus(int Index);
  void BreakTimeFive_Temperature_GotFocus();
  void BreakTimeFive_Temperature_KeyDown(int KeyCode, int Shift);
  void BreakTimeFive_Temperature_Validate(bool& Cancel);
  void BreakTimeFive_AtmPressure_GotFocus();
  void BreakTimeFive_AtmPressure_KeyDown(int KeyCode, int Shift);
  void BreakTimeFive_AtmPressure_Validate(bool& Cancel);
  void BreakTimeFive_AirFlowVol_GotFocus();
  void BreakTimeFive_AirFlowVol_KeyDown(int KeyCode, int Shift);
  void BreakTimeFive_AirFlowVol_Validate(bool& Cancel);
  void BreakTimeFive_RelHumid_GotFocus();
  void BreakTimeFive_RelHumid_KeyDown(int KeyCode, int Shift);
  void BreakTimeFive_RelHumid_Validate(bool& Cancel);
  //! The window's close box: the same question as "Exit Program".
  void BreakTimeFive_Close();

  //! Title of the message box that reports a failed print.
  static constexpr const char* PrintFailedTitle = "Print";

  // Controls (construction order is drawing order).
  forms::Label Label2{*this, "Label2"};
  forms::TextBox CartName{*this, "CartName"};
  forms::Label Label5{*this, "Label5"};
  forms::TextBox Text25{*this, "Text25"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label4{*this, "Label4"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label8{*this, "Label8"};
  forms::Label Label9{*this, "Label9"};
  forms::Label Label10{*this, "Label10"};
  forms::Label Label11{*this, "Label11"};
  forms::ControlArray<forms::Label, MaxVapors> VapNm{*this, "VapNm"};
  forms::ControlArray<forms::TextBox, MaxVapors> VapBkConc{*this, "VapBkConc"};
  forms::ControlArray<forms::TextBox, MaxVapors> VapConc{*this, "VapConc"};
  forms::ControlArray<forms::Label, MaxVapors> BkT{*this, "BkT"};
  forms::ControlArray<forms::Label, MaxVapors> BkTMin{*this, "BkTMin"};
  forms::ControlArray<forms::Label, MaxVapors> BkTMax{*this, "BkTMax"};
  forms::Label Label12{*this, "Label12"};
  forms::TextBox Temperature{*this, "Temperature"};
  forms::Label Label13{*this, "Label13"};
  forms::TextBox AtmPressure{*this, "AtmPressure"};
  forms::Label Label16{*this, "Label16"};
  forms::TextBox AirFlowVol{*this, "AirFlowVol"};
  forms::Label Label15{*this, "Label15"};
  forms::TextBox RelHumid{*this, "RelHumid"};
  forms::Button cmdCalc{*this, "cmdCalc"};
  forms::Button cmdData{*this, "cmdData"};
  forms::Button cmdPrint{*this, "cmdPrint"};
  forms::Button cmdExit{*this, "cmdExit"};
  forms::Line Line1{*this, "Line1"};
  forms::Line Line2{*this, "Line2"};
  forms::Line Line3{*this, "Line3"};
  forms::Line Line4{*this, "Line4"};
  forms::Line Line5{*this, "Line5"};
  forms::Line Line6{*this, "Line6"};

 private:
  void layOut();
  void wireHandlers();
  //! Writes the text of an accepted use condition into its twin box on the use-conditions screen.
  void copyToUseConditions(forms::TextBox* screens::UseConditionsView::*twin, const forms::TextBox& box);
  //! Why the inputs on the screen cannot be calculated, as the message for the user: a blank
  //! use-condition box, or the vapor concentration of a row 1 to TotalVapors outside 0.01 to
  //! 100,000 ppm (named by its row). Empty when the run may go on.
  std::string inputRefusal() const;
  //! Renews SuperficialVel and every BkFrac from the values as they stand, before the model runs.
  void renewModelInputs();

  forms::Application& m_app;
  SetUp& m_state;
  screens::Screens& m_screens;
  screens::ValidDataEntry::NumericField m_temperature;
  screens::ValidDataEntry::NumericField m_atmPressure;
  screens::ValidDataEntry::NumericField m_airFlowVol;
  screens::ValidDataEntry::NumericField m_relHumid;
};

}  // namespace tess::results
