// ExitDialog: the incomplete-information dialog. A database screen hides itself and shows this
// dialog modally when its Return finds fields missing; "Return" hides the dialog (ending the modal
// display, so the database screen shows itself again), "Exit" asks the quit question.
#pragma once

#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "screens/Screens.h"

namespace tess::databases {

class ExitDialog : public forms::Form {
 public:
  explicit ExitDialog(screens::ScreenContext context);

  forms::Label Label5{*this, "Label5"};
  forms::Label Label1{*this, "Label1"};
  forms::Button ExitButton{*this, "ExitButton"};
  forms::Button ReturnButton{*this, "ReturnButton"};

  //! Hides the dialog; this ends its modal display.
  void ExitDialog_ReturnButton_Click();
  //! Asks the quit question: Yes ends the program (its closing steps close the record files); No
  //! moves the focus to ReturnButton and the dialog stays open.
  void ExitDialog_ExitButton_Click();

 private:
  screens::ScreenContext m_context;
};

}  // namespace tess::databases
