#include "platform/forms/Control.h"

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"

namespace tess::forms {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : m_form(&form), m_kind(kind), m_name(std::move(name)), m_index(index) {
  form.addControl(this);
}

Control::~Control() {
  if (m_form->m_app) m_form->m_app->forgetControl(this);
  m_form->removeControl(this);
}

Application& Control::app() const { return m_form->app(); }

std::string Control::displayName() const {
  if (m_index == 0) return m_name;
  return m_name + "(" + std::to_string(m_index) + ")";
}

void Control::notify(ControlProperty property) {
  if (!m_form->m_app) return;
  if (Renderer* renderer = m_form->m_app->renderer()) renderer->controlChanged(*this, property);
}

void Control::setGeometry(Rect rect) { store(m_geometry, rect, ControlProperty::Geometry); }

void Control::setBackColor(std::optional<Color> color) {
  store(m_backColor, color, ControlProperty::Appearance);
}

void Control::setFont(std::optional<Font> font) {
  store(m_font, std::move(font), ControlProperty::Appearance);
}

Font Control::font() const { return m_font ? *m_font : m_form->font(); }

void Control::setToolTip(std::string text) { store(m_toolTip, std::move(text), ControlProperty::Appearance); }

void Control::setVisible(bool visible) {
  if (m_visible == visible) return;
  m_visible = visible;
  notify(ControlProperty::Visible);
  if (!visible) app().controlUnavailable(*this);
}

void Control::setEnabled(bool enabled) {
  if (m_enabled == enabled) return;
  m_enabled = enabled;
  notify(ControlProperty::Enabled);
  if (!enabled) app().controlUnavailable(*this);
}

void Control::setTabIndex(int tabIndex) { m_tabIndex = tabIndex; }

void Control::setTabStop(bool tabStop) { m_tabStop = tabStop; }

bool Control::isFocusKind() const {
  return m_kind == ControlKind::TextBox || m_kind == ControlKind::ComboBox || m_kind == ControlKind::Button;
}

bool Control::canFocus() const { return isFocusKind() && m_visible && m_enabled && m_form->visible(); }

bool Control::setFocus() { return app().programFocus(*this); }

bool Control::hasFocus() const { return app().focusedControl() == this; }

}  // namespace tess::forms
