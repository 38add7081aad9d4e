// LimitsMessage: the small screen that tells the user that a breakthrough fraction lies outside
// the model's limits. The results screen hides itself and shows this one; "Return" (and the
// window's close box) hides it and shows the results screen again, with its old times.
#pragma once

#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "screens/Screens.h"

namespace tess::results {

class LimitsMessage : public forms::Form {
 public:
  explicit LimitsMessage(const screens::ScreenContext& context);

  void LimitsMessage_ReturnButton_Click();

  forms::Label Label1{*this, "Label1"};
  forms::Button ReturnButton{*this, "ReturnButton"};

 private:
  screens::Screens& m_screens;
};

}  // namespace tess::results
