#include "qt/Conversions.h"

#include <algorithm>
#include <cmath>

#include "platform/forms/KeyCodes.h"

namespace tess::qt {

int pixels(int twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

QRect pixelRect(const forms::Rect& rect) {
  const int left = pixels(rect.left);
  const int top = pixels(rect.top);
  const int right = pixels(rect.left + rect.width);
  const int bottom = pixels(rect.top + rect.height);
  return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

QColor toQColor(forms::Color color) { return QColor(color.r, color.g, color.b); }

Qt::Alignment toQtAlignment(forms::Align align) {
  switch (align) {
    case forms::Align::Left: return Qt::AlignLeft;
    case forms::Align::Center: return Qt::AlignHCenter;
    case forms::Align::Right: return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

QFont toQFont(const forms::Font& font) {
  QFont result(toQString(font.family));
  result.setPointSizeF(font.pointSize);
  result.setBold(font.bold);
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  return result;
}

void installFontSubstitutions() {
  for (const char* family : {"MS Sans Serif", "Arial", "Helvetica"})
    QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("Liberation Sans"));
}

QString toQString(const std::string& text) { return QString::fromStdString(text); }

std::string toStdString(const QString& text) { return text.toStdString(); }

QString windowTitle(const std::string& title) {
  return title.empty() ? QStringLiteral(" ") : toQString(title);
}

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

int characterPosition(const QString& text, int utf16Position) {
  const int end = std::clamp(utf16Position, 0, static_cast<int>(text.size()));
  int characters = 0;
  for (int i = 0; i < end; ++i) {
    // The second half of a surrogate pair belongs to the character its first half began.
    if (!text.at(i).isLowSurrogate()) ++characters;
  }
  return characters;
}

int utf16Position(const QString& text, int characterPosition) {
  int characters = 0;
  int i = 0;
  const int size = static_cast<int>(text.size());
  while (i < size && characters < characterPosition) {
    i += (text.at(i).isHighSurrogate() && i + 1 < size) ? 2 : 1;
    ++characters;
  }
  return i;
}

int keyCode(int qtKey, bool keypad) {
  using namespace forms;
  if (keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return KeyNumpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
      case Qt::Key_Asterisk: return KeyMultiply;
      case Qt::Key_Plus: return KeyAdd;
      case Qt::Key_Minus: return KeySubtract;
      case Qt::Key_Period: return KeyDecimal;
      case Qt::Key_Slash: return KeyDivide;
      default: break;
    }
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // 65 to 90 in both
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;  // 48 to 57 in both
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return KeyF1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return KeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyReturn;
    case Qt::Key_Shift: return KeyShift;
    case Qt::Key_Control: return KeyControl;
    case Qt::Key_Alt: return KeyAlt;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Space: return KeySpace;
    case Qt::Key_PageUp: return KeyPageUp;
    case Qt::Key_PageDown: return KeyPageDown;
    case Qt::Key_End: return KeyEnd;
    case Qt::Key_Home: return KeyHome;
    case Qt::Key_Left: return KeyLeftArrow;
    case Qt::Key_Up: return KeyUpArrow;
    case Qt::Key_Right: return KeyRightArrow;
    case Qt::Key_Down: return KeyDownArrow;
    case Qt::Key_Insert: return KeyInsert;
    case Qt::Key_Delete: return KeyDelete;
    case Qt::Key_Semicolon: return KeySemicolon;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return KeyPlus;
    case Qt::Key_Comma: return KeyComma;
    case Qt::Key_Minus: return KeyMinus;
    case Qt::Key_Period: return KeyPeriod;
    case Qt::Key_Slash: return KeySlash;
    default: return 0;
  }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
  int state = 0;
  if (modifiers & Qt::ShiftModifier) state |= forms::ShiftMask;
  if (modifiers & Qt::ControlModifier) state |= forms::CtrlMask;
  if (modifiers & Qt::AltModifier) state |= forms::AltMask;
  return state;
}

}  // namespace tess::qt
