// FormWindow, user input to the forms layer: typing, caret and selection moves, list choices,
// keys, mouse presses, Tab and the close box become the forms layer's user actions.
#include "qt/FormWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/KeyCodes.h"
#include "platform/forms/TextBox.h"
#include "qt/Conversions.h"

namespace tess::qt {

void FormWindow::reportSelection(forms::TextControl& control, int start, int length) {
  if (m_updating > 0) return;
  if (control.selStart() == start && control.selLength() == length) return;
  app().select(control, start, length);
}

void FormWindow::wireLineEdit(QLineEdit* edit, forms::TextControl& control) {
  QObject::connect(edit, &QLineEdit::textEdited, this, [this, edit, &control](const QString& text) {
    if (m_updating > 0) return;
    app().editText(control, toStdString(text), characterPosition(text, edit->cursorPosition()));
  });
  auto selectionMoved = [this, edit, &control] {
    const QString text = edit->text();
    if (text != toQString(control.text())) return;  // an edit on its way to the forms layer
    if (edit->hasSelectedText()) {
      const int start = characterPosition(text, edit->selectionStart());
      const int end = characterPosition(text, edit->selectionEnd());
      reportSelection(control, start, end - start);
    } else {
      reportSelection(control, characterPosition(text, edit->cursorPosition()), 0);
    }
  };
  QObject::connect(edit, &QLineEdit::selectionChanged, this, selectionMoved);
  QObject::connect(edit, &QLineEdit::cursorPositionChanged, this, selectionMoved);
}

void FormWindow::wirePlainText(QPlainTextEdit* edit, forms::TextControl& control) {
  QObject::connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &control] {
    // The editor also reports changes of its layout as text changes; only the user's typing counts.
    if (m_updating > 0 || focusWidget() != edit) return;
    const QString text = edit->toPlainText();
    if (text == toEditorText(control.text())) return;
    const std::string newText = fromEditorText(text, control.text());
    const QString head = toQString(fromEditorText(text.left(edit->textCursor().position()), control.text()));
    const int caret = characterPosition(head, static_cast<int>(head.size()));
    app().editText(control, newText, caret);
  });
  QObject::connect(edit, &QPlainTextEdit::cursorPositionChanged, this, [this, edit, &control] {
    if (edit->toPlainText() != toEditorText(control.text())) return;
    const QTextCursor cursor = edit->textCursor();
    auto toModel = [&](int position) {
      const QString head = toQString(fromEditorText(edit->toPlainText().left(position), control.text()));
      return characterPosition(head, static_cast<int>(head.size()));
    };
    const int start = toModel(cursor.selectionStart());
    reportSelection(control, start, toModel(cursor.selectionEnd()) - start);
  });
}

void FormWindow::wireComboBox(QComboBox* combo, forms::TextControl& control) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->setMaxVisibleItems(12);
  QLineEdit* edit = combo->lineEdit();
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  // The combo box would otherwise treat Enter or leaving the field as choosing the entry that
  // equals the typed text; choosing is the user's pick from the list only.
  QObject::disconnect(edit, SIGNAL(editingFinished()), combo, nullptr);
  QObject::disconnect(edit, SIGNAL(returnPressed()), combo, nullptr);
  wireLineEdit(edit, control);
  edit->setFocusPolicy(Qt::TabFocus);
  bind(edit, control);
  auto& list = static_cast<forms::ComboBox&>(control);
  QObject::connect(combo, &QComboBox::activated, this, [this, &list](int index) {
    if (m_updating > 0) return;
    if (!app().chooseItem(list, index)) syncText(list);
  });
}

bool FormWindow::focusNextPrevChild(bool next) {
  // Qt also calls this when a focused widget is hidden or disabled; the forms layer has already
  // decided where the focus goes then. Only the Tab key is the user's.
  if (!m_tabPressed) return true;
  m_tabPressed = false;
  app().tab(!next);
  return true;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (m_closeAllowed || app().ended()) {
    event->accept();
    return;
  }
  event->ignore();
  app().closeWindow(m_form);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return handleKey(watched, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return handleMouse(watched, static_cast<QMouseEvent*>(event));
    case QEvent::Wheel:
      // Turning the wheel over a list would pick entries without the user opening it.
      return qobject_cast<QComboBox*>(watched) != nullptr;
    default:
      return false;
  }
}

bool FormWindow::handleKey(QObject* watched, QKeyEvent* event) {
  // A key goes first to the focused widget and, if that ignores it, on to its parents; it is
  // handled once, where it first arrives.
  QWidget* focused = focusWidget();
  const bool boundFocus = focused && controlFor(focused);
  if (boundFocus ? watched != focused : watched != this) return false;
  if (app().ended()) return true;
  if (app().activeForm() != &m_form) app().activate(m_form);

  const int key = event->key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return true;
    m_tabPressed = true;
    const bool handled = focusNextPrevChild(key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
    m_tabPressed = false;
    return handled;
  }
  const int code = keyCode(key, event->modifiers() & Qt::KeypadModifier);
  if (code == 0) return false;
  forms::Control* target = app().focusedControl();
  const bool onButton = target && target->kind() == forms::ControlKind::Button;
  // Enter and Esc belong to the forms layer alone (KeyDown, the button, the cancel button), and
  // so do Space on a button (its click) and the arrow keys on a button (Qt would move the focus).
  // In a multi-line text box Enter also starts a new line.
  const bool multiLine = target && target->kind() == forms::ControlKind::TextBox &&
                         static_cast<forms::TextBox*>(target)->multiLine();
  const bool swallow = (code == forms::KeyReturn && !multiLine) || code == forms::KeyEscape ||
                       (onButton && (code == forms::KeySpace || forms::isArrowKey(code)));
  app().pressKey(code, shiftState(event->modifiers()));
  // A KeyDown handler that moved the focus has taken the key: it must not reach the old widget.
  return swallow || app().ended() || app().focusedControl() != target;
}

bool FormWindow::handleMouse(QObject* watched, QMouseEvent* event) {
  forms::Control* control = controlFor(watched);
  if (app().ended()) return true;
  if (!control) {
    // A press on the window's background makes the form active.
    if (watched == this && app().activeForm() != &m_form) app().activate(m_form);
    return false;
  }
  if (event->button() != Qt::LeftButton) {
    // Other buttons only move the focus.
    if (control->isFocusKind() && !control->hasFocus()) return !app().focus(*control) || !control->hasFocus();
    return control->kind() == forms::ControlKind::Label || control->kind() == forms::ControlKind::Picture;
  }
  switch (control->kind()) {
    case forms::ControlKind::Button:
      // The focus moves now (Validate may refuse it); the click follows when the button is released.
      if (control->hasFocus()) return false;
      return !app().focus(*control) || !control->hasFocus();
    case forms::ControlKind::TextBox:
    case forms::ControlKind::ComboBox:
      if (event->type() == QEvent::MouseButtonDblClick) return !control->hasFocus();
      return !app().click(*control) || !control->hasFocus();
    case forms::ControlKind::Label:
    case forms::ControlKind::Picture:
      if (event->type() == QEvent::MouseButtonPress) app().click(*control);
      return true;
    case forms::ControlKind::Line:
      return false;
  }
  return false;
}

}  // namespace tess::qt
