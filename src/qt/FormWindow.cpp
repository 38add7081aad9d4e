// FormWindow: the window of one form, its widgets and how they are bound to the controls.
// Keeping the widgets in step is FormWindowSync.cpp; routing the user's input, FormWindowInput.cpp.
#include "qt/FormWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/TextBox.h"
#include "qt/Conversions.h"
#include "qt/DrawnWidgets.h"

namespace tess::qt {

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

}  // namespace tess::qt
