#pragma once
// QtPrinter: prints the image of a form's window, as it shows on screen, on the default printer
// (or into a PDF file, for tests).

#include <string>

#include "platform/forms/Services.h"

namespace tess::qt {

class QtRenderer;

class QtPrinter : public forms::PrinterService {
 public:
  explicit QtPrinter(QtRenderer& renderer) : m_renderer(renderer) {}

  forms::PrintResult printForm(forms::Form& form) override;
  //! Prints into this PDF file instead of the default printer; an empty path: the printer again.
  void setPdfOutput(std::string path) { m_pdfPath = std::move(path); }

 private:
  QtRenderer& m_renderer;
  std::string m_pdfPath;
};

}  // namespace tess::qt
