#pragma once
// Application: the forms of the program, the focus, the services, the end of the program, and
// the user actions.
//
// One application lives for the whole run and must outlive its forms. Everything runs on one
// thread; handlers run to completion, but a handler may itself show or hide forms, move the
// focus, open message boxes or show a modal form (whose loop runs inside the handler).
//
// User actions are the one way input enters the program: the tests call them directly and the
// Qt binding calls them for real mouse and keyboard input; the binding adds no behaviour of its
// own. While a modal form is open, user actions aimed at controls of other forms are refused.
// After the program has ended every user action, show, focus move and message box does nothing.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/Services.h"

namespace tess::forms {

class ComboBox;
class Control;
class Form;
class TextControl;

class Application {
 public:
  explicit Application(Services services = {});
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  void setServices(Services services) { m_services = services; }
  const Services& services() const { return m_services; }
  void setRenderer(Renderer* renderer) { m_renderer = renderer; }
  Renderer* renderer() const { return m_renderer; }
  //! The application's title, used where a message names no title of its own.
  const std::string& title() const { return m_title; }

  // Services.
  //! A modal message box; returns the button pressed. After the end of the program it shows
  //! nothing and returns the default button. Fires no focus events.
  MsgAnswer messageBox(const std::string& text, const std::string& title = "",
                       MsgButtons buttons = MsgButtons::OK, MsgIcon icon = MsgIcon::None,
                       MsgAnswer defaultButton = MsgAnswer::OK);
  MsgAnswer messageBox(const MessageRequest& request);
  //! Prints an image of the form on the default printer; the result says whether it worked.
  PrintResult printForm(Form& form);
  //! A step to run when the program ends, such as closing the record files. Steps run once, in
  //! the order they were added.
  void addClosingStep(std::function<void()> step);
  //! Ends the program: marks it ended, runs the closing steps, tells the renderer, then calls
  //! ProgramEnd::end(). Only the first call acts. Handlers still running after this call return
  //! normally, but from now on shows, focus moves, message boxes and user actions do nothing.
  void endProgram();
  bool ended() const { return m_ended; }

  // State.
  const std::vector<Form*>& forms() const { return m_forms; }
  //! The form that has the keyboard focus (nullptr: none).
  Form* activeForm() const { return m_activeForm; }
  //! The control that has the focus (nullptr: none, also while a LostFocus handler runs).
  Control* focusedControl() const { return m_focused; }
  //! The innermost modal form now open (nullptr: none).
  Form* modalForm() const { return m_modalStack.empty() ? nullptr : m_modalStack.back(); }

  // User actions. Each returns whether it took place.
  //! A mouse click into a control: the focus moves there (Validate first, see Control.h). The
  //! text of a drop-down list keeps its selection, as the click places the caret (Tab is tab()).
  bool focus(Control& control);
  //! The user's edit of a text box or drop-down list: focuses it first if it lacks the focus;
  //! then, if the text differs, replaces it, puts the caret at caretPos (characters; -1 = end),
  //! sets DataChanged and fires Change. A locked text box refuses the edit.
  bool editText(TextControl& control, std::string newText, int caretPos = -1);
  //! The user moves the caret or selection of the focused text control. Fires nothing.
  bool select(TextControl& control, int start, int length);
  //! A key goes down on the focused control: KeyDown(keyCode, shift) fires. Then, if the key is
  //! Enter or Space and the control (still focused) is a button, the button is clicked; if it is
  //! Esc and the active form has a cancel button, that button is clicked as by the mouse.
  bool pressKey(int keyCode, int shift = 0);
  //! A mouse click. A button: the focus moves to it first (Validate may refuse: then no Click),
  //! then Click. A text box or list: the focus moves to it (no Click). A label or picture: Click
  //! only, the focus stays where it is.
  bool click(Control& control);
  //! Tab (or Shift+Tab): the focus moves to the next (previous) control of the active form's tab
  //! order that can take the focus and has its tab stop, wrapping round (Validate first). A
  //! drop-down list that the focus reaches this way, or that the program moves it to
  //! (Control::setFocus, a form shown or made active again by the program), has its whole text
  //! selected before its GotFocus runs, as a desktop platform's drop-down list does.
  bool tab(bool backwards = false);
  //! The user chooses entry index (0-based) of a drop-down list: the focus moves to the list
  //! (Validate may refuse), its text becomes the entry, wholly selected (DataChanged set if it
  //! differs; no Change), then Click.
  bool chooseItem(ComboBox& combo, int index);
  //! The user makes another visible form the active one (clicks its window).
  bool activate(Form& form);
  //! The window's close box: runs the form's close hook, if any.
  bool closeWindow(Form& form);

 private:
  friend class Control;
  friend class Form;
  friend class TextControl;
  void registerForm(Form* form);
  void unregisterForm(Form* form);
  void forgetControl(Control* control);
  void showForm(Form& form);
  void showFormModal(Form& form);
  void hideForm(Form& form);
  bool programFocus(Control& control);
  void controlUnavailable(Control& control);
  void textSetByProgram(TextControl& control);
  //! What moved the focus: a drop-down list selects its whole text unless a mouse click did.
  enum class FocusCause { Keyboard, Mouse, Program };
  template <class Handler, class... Args>
  void fire(const Handler& handler, Args&&... args);

  bool acceptsInput(const Form& form) const;
  bool acceptsInput(const Control& control) const;
  Control* activateForm(Form& form, Control* target, FocusCause cause);
  bool moveFocusWithin(Control& target, FocusCause cause);
  void giveFocus(Control& target, FocusCause cause);
  unsigned takeFocus();
  void notifyFocus();

  Services m_services;
  Renderer* m_renderer = nullptr;
  std::string m_title = "Tessaloran";
  bool m_ended = false;
  std::vector<std::function<void()>> m_closingSteps;
  std::vector<Form*> m_forms;
  std::vector<Form*> m_activationOrder;  // visible forms, most recently active last
  std::vector<Form*> m_modalStack;
  Form* m_activeForm = nullptr;
  Control* m_focused = nullptr;
  unsigned m_focusSerial = 0;  // counts focus changes, so a move can tell that a handler moved it
};

// Handlers are copied before the call: a handler may replace handlers (even its own) while it
// runs. After the end of the program no handler runs any more.
template <class Handler, class... Args>
void Application::fire(const Handler& handler, Args&&... args) {
  if (m_ended || !handler) return;
  Handler copy = handler;
  copy(std::forward<Args>(args)...);
}

}  // namespace tess::forms
