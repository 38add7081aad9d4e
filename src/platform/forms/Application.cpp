#include "platform/forms/Application.h"

#include <algorithm>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeyCodes.h"
#include "platform/forms/TextBox.h"
#include "platform/text/Windows1252.h"

namespace tess::forms {

Application::Application(Services services) : m_services(services) {}

Application::~Application() {
  // Forms normally die before their application; if one outlives it, it must not call back.
  for (Form* form : m_forms) form->m_app = nullptr;
}

// ---- services ------------------------------------------------------------------------------

MsgAnswer Application::messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                                  MsgIcon icon, MsgAnswer defaultButton) {
  return messageBox(MessageRequest{text, title, buttons, icon, defaultButton});
}

MsgAnswer Application::messageBox(const MessageRequest& request) {
  if (m_ended || !m_services.messageBox) return request.defaultButton;
  return m_services.messageBox->show(request);
}

PrintResult Application::printForm(Form& form) {
  if (m_ended) return {false, "The program has ended."};
  if (!m_services.printer) return {false, "No printer is available."};
  return m_services.printer->printForm(form);
}

void Application::addClosingStep(std::function<void()> step) { m_closingSteps.push_back(std::move(step)); }

void Application::endProgram() {
  if (m_ended) return;
  m_ended = true;
  const std::vector<std::function<void()>> steps = m_closingSteps;
  for (const auto& step : steps) {
    // One failing step (a file that will not close) must not keep the others from running.
    try {
      if (step) step();
    } catch (...) {
    }
  }
  if (m_renderer) m_renderer->programEnded();
  if (m_services.programEnd) m_services.programEnd->end();
}

// ---- registration --------------------------------------------------------------------------

void Application::registerForm(Form* form) { m_forms.push_back(form); }

void Application::unregisterForm(Form* form) {
  std::erase(m_forms, form);
  std::erase(m_activationOrder, form);
  std::erase(m_modalStack, form);
  if (m_activeForm == form) m_activeForm = nullptr;
  if (m_focused && &m_focused->form() == form) m_focused = nullptr;
}

void Application::forgetControl(Control* control) {
  if (m_focused == control) m_focused = nullptr;
}

void Application::controlUnavailable(Control& control) {
  if (m_focused == &control) takeFocus();
}

void Application::textSetByProgram(TextControl& control) {
  fire(control.onChange);
}

// ---- focus machinery -----------------------------------------------------------------------

void Application::notifyFocus() {
  if (m_renderer) m_renderer->focusChanged(m_focused);
}

unsigned Application::takeFocus() {
  Control* old = m_focused;
  if (!old) return m_focusSerial;
  m_focused = nullptr;
  const unsigned serial = ++m_focusSerial;
  notifyFocus();
  fire(old->onLostFocus);
  return serial;
}

void Application::giveFocus(Control& target, FocusCause cause) {
  m_focused = &target;
  target.form().m_activeControl = &target;
  ++m_focusSerial;
  // A click places the caret itself; every other way into a drop-down list selects its text, so
  // that typing replaces it.
  if (cause != FocusCause::Mouse && target.kind() == ControlKind::ComboBox)
    static_cast<TextControl&>(target).selectAll();
  notifyFocus();
  fire(target.onGotFocus);
}

Control* Application::activateForm(Form& form, Control* target, FocusCause cause) {
  if (m_ended || !form.m_visible) return nullptr;
  std::erase(m_activationOrder, &form);
  m_activationOrder.push_back(&form);
  if (m_activeForm == &form && m_focused && &m_focused->form() == &form) {
    if (target && target != m_focused) return moveFocusWithin(*target, cause) ? target : nullptr;
    return m_focused;
  }
  if (m_activeForm != &form) {
    m_activeForm = &form;
    if (m_renderer) m_renderer->formActivated(form);
  }
  const unsigned serial = takeFocus();  // the other form's control, if any, loses the focus
  if (m_ended || m_focusSerial != serial || m_activeForm != &form || !form.m_visible) return nullptr;
  Control* chosen = nullptr;
  if (target && target->canFocus())
    chosen = target;
  else if (form.m_activeControl && form.m_activeControl->canFocus())
    chosen = form.m_activeControl;
  else
    chosen = form.firstFocusable();
  if (!chosen) return nullptr;
  giveFocus(*chosen, cause);
  return chosen;
}

