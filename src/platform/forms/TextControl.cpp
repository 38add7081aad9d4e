#include "platform/forms/TextControl.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/text/Windows1252.h"

namespace tess::forms {

TextControl::TextControl(Form& form, ControlKind kind, std::string name, int index)
    : Control(form, kind, std::move(name), index) {}

int TextControl::textLength() const { return static_cast<int>(tess::text::utf8Length(m_text)); }

bool TextControl::replaceText(std::string text, int caretPos) {
  if (text == m_text) return false;
  m_text = std::move(text);
  m_selStart = std::clamp(caretPos, 0, textLength());
  m_selLength = 0;
  m_dataChanged = true;
  notify(ControlProperty::Text);
  return true;
}

void TextControl::setText(std::string text) {
  if (!replaceText(std::move(text), 0)) return;
  app().textSetByProgram(*this);
}

void TextControl::setInitialText(std::string text) {
  replaceText(std::move(text), 0);
  m_dataChanged = false;
}

void TextControl::setSelection(int start, int length) {
  const int total = textLength();
  m_selStart = std::clamp(start, 0, total);
  m_selLength = std::clamp(length, 0, total - m_selStart);
  notify(ControlProperty::Selection);
}

}  // namespace tess::forms
