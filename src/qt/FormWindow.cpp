#include "qt/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>

#include "platform/forms/Application.h"
#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/KeyCodes.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/Picture.h"
#include "platform/forms/TextBox.h"
#include "qt/Conversions.h"
#include "qt/DrawnWidgets.h"

namespace tessqt {

namespace {

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

//! Multi-line texts of the forms layer may end their lines with CR LF; the editor uses LF.
QString toEditorText(const std::string& text) {
  QString result = toQString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

std::string fromEditorText(const QString& edited, const std::string& previous) {
  QString text = edited;
  if (previous.find("\r\n") != std::string::npos) text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return toStdString(text);
}

void setColor(QWidget* widget, QPalette::ColorRole role, const std::optional<forms::Color>& color) {
  QPalette palette = widget->palette();
  if (color) {
    palette.setColor(role, toQColor(*color));
  } else {
    palette.setColor(role, QGuiApplication::palette().color(role));
  }
  widget->setPalette(palette);
}

QString buttonText(const std::string& caption) {
  // '&' would make Qt add a keyboard shortcut of its own.
  return toQString(caption).replace(QStringLiteral("&"), QStringLiteral("&&"));
}

}  // namespace

FormWindow::FormWindow(forms::Form& form) : QWidget(nullptr), m_form(form) {
  const Updating updating(m_updating);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setObjectName(toQString(form.name()));
  installEventFilter(this);
  syncForm();
  for (forms::Control* control : form.controls()) createWidget(*control);
  syncAllControls();
}

FormWindow::~FormWindow() {
  // The widgets die after this; their signals must not reach controls any more.
  for (const auto& [object, control] : m_bound) QObject::disconnect(object, nullptr, this, nullptr);
  m_bound.clear();
  m_widgets.clear();
}

// ---- forms layer to widgets --------------------------------------------------------------------

void FormWindow::syncForm() {
  const Updating updating(m_updating);
  setWindowTitle(tessqt::windowTitle(m_form.caption()));
  setFixedSize(pixels(m_form.clientWidth()), pixels(m_form.clientHeight()));
  setFont(toQFont(m_form.font()));
  if (m_form.backColor()) {
    setAutoFillBackground(true);
    setColor(this, QPalette::Window, m_form.backColor());
  } else {
    setAutoFillBackground(false);
    setColor(this, QPalette::Window, std::nullopt);
  }
  const Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint |
                                Qt::WindowCloseButtonHint;
  if (flags != windowFlags()) {
    const bool wasVisible = isVisible();
    setWindowFlags(flags);  // hides the window
    if (wasVisible) show();
  }
  if (m_placed && m_form.position()) move(pixels(m_form.position()->first), pixels(m_form.position()->second));
}

void FormWindow::placeOnScreen() {
  if (m_placed) return;
  m_placed = true;
  if (const auto position = m_form.position()) {
    move(pixels(position->first), pixels(position->second));
    return;
  }
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void FormWindow::bringToFront() {
  // The offscreen platform has no stacking order and says so on every call.
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) raise();
  activateWindow();
}

void FormWindow::syncAllControls() {
  for (forms::Control* control : m_form.controls()) {
    if (!widgetFor(*control)) createWidget(*control);
    for (forms::ControlProperty property :
         {forms::ControlProperty::Geometry, forms::ControlProperty::Appearance, forms::ControlProperty::Caption,
          forms::ControlProperty::Items, forms::ControlProperty::Text, forms::ControlProperty::Selection,
          forms::ControlProperty::Drawing, forms::ControlProperty::Visible, forms::ControlProperty::Enabled})
      syncControl(*control, property);
  }
}

QWidget* FormWindow::widgetFor(const forms::Control& control) const {
  const auto found = m_widgets.find(&control);
  return found == m_widgets.end() ? nullptr : found->second;
}

forms::Control* FormWindow::controlFor(const QObject* object) const {
  const auto found = m_bound.find(object);
  return found == m_bound.end() ? nullptr : found->second;
}

void FormWindow::bind(QWidget* widget, forms::Control& control) {
  m_bound[widget] = &control;
  widget->installEventFilter(this);
}

QWidget* FormWindow::createWidget(forms::Control& control) {
  QWidget* widget = nullptr;
  switch (control.kind()) {
    case forms::ControlKind::Label: {
      auto* label = new QLabel(this);
      label->setTextFormat(Qt::PlainText);
      widget = label;
      break;
    }
    case forms::ControlKind::TextBox: {
      auto& box = static_cast<forms::TextBox&>(control);
      if (box.multiLine()) {
        auto* edit = new QPlainTextEdit(this);
        edit->setTabChangesFocus(true);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        widget = edit;
        wirePlainText(edit, box);
      } else {
        auto* edit = new QLineEdit(this);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        widget = edit;
        wireLineEdit(edit, box);
      }
      break;
    }
    case forms::ControlKind::ComboBox: {
      auto* combo = new QComboBox(this);
      widget = combo;
      wireComboBox(combo, static_cast<forms::ComboBox&>(control));
      break;
    }
    case forms::ControlKind::Button: {
      auto* button = new WrappingButton(this);
      button->setAutoDefault(false);
      widget = button;
      QObject::connect(button, &QPushButton::clicked, this, [this, &control] { app().click(control); });
      break;
    }
    case forms::ControlKind::Line:
      widget = new LineWidget(this);
      break;
    case forms::ControlKind::Picture:
      widget = new PictureWidget(this);
      break;
  }
  // Only the forms layer moves the focus: Qt may focus a control by Tab (which the window hands
  // to the forms layer) but never by a click of its own.
  widget->setFocusPolicy(control.isFocusKind() ? Qt::TabFocus : Qt::NoFocus);
  widget->setObjectName(toQString(control.displayName()));
  m_widgets[&control] = widget;
  bind(widget, control);
  widget->show();
  return widget;
}

void FormWindow::syncControl(forms::Control& control, forms::ControlProperty property) {
  QWidget* widget = widgetFor(control);
  if (!widget) {
    createWidget(control);
    syncAllControls();
    return;
  }
  const Updating updating(m_updating);
  switch (property) {
    case forms::ControlProperty::Text: syncText(control); break;
    case forms::ControlProperty::Selection: syncSelection(control); break;
    case forms::ControlProperty::Caption: syncCaption(control); break;
    case forms::ControlProperty::Items: syncItems(control); break;
    case forms::ControlProperty::Geometry: syncGeometry(control); break;
    case forms::ControlProperty::Appearance: syncAppearance(control); break;
    case forms::ControlProperty::Visible: widget->setVisible(control.visible()); break;
    case forms::ControlProperty::Enabled: widget->setEnabled(control.enabled()); break;
    case forms::ControlProperty::Drawing: syncDrawing(control); break;
  }
}

void FormWindow::syncGeometry(forms::Control& control) {
  if (control.kind() == forms::ControlKind::Line) {
    syncDrawing(control);
    return;
  }
  widgetFor(control)->setGeometry(pixelRect(control.geometry()));
}

void FormWindow::syncDrawing(forms::Control& control) {
  QWidget* widget = widgetFor(control);
  if (control.kind() == forms::ControlKind::Line) {
    const auto& line = static_cast<forms::Line&>(control);
    const QPoint from(pixels(line.x1()), pixels(line.y1()));
    const QPoint to(pixels(line.x2()), pixels(line.y2()));
    const int margin = line.lineWidth() + 1;
    const QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    widget->setGeometry(box);
    const QPointF offset(box.topLeft());
    // Pixel centres, so that a one-pixel line covers whole pixels.
    const QPointF half(0.5, 0.5);
    static_cast<LineWidget*>(widget)->setLine(QPointF(from) - offset + half, QPointF(to) - offset + half,
                                              line.lineWidth());
  } else if (control.kind() == forms::ControlKind::Picture) {
    const auto& picture = static_cast<forms::Picture&>(control);
    static_cast<PictureWidget*>(widget)->setDrawing(picture.shapes(), picture.border());
  }
}

void FormWindow::syncAppearance(forms::Control& control) {
  QWidget* widget = widgetFor(control);
  widget->setFont(toQFont(control.font()));
  widget->setToolTip(toQString(control.toolTip()));
  switch (control.kind()) {
    case forms::ControlKind::Label: {
      auto& label = static_cast<forms::Label&>(control);
      auto* qlabel = static_cast<QLabel*>(widget);
      qlabel->setWordWrap(label.wordWrap());
      qlabel->setAlignment(toQtAlignment(label.alignment()) | Qt::AlignTop);
      qlabel->setFrameStyle(label.border() ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
      qlabel->setAutoFillBackground(label.backColor().has_value());
      setColor(qlabel, QPalette::Window, label.backColor() ? label.backColor() : m_form.backColor());
      break;
    }
    case forms::ControlKind::TextBox: {
      auto& box = static_cast<forms::TextBox&>(control);
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setFrame(box.border());
        edit->setAlignment(toQtAlignment(box.alignment()) | Qt::AlignVCenter);
        edit->setReadOnly(box.locked());
      } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setFrameStyle(box.border() ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
        plain->setReadOnly(box.locked());
        if (!box.border()) plain->document()->setDocumentMargin(1);
        QTextOption option = plain->document()->defaultTextOption();
        option.setAlignment(toQtAlignment(box.alignment()));
        plain->document()->setDefaultTextOption(option);
        // Tab stops every eight average character widths, as the platform's edit boxes place
        // them: texts that line up columns with tabs rely on it.
        const QFontMetricsF metrics(plain->font());
        const double averageWidth =
            metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
        plain->setTabStopDistance(8 * std::round(averageWidth));
      }
      setColor(widget, QPalette::Base, box.backColor());
      break;
    }
    case forms::ControlKind::ComboBox:
      setColor(widget, QPalette::Base, control.backColor());
      break;
    case forms::ControlKind::Button:
      setColor(widget, QPalette::Button, control.backColor());
      static_cast<WrappingButton*>(widget)->setFillColor(
          control.backColor() ? std::optional<QColor>(toQColor(*control.backColor())) : std::nullopt);
      break;
    case forms::ControlKind::Line:
      syncDrawing(control);
      break;
    case forms::ControlKind::Picture:
      widget->setAutoFillBackground(control.backColor().has_value());
      setColor(widget, QPalette::Window, control.backColor() ? control.backColor() : m_form.backColor());
      syncDrawing(control);
      break;
  }
}

void FormWindow::syncCaption(forms::Control& control) {
  QWidget* widget = widgetFor(control);
  if (control.kind() == forms::ControlKind::Label) {
    const QString caption = toQString(static_cast<forms::Label&>(control).caption());
    auto* label = static_cast<QLabel*>(widget);
    if (label->text() != caption) label->setText(caption);
  } else if (control.kind() == forms::ControlKind::Button) {
    const QString caption = buttonText(static_cast<forms::Button&>(control).caption());
    auto* button = static_cast<QPushButton*>(widget);
    if (button->text() != caption) button->setText(caption);
  }
}

void FormWindow::syncText(forms::Control& control) {
  if (control.kind() != forms::ControlKind::TextBox && control.kind() != forms::ControlKind::ComboBox) return;
  auto& textControl = static_cast<forms::TextControl&>(control);
  QWidget* widget = widgetFor(control);
  const Updating updating(m_updating);
  // The widget is written only when its text differs, so that its caret and undo survive.
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    const QString text = toQString(textControl.text());
    if (edit->text() != text) edit->setText(text);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
    const QString text = toEditorText(textControl.text());
    if (plain->toPlainText() != text) plain->setPlainText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const QString text = toQString(textControl.text());
    if (combo->currentText() != text) {
      const QSignalBlocker blocker(combo);
      combo->setEditText(text);
    }
  }
  syncSelection(control);
}

void FormWindow::syncSelection(forms::Control& control) {
  if (control.kind() != forms::ControlKind::TextBox && control.kind() != forms::ControlKind::ComboBox) return;
  auto& textControl = static_cast<forms::TextControl&>(control);
  QWidget* widget = widgetFor(control);
  const Updating updating(m_updating);
  QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) edit = combo->lineEdit();
  if (edit) {
    const QString text = edit->text();
    const int start = utf16Position(text, textControl.selStart());
    const int end = utf16Position(text, textControl.selStart() + textControl.selLength());
    if (end == start) {
      if (edit->hasSelectedText() || edit->cursorPosition() != start) {
        edit->deselect();
        edit->setCursorPosition(start);
      }
    } else if (edit->selectionStart() != start || edit->selectionLength() != end - start) {
      edit->setSelection(start, end - start);
    }
    return;
  }
  if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
    if (plain->toPlainText() != toEditorText(textControl.text())) return;
    // The editor counts a line break as one character, the forms layer's text may use two.
    const QString modelText = toQString(textControl.text());
    auto toEditor = [&](int characters) {
      QString head = modelText.left(utf16Position(modelText, characters));
      head.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      return static_cast<int>(head.size());
    };
    QTextCursor cursor = plain->textCursor();
    const int start = toEditor(textControl.selStart());
    const int end = toEditor(textControl.selStart() + textControl.selLength());
    if (cursor.anchor() != start || cursor.position() != end) {
      cursor.setPosition(start);
      cursor.setPosition(end, QTextCursor::KeepAnchor);
      plain->setTextCursor(cursor);
    }
  }
}

void FormWindow::syncItems(forms::Control& control) {
  if (control.kind() != forms::ControlKind::ComboBox) return;
  auto& list = static_cast<forms::ComboBox&>(control);
  auto* combo = static_cast<QComboBox*>(widgetFor(control));
  QStringList items;
  for (const std::string& item : list.items()) items.push_back(toQString(item));
  bool same = combo->count() == items.size();
  for (int i = 0; same && i < combo->count(); ++i) same = combo->itemText(i) == items[i];
  if (!same) {
    const Updating updating(m_updating);
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
  }
  syncText(control);
}

void FormWindow::showFocus(forms::Control& control) {
  QWidget* widget = widgetFor(control);
  if (!widget || !isVisible()) return;
  {
    const Updating updating(m_updating);
    if (!isActiveWindow()) bringToFront();
    if (QApplication::focusWidget() != widget || focusWidget() != widget)
      widget->setFocus(Qt::OtherFocusReason);
  }
  syncSelection(control);
}

// ---- user input to the forms layer ---------------------------------------------------------

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

}  // namespace tessqt
