#include "platform/forms/Form.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Button.h"
#include "platform/forms/Control.h"
#include "platform/forms/TextControl.h"

namespace tess::forms {

Form::Form(Application& app, std::string name) : m_app(&app), m_name(std::move(name)) { app.registerForm(this); }

Form::~Form() {
  if (m_app) m_app->unregisterForm(this);
}

void Form::notifyChanged() {
  if (Renderer* renderer = m_app->renderer()) renderer->formChanged(*this);
}

void Form::setCaption(std::string caption) {
  m_caption = std::move(caption);
  notifyChanged();
}

void Form::setClientSize(int widthTwips, int heightTwips) {
  m_clientWidth = widthTwips;
  m_clientHeight = heightTwips;
  notifyChanged();
}

void Form::setPosition(int leftTwips, int topTwips) {
  m_position = std::make_pair(leftTwips, topTwips);
  notifyChanged();
}

void Form::setCentered() {
  m_position.reset();
  notifyChanged();
}

void Form::setBackColor(std::optional<Color> color) {
  m_backColor = color;
  notifyChanged();
}

void Form::setFont(Font font) {
  m_font = std::move(font);
  notifyChanged();
}

void Form::ensureLoaded() {
  if (m_loaded) return;
  // Loaded before the handler runs, so that a load handler may show the form itself.
  m_loaded = true;
  // Texts given while the screen was built count as unchanged.
  for (Control* control : m_controls)
    if (control->kind() == ControlKind::TextBox || control->kind() == ControlKind::ComboBox)
      static_cast<TextControl*>(control)->setDataChanged(false);
  m_app->fire(onLoad);
}

void Form::show() { m_app->showForm(*this); }

void Form::showModal() { m_app->showFormModal(*this); }

void Form::hide() { m_app->hideForm(*this); }

bool Form::active() const { return m_app->activeForm() == this; }

std::vector<Control*> Form::tabOrder() const {
  std::vector<Control*> order;
  for (Control* control : m_controls)
    if (control->isFocusKind()) order.push_back(control);
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    if (a->m_tabIndex != b->m_tabIndex) return a->m_tabIndex < b->m_tabIndex;
    return a->m_order < b->m_order;
  });
  return order;
}

Control* Form::firstFocusable() const {
  const std::vector<Control*> order = tabOrder();
  for (Control* control : order)
    if (control->canFocus() && control->tabStop()) return control;
  for (Control* control : order)
    if (control->canFocus()) return control;
  return nullptr;
}

void Form::addControl(Control* control) {
  control->m_order = m_nextOrder;
  control->m_tabIndex = m_nextOrder;
  ++m_nextOrder;
  m_controls.push_back(control);
}

void Form::removeControl(Control* control) {
  std::erase(m_controls, control);
  if (m_activeControl == control) m_activeControl = nullptr;
  if (m_cancelButton == control) m_cancelButton = nullptr;
}

}  // namespace tess::forms