bool Application::moveFocusWithin(Control& target, FocusCause cause) {
  Control* from = m_focused;
  if (from == &target) return true;
  if (from && from->onValidate) {
    bool cancel = false;
    const unsigned serial = m_focusSerial;
    fire(from->onValidate, cancel);
    if (m_ended) return false;
    if (cancel) {
      notifyFocus();  // the renderer puts the focus back where it stays
      return false;
    }
    // A Validate handler that moved the focus itself has taken over the move.
    if (m_focusSerial != serial || m_focused != from) return false;
  }
  if (!target.canFocus() || m_activeForm != &target.form()) return false;
  const unsigned serial = takeFocus();
  if (m_ended || m_focusSerial != serial) return false;  // a LostFocus handler moved the focus
  if (!target.canFocus() || m_activeForm != &target.form()) return false;
  giveFocus(target, cause);
  return true;
}

bool Application::programFocus(Control& control) {
  if (m_ended) return false;
  if (!control.isFocusKind() || !control.visible() || !control.enabled()) return false;
  Form& form = control.form();
  if (!form.m_visible) {
    // Remembered: the control gets the focus when its form is shown.
    form.m_activeControl = &control;
    return false;
  }
  if (m_activeForm != &form) return activateForm(form, &control, FocusCause::Program) == &control;
  return moveFocusWithin(control, FocusCause::Program);
}

// ---- showing and hiding --------------------------------------------------------------------

void Application::showForm(Form& form) {
  if (m_ended) return;
  form.ensureLoaded();
  if (m_ended) return;
  if (!form.m_visible) {
    form.m_visible = true;
    if (m_renderer) m_renderer->formShown(form);
  }
  activateForm(form, nullptr, FocusCause::Program);
}

void Application::showFormModal(Form& form) {
  if (m_ended || form.m_modal) return;
  form.m_modal = true;
  m_modalStack.push_back(&form);
  showForm(form);
  if (!m_ended && form.m_visible && m_services.modalLoop) m_services.modalLoop->run(form);
  auto last = std::find(m_modalStack.rbegin(), m_modalStack.rend(), &form);
  if (last != m_modalStack.rend()) m_modalStack.erase(std::next(last).base());
  form.m_modal = false;
}

void Application::hideForm(Form& form) {
  if (!form.m_visible) return;
  form.m_visible = false;
  std::erase(m_activationOrder, &form);
  if (m_renderer) m_renderer->formHidden(form);
  if (m_activeForm != &form) return;
  if (m_focused && &m_focused->form() == &form) takeFocus();
  if (m_activeForm != &form) return;  // a LostFocus handler activated another form
  m_activeForm = nullptr;
  // As a window system does, the form that was active before becomes active again.
  if (!m_ended && !m_activationOrder.empty())
    activateForm(*m_activationOrder.back(), nullptr, FocusCause::Program);
}

// ---- user actions --------------------------------------------------------------------------

bool Application::acceptsInput(const Form& form) const {
  if (m_ended || !form.m_visible) return false;
  const Form* modal = modalForm();
  return modal == nullptr || modal == &form;
}

bool Application::acceptsInput(const Control& control) const {
  return acceptsInput(control.form()) && control.visible() && control.enabled();
}

bool Application::focus(Control& control) {
  if (!acceptsInput(control) || !control.canFocus()) return false;
  if (m_activeForm != &control.form())
    return activateForm(control.form(), &control, FocusCause::Mouse) == &control;
  return moveFocusWithin(control, FocusCause::Mouse);
}

