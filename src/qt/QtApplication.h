#pragma once
// QtApplication: the forms layer's application shown with Qt 6 Widgets. Every form becomes a
// top-level window; real input reaches the forms layer through its user actions; message boxes,
// modal loops, printing and the end of the program are real. A QApplication must exist before
// it is built and outlive it.
//
//   QApplication qtApp(argc, argv);
//   tess::qt::QtApplication app;
//   ... build the forms on app, show the first one ...
//   return qtApp.exec();   // returns when the program ends

#include <memory>
#include <string>

#include "platform/forms/Application.h"

class QWidget;

namespace tess::qt {

class FormWindow;
class QtMessageBoxes;
class QtModalLoop;
class QtPrinter;
class QtProgramEnd;
class QtRenderer;

class QtApplication : public forms::Application {
 public:
  QtApplication();
  ~QtApplication() override;

  //! Prints into this PDF file instead of the default printer (tests); empty: the printer.
  void setPdfOutput(std::string path);
  //! The window of a form, built now if it has not been shown yet.
  FormWindow& window(forms::Form& form);
  //! The widget that shows a control (its form's window is built if needed).
  QWidget* widget(forms::Control& control);

 private:
  std::unique_ptr<QtMessageBoxes> m_messageBoxes;
  std::unique_ptr<QtModalLoop> m_modalLoop;
  std::unique_ptr<QtProgramEnd> m_programEnd;
  std::unique_ptr<QtRenderer> m_renderer;
  std::unique_ptr<QtPrinter> m_printer;
};

}  // namespace tess::qt
