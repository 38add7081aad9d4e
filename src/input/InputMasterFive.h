// InputMasterFive: the data-input screen, the hub of the program. It opens the cartridge screen,
// the five vapor slots on the vapor screen and the use-conditions screen, clears the vapor slots,
// continues to the results screen once a cartridge, vapor 1 and the use conditions are set, and
// quits on request. Its labels CartName and Vap(1..5) are the record of what is chosen: the slot
// rule and the completeness test read them, never the shared vapor records.
#pragma once

#include <cstdint>

#include "platform/forms/Button.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "screens/Screens.h"

namespace tess::input {

class InputMasterFive : public forms::Form {
 public:
  explicit InputMasterFive(screens::ScreenContext context);

  //! The vapor slot (1 to MaxVapors) that the vapor screen edits; 0 until a slot is first opened.
  //! Only the slot rule writes it; "Clear All Vapors" leaves it.
  std::int16_t selectedVapIdx = 0;

  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Button SelectCart{*this, "SelectCart"};
  forms::Label CartName{*this, "CartName"};
  forms::ControlArray<forms::Button, 5> SelectVap{*this, "SelectVap"};
  forms::ControlArray<forms::Label, 5> Vap{*this, "Vap"};
  forms::Button SelectUse{*this, "SelectUse"};
  forms::Button Continue{*this, "Continue"};
  forms::Button ClearVapors{*this, "ClearVapors"};
  forms::Button ExitBtn{*this, "ExitBtn"};

  //! First show: shows the screen, moves the focus to SelectCart, sets MixVapors to 0.
  void InputMasterFive_Form_Load();
  //! Shows the cartridge screen, then hides this screen.
  void InputMasterFive_SelectCart_Click();
  //! Opens vapor slot Index (1 to 5) by the slot rule.
  void InputMasterFive_SelectVap_Click(std::int16_t Index);
  //! Shows the use-conditions screen, then hides this screen.
  void InputMasterFive_SelectUse_Click();
  //! Empties all five vapor slots and sets both counters to 0.
  void InputMasterFive_ClearVapors_Click();
  //! Refuses while the cartridge, vapor 1 or the use conditions are missing; otherwise fills the
  //! results screen, clears its old times, hides this screen and shows it with the focus on the
  //! first breakthrough-concentration box.
  void InputMasterFive_Continue_Click();
  //! Asks the quit question: Yes ends the program; No puts the focus on Continue.
  void InputMasterFive_ExitBtn_Click();

 private:
  //! The slot rule: slots open strictly in order 1 to MaxVapors; an opened slot may be reopened.
  void SelectVapor(int Index);
  //! Whether a label counts as holding no vapor or cartridge ("None Selected" in any case, with
  //! blanks round it, or empty).
  static bool labelIsEmpty(const forms::Label& label);
  //! Whether the slot rule counts slot Index as empty: its label reads "None Selected" in any
  //! case, with blanks round it (a blank label does not count here, only for Continue).
  bool slotReadsNoneSelected(int Index) const;

  screens::ScreenContext m_context;
};

}  // namespace tess::input
