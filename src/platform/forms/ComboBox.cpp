#include "platform/forms/ComboBox.h"

#include <iterator>

namespace tess::forms {

ComboBox::ComboBox(Form& form, std::string name, int index)
    : TextControl(form, ControlKind::ComboBox, std::move(name), index) {}

void ComboBox::addItem(std::string item) {
  m_items.push_back(std::move(item));
  notify(ControlProperty::Items);
}

void ComboBox::addItems(std::vector<std::string> items) {
  if (items.empty()) return;
  m_items.insert(m_items.end(), std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
  notify(ControlProperty::Items);
}

void ComboBox::clear() {
  m_items.clear();
  notify(ControlProperty::Items);
  // Emptying the list empties the text too; it is no edit, so no Change.
  replaceText(std::string(), 0);
}

}  // namespace tess::forms
