#pragma once
// QtRenderer: keeps one FormWindow per form in step with the forms layer. Windows are built on a
// form's first show (or when printing or a test asks for them) from the form's whole state, and
// afterwards updated one property at a time.

#include <map>
#include <memory>

#include "platform/forms/Services.h"

namespace tess::qt {

class FormWindow;
class QtModalLoop;

class QtRenderer : public forms::Renderer {
 public:
  explicit QtRenderer(QtModalLoop& modalLoop);
  ~QtRenderer() override;

  //! The window of a form, built now if it does not exist yet.
  FormWindow& window(forms::Form& form);
  //! The window of a form if it has been built.
  FormWindow* existingWindow(const forms::Form& form) const;

  void formShown(forms::Form& form) override;
  void formHidden(forms::Form& form) override;
  void formChanged(forms::Form& form) override;
  void controlChanged(forms::Control& control, forms::ControlProperty property) override;
  void focusChanged(forms::Control* control) override;
  void programEnded() override;

 private:
  QtModalLoop& m_modalLoop;
  std::map<const forms::Form*, std::unique_ptr<FormWindow>> m_windows;
};

}  // namespace tess::qt
