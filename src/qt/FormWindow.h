#pragma once
// FormWindow: the top-level window that shows one form of the forms layer, with one widget per
// control. It copies the forms layer's state into the widgets (FormWindowSync.cpp) and turns real
// mouse and keyboard input into the forms layer's user actions (FormWindowInput.cpp); it decides
// nothing itself. The forms layer stays the single source of truth for texts, selection, focus
// and visibility.
//
// Input routing:
//   mouse press      asked of the forms layer first (focus or click); refused: the press is
//                    swallowed, so nothing happens on screen either (no click, no popup)
//   typing           QLineEdit::textEdited (user edits only) -> Application::editText
//   caret/selection  -> Application::select
//   Tab, Shift+Tab   the window's focusNextPrevChild -> Application::tab
//   Enter, Esc       KeyDown KeyReturn / KeyEscape through Application::pressKey (which
//                    presses the cancel button on Esc); other keys fire KeyDown and then reach
//                    the widget
//   list entry       QComboBox::activated -> Application::chooseItem
//   close box        the form's close hook (Application::closeWindow); the window stays

#include <QWidget>

#include <unordered_map>

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QPlainTextEdit;

namespace tess::forms {
class TextControl;
}

namespace tess::qt {

class FormWindow : public QWidget {
 public:
  explicit FormWindow(forms::Form& form);
  ~FormWindow() override;

  forms::Form& form() const { return m_form; }
  //! Caption, size, position, colour, font and close box from the form.
  void syncForm();
  //! One property of one control from the forms layer into its widget.
  void syncControl(forms::Control& control, forms::ControlProperty property);
  //! Every property of every control.
  void syncAllControls();
  //! Puts the keyboard focus on the control's widget (the forms layer has moved it there).
  void showFocus(forms::Control& control);
  //! Raises the window and makes it the active window.
  void bringToFront();
  //! Places the window where the form says before it is first shown.
  void placeOnScreen();
  //! The widget that shows a control (nullptr: none).
  QWidget* widgetFor(const forms::Control& control) const;
  //! Lets the window close for real (at the end of the program).
  void allowClose() { m_closeAllowed = true; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  //! Counts nested writes of the forms layer's values into widgets, so that the widgets' own
  //! signals during such writes are not mistaken for user input.
  class Updating {
   public:
    explicit Updating(int& counter) : m_counter(counter) { ++m_counter; }
    ~Updating() { --m_counter; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

   private:
    int& m_counter;
  };

  forms::Application& app() const { return m_form.app(); }

  // The widgets and their controls (FormWindow.cpp).
  QWidget* createWidget(forms::Control& control);
  void bind(QWidget* widget, forms::Control& control);
  forms::Control* controlFor(const QObject* object) const;

  // Forms layer to widgets (FormWindowSync.cpp).
  void syncGeometry(forms::Control& control);
  void syncAppearance(forms::Control& control);
  void syncText(forms::Control& control);
  void syncSelection(forms::Control& control);
  void syncItems(forms::Control& control);
  void syncCaption(forms::Control& control);
  void syncDrawing(forms::Control& control);

  // User input to the forms layer (FormWindowInput.cpp).
  void wireLineEdit(QLineEdit* edit, forms::TextControl& control);
  void wirePlainText(QPlainTextEdit* edit, forms::TextControl& control);
  void wireComboBox(QComboBox* combo, forms::TextControl& control);
  void reportSelection(forms::TextControl& control, int start, int length);

  bool handleKey(QObject* watched, QKeyEvent* event);
  bool handleMouse(QObject* watched, QMouseEvent* event);

  forms::Form& m_form;
  std::unordered_map<const forms::Control*, QWidget*> m_widgets;
  std::unordered_map<const QObject*, forms::Control*> m_bound;
  int m_updating = 0;         // > 0 while the forms layer's values are written into widgets
  bool m_tabPressed = false;  // the Tab key is being handled (Qt also moves the focus for itself)
  bool m_closeAllowed = false;
  bool m_placed = false;
};

}  // namespace tess::qt