bool Application::editText(TextControl& control, std::string newText, int caretPos) {
  if (!acceptsInput(control)) return false;
  if (control.kind() == ControlKind::TextBox && static_cast<TextBox&>(control).locked()) {
    control.notify(ControlProperty::Text);  // the binding shows the unchanged text again
    return false;
  }
  if (!control.hasFocus() && (!focus(control) || !control.hasFocus())) {
    control.notify(ControlProperty::Text);
    return false;
  }
  if (caretPos < 0) caretPos = static_cast<int>(tess::text::utf8Length(newText));
  if (control.replaceText(std::move(newText), caretPos)) {
    fire(control.onChange);
  } else {
    control.setSelection(caretPos, 0);
  }
  return true;
}

bool Application::select(TextControl& control, int start, int length) {
  if (!acceptsInput(control) || !control.hasFocus()) return false;
  control.setSelection(start, length);
  return true;
}

bool Application::pressKey(int keyCode, int shift) {
  Form* form = m_activeForm;
  if (!form || !acceptsInput(*form)) return false;
  Control* target = m_focused;
  if (target) fire(target->onKeyDown, keyCode, shift);
  if (m_ended) return true;
  if ((keyCode == KeyReturn || keyCode == KeySpace) && target && target->kind() == ControlKind::Button &&
      m_focused == target) {
    fire(target->onClick);
  } else if (keyCode == KeyEscape && m_activeForm == form && form->m_cancelButton) {
    click(*form->m_cancelButton);
  }
  return true;
}

bool Application::click(Control& control) {
  if (!acceptsInput(control)) return false;
  switch (control.kind()) {
    case ControlKind::Button:
      if (!control.hasFocus() && !focus(control)) return false;
      fire(control.onClick);
      return true;
    case ControlKind::TextBox:
      if (!control.hasFocus() && !focus(control)) return false;
      fire(control.onClick);
      return true;
    case ControlKind::ComboBox:
      // Clicking into the list's text only moves the focus; Click means choosing an entry.
      return control.hasFocus() || focus(control);
    case ControlKind::Label:
    case ControlKind::Picture:
      fire(control.onClick);
      return true;
    case ControlKind::Line:
      return false;
  }
  return false;
}

bool Application::tab(bool backwards) {
  Form* form = m_activeForm;
  if (!form || !acceptsInput(*form)) return false;
  const std::vector<Control*> order = form->tabOrder();
  const int count = static_cast<int>(order.size());
  if (count == 0) return false;
  const auto found = std::find(order.begin(), order.end(), m_focused);
  int position = found == order.end() ? (backwards ? count : -1) : static_cast<int>(found - order.begin());
  for (int step = 0; step < count; ++step) {
    position = ((backwards ? position - 1 : position + 1) % count + count) % count;
    Control* candidate = order[static_cast<std::size_t>(position)];
    if (candidate == m_focused) return false;
    if (candidate->canFocus() && candidate->tabStop())
      return moveFocusWithin(*candidate, FocusCause::Keyboard);
  }
  return false;
}

bool Application::chooseItem(ComboBox& combo, int index) {
  if (!acceptsInput(combo) || index < 0 || index >= combo.itemCount()) return false;
  if (!combo.hasFocus() && (!focus(combo) || !combo.hasFocus())) return false;
  // The focus handlers may have changed the list.
  if (index >= combo.itemCount()) return false;
  const std::string item = combo.items()[static_cast<std::size_t>(index)];
  combo.replaceText(item, 0);
  combo.selectAll();
  fire(combo.onClick);
  return true;
}

bool Application::activate(Form& form) {
  if (!acceptsInput(form)) return false;
  activateForm(form, nullptr, FocusCause::Mouse);
  return true;
}

bool Application::closeWindow(Form& form) {
  if (!acceptsInput(form)) return false;
  fire(form.m_closeHook);
  return true;
}

}  // namespace tess::forms
