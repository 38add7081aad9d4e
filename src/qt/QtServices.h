#pragma once
// The forms layer's services with Qt: message boxes, the modal loop and the end of the program.
// Printing is in QtPrinter.h.

#include <vector>

#include "platform/forms/Services.h"

class QEventLoop;

namespace tess::forms {
class Application;
}

namespace tess::qt {

//! A real QMessageBox with the request's text, title (an empty title stays empty), buttons,
//! default button and icon, over the active window.
class QtMessageBoxes : public forms::MessageBoxService {
 public:
  forms::MsgAnswer show(const forms::MessageRequest& request) override;
};

//! Runs a local event loop while a modal form is shown; hiding the form (or the end of the
//! program) quits it.
class QtModalLoop : public forms::ModalLoop {
 public:
  explicit QtModalLoop(const forms::Application& app) : m_app(app) {}
  void run(forms::Form& form) override;
  //! The form was hidden: its loop, if one runs, returns.
  void wake(const forms::Form& form);
  //! The program ended: every loop returns.
  void wakeAll();

 private:
  struct Running {
    const forms::Form* form;
    QEventLoop* loop;
  };
  const forms::Application& m_app;
  std::vector<Running> m_running;
};

//! Ends the program: quits the application's event loop (and any loop nested in it). Before that
//! loop runs it does nothing; the caller of exec() checks Application::ended() first.
class QtProgramEnd : public forms::ProgramEnd {
 public:
  void end() override;
};

}  // namespace tess::qt
