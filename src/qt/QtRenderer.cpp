#include "qt/QtRenderer.h"

#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "qt/FormWindow.h"
#include "qt/QtServices.h"

namespace tess::qt {

QtRenderer::QtRenderer(QtModalLoop& modalLoop) : m_modalLoop(modalLoop) {}

QtRenderer::~QtRenderer() = default;

FormWindow& QtRenderer::window(forms::Form& form) {
  auto& slot = m_windows[&form];
  if (!slot) slot = std::make_unique<FormWindow>(form);
  return *slot;
}

FormWindow* QtRenderer::existingWindow(const forms::Form& form) const {
  const auto found = m_windows.find(&form);
  return found == m_windows.end() ? nullptr : found->second.get();
}

void QtRenderer::formShown(forms::Form& form) {
  FormWindow& shown = window(form);
  // Modality must be set before the window is shown to take effect.
  shown.setWindowModality(form.modal() ? Qt::ApplicationModal : Qt::NonModal);
  shown.placeOnScreen();
  shown.show();
  shown.bringToFront();
}

void QtRenderer::formHidden(forms::Form& form) {
  if (FormWindow* hidden = existingWindow(form)) hidden->hide();
  m_modalLoop.wake(form);
}

void QtRenderer::formChanged(forms::Form& form) {
  if (FormWindow* changed = existingWindow(form)) changed->syncForm();
}

void QtRenderer::controlChanged(forms::Control& control, forms::ControlProperty property) {
  // Before its first show a form's window does not exist: it is built from the whole state then.
  if (FormWindow* changed = existingWindow(control.form())) changed->syncControl(control, property);
}

void QtRenderer::focusChanged(forms::Control* control) {
  if (!control) return;
  if (FormWindow* focused = existingWindow(control->form())) focused->showFocus(*control);
}

void QtRenderer::programEnded() {
  for (auto& [form, window] : m_windows) {
    window->allowClose();
    window->hide();
  }
  m_modalLoop.wakeAll();
}

}  // namespace tess::qt
