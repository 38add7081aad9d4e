#pragma once
// The services that the forms layer asks of its platform: message boxes, printing, the modal
// loop, ending the program, and an observer that renders forms. The Qt binding implements them
// with real windows; ScriptedApplication implements them for headless tests.

#include <string>

namespace tess::forms {

class Control;
class Form;
enum class ControlProperty;

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Critical, Exclamation, Information, Question };
enum class MsgAnswer { OK, Yes, No };

struct MessageRequest {
  std::string text;
  std::string title;  //!< shown as given; an empty title stays empty
  MsgButtons buttons = MsgButtons::OK;
  MsgIcon icon = MsgIcon::None;
  MsgAnswer defaultButton = MsgAnswer::OK;
};

//! A modal message box: shows the request and returns the button the user pressed.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual MsgAnswer show(const MessageRequest& request) = 0;
};

struct PrintResult {
  bool ok = true;
  std::string message;  //!< what went wrong, for the user, when not ok
};

//! Prints an image of a form, as it shows on screen, on the default printer.
class PrinterService {
 public:
  virtual ~PrinterService() = default;
  virtual PrintResult printForm(Form& form) = 0;
};

//! Runs a nested event loop while a modal form is shown; returns when the form is no longer
//! visible or the program has ended.
class ModalLoop {
 public:
  virtual ~ModalLoop() = default;
  virtual void run(Form& form) = 0;
};

//! Ends the program (the closing steps have already run when end() is called).
class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  virtual void end() = 0;
};

//! Observer of everything visible. All calls come after the model has changed.
class Renderer {
 public:
  virtual ~Renderer() = default;
  virtual void formShown(Form&) {}
  virtual void formHidden(Form&) {}
  //! The form became the active form (the one that receives the keyboard).
  virtual void formActivated(Form&) {}
  //! Caption, client size, position, colour, font or close box of a form changed.
  virtual void formChanged(Form&) {}
  virtual void controlChanged(Control&, ControlProperty) {}
  //! The keyboard focus is now on this control (nullptr: on no control).
  virtual void focusChanged(Control*) {}
  virtual void programEnded() {}
};

//! The services an application uses. Null pointers select a built-in fallback that shows
//! nothing: message boxes answer their default button, printing fails with a message, the modal
//! loop returns at once, ending the program only marks it ended.
struct Services {
  MessageBoxService* messageBox = nullptr;
  PrinterService* printer = nullptr;
  ModalLoop* modalLoop = nullptr;
  ProgramEnd* programEnd = nullptr;
};

}  // namespace tess::forms
