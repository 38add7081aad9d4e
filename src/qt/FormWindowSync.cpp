// FormWindow, forms layer to widgets: the form's and each control's properties written into the
// window and its widgets, only where they differ, so that carets and undo survive.
#include "qt/FormWindow.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>
#include <string>
#include <vector>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/Picture.h"
#include "platform/forms/TextBox.h"
#include "qt/Conversions.h"
#include "qt/DrawnWidgets.h"

namespace tess::qt {

namespace {

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

void FormWindow::syncForm() {
  const Updating updating(m_updating);
  setWindowTitle(qt::windowTitle(m_form.caption()));
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
  const std::vector<std::string>& items = list.items();
  const auto count = static_cast<int>(items.size());
  const auto item = [&](int i) { return toQString(items[static_cast<std::size_t>(i)]); };
  // The forms layer's list only grows at its end or is emptied, and tells each change at once, so
  // the widget shows the list's first entries: only the new ones are appended, which keeps a list
  // filled one entry at a time linear in its length. A widget whose last entry differs is filled
  // again; one as long as the list is compared whole.
  int shown = combo->count();
  bool refill = shown > count || (shown > 0 && combo->itemText(shown - 1) != item(shown - 1));
  if (!refill && shown == count) {
    for (int i = 0; !refill && i < shown; ++i) refill = combo->itemText(i) != item(i);
    if (!refill) return syncText(control);
  }
  const Updating updating(m_updating);
  const QSignalBlocker blocker(combo);
  if (refill) {
    combo->clear();
    shown = 0;
  }
  QStringList added;
  added.reserve(count - shown);
  for (int i = shown; i < count; ++i) added.push_back(item(i));
  combo->addItems(added);
  // No entry is chosen after the list changed; the text stays the forms layer's (syncText).
  if (combo->currentIndex() != -1) combo->setCurrentIndex(-1);
  syncText(control);
}

}  // namespace tess::qt
