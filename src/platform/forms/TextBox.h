#pragma once
// TextBox: a one-line or multi-line text box.
// Events: GotFocus, LostFocus, Validate, KeyDown, Change (typing and program writes), Click.

#include "platform/forms/TextControl.h"

namespace tess::forms {

class TextBox : public TextControl {
 public:
  TextBox(Form& form, std::string name, int index = 0);

  void setMultiLine(bool multiLine);
  bool multiLine() const { return m_multiLine; }
  //! A border (the default) or none.
  void setBorder(bool border);
  bool border() const { return m_border; }
  void setAlignment(Align alignment);
  Align alignment() const { return m_alignment; }
  //! A locked box can get the focus but the user cannot change its text.
  void setLocked(bool locked);
  bool locked() const { return m_locked; }

 private:
  bool m_multiLine = false;
  bool m_border = true;
  Align m_alignment = Align::Left;
  bool m_locked = false;
};

}  // namespace tess::forms
