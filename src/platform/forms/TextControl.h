#pragma once
// TextControl: what text boxes and drop-down lists share: the text, its selection and the
// changed flag DataChanged.
//
// Positions and lengths of the selection count characters (Unicode code points of the UTF-8
// text), not bytes.

#include <string>

#include "platform/forms/Control.h"

namespace tess::forms {

class TextControl : public Control {
 public:
  const std::string& text() const { return m_text; }
  //! The program writes the text. If it differs from the present text: the text is replaced,
  //! the selection becomes start 0, length 0, DataChanged becomes true, then Change fires.
  //! Writing the same text again changes nothing and fires nothing. A write to a form that is not
  //! loaded yet counts as unchanged once the form loads: call the form's ensureLoaded() before
  //! writing into another screen's boxes.
  void setText(std::string text);
  //! The text as the form is designed: replaces the text without Change and without setting
  //! DataChanged, for a screen's constructor. (Loading a form also clears DataChanged.)
  void setInitialText(std::string text);
  //! Length of the text in characters.
  int textLength() const;

  int selStart() const { return m_selStart; }
  int selLength() const { return m_selLength; }
  //! Sets the selection; start and length are clipped to the text. Fires no event.
  void setSelection(int start, int length);
  //! Selects the whole text (start 0, length = length of the text).
  void selectAll() { setSelection(0, textLength()); }

  //! The changed flag: false when the form is loaded (load clears it on every text control of the
  //! form just before onLoad runs), set to true by every change of the text (typed by the user or
  //! written by the program), cleared only by the program.
  bool DataChanged() const { return m_dataChanged; }
  void setDataChanged(bool changed) { m_dataChanged = changed; }

 protected:
  TextControl(Form& form, ControlKind kind, std::string name, int index);
  //! Replaces the text without firing Change; returns whether it differed. Sets DataChanged
  //! when it differed and puts the caret at caretPos (clipped) with nothing selected.
  bool replaceText(std::string text, int caretPos);

 private:
  friend class Application;
  std::string m_text;
  int m_selStart = 0;
  int m_selLength = 0;
  bool m_dataChanged = false;
};

}  // namespace tess::forms
