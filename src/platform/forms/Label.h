#pragma once
// Label: a caption that never takes the focus. Events: Click.

#include <string>

#include "platform/forms/Control.h"

namespace tess::forms {

class Label : public Control {
 public:
  Label(Form& form, std::string name, int index = 0);

  void setCaption(std::string caption);
  const std::string& caption() const { return m_caption; }
  void setAlignment(Align alignment);
  Align alignment() const { return m_alignment; }
  //! true (the default): the caption wraps at the label's width.
  void setWordWrap(bool wordWrap);
  bool wordWrap() const { return m_wordWrap; }
  void setBorder(bool border);
  bool border() const { return m_border; }

 private:
  std::string m_caption;
  Align m_alignment = Align::Left;
  bool m_wordWrap = true;
  bool m_border = false;
};

}  // namespace tess::forms
