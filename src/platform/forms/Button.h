#pragma once
// Button: a command button; with a back colour set it is drawn in that colour.
// Events: GotFocus, LostFocus, Validate, KeyDown, Click. Clicking it first moves the focus to
// it (which may run Validate on the control that had the focus and be refused).

#include <string>

#include "platform/forms/Control.h"

namespace tess::forms {

class Button : public Control {
 public:
  Button(Form& form, std::string name, int index = 0);

  //! The caption wraps at the button's width; blanks are kept.
  void setCaption(std::string caption);
  const std::string& caption() const { return m_caption; }

 private:
  std::string m_caption;
};

}  // namespace tess::forms
