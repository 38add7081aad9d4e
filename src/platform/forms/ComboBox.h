#pragma once
// ComboBox: an editable drop-down list. The list and the text are one control.
// Events:
//   Change  the user types, or the program sets a different text (setText)
//   Click   the user chooses an entry of the list (Application::chooseItem); no Change then
//   nothing when entries are added, nor when the list is emptied (clear), although that empties
//   the text as well.
// The list only grows at its end or is emptied as a whole; a renderer may rely on that.
// Gaining the focus by Tab or from the program selects the whole text before GotFocus runs (see
// Application::tab); a click into the text does not.

#include <string>
#include <vector>

#include "platform/forms/TextControl.h"

namespace tess::forms {

class ComboBox : public TextControl {
 public:
  ComboBox(Form& form, std::string name, int index = 0);

  //! Adds an entry at the end of the list (entries keep the order in which they are added).
  void addItem(std::string item);
  //! Adds the entries at the end of the list in one step, in their order, and tells the renderer
  //! once, so that a long list is shown once rather than once per entry.
  void addItems(std::vector<std::string> items);
  //! Empties the list and the text; fires no Change. DataChanged is set if the text was not empty.
  void clear();
  const std::vector<std::string>& items() const { return m_items; }
  int itemCount() const { return static_cast<int>(m_items.size()); }

 private:
  friend class Application;
  std::vector<std::string> m_items;
};

}  // namespace tess::forms
