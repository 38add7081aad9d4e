#pragma once
// Conversions between the forms layer's values and Qt's: twips to pixels, colours, fonts, text
// positions, key codes.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>

#include "platform/forms/Appearance.h"

namespace tess::qt {

//! Twips per logical pixel: Qt reports 96 logical pixels per inch and scales by itself.
inline constexpr double TwipsPerPixel = 15.0;

//! A coordinate in twips as logical pixels, rounded to the nearest pixel.
int pixels(int twips);
//! A rectangle in twips as pixels; right and bottom edges come from left+width and top+height,
//! so that controls that touch in twips touch on screen.
QRect pixelRect(const forms::Rect& rect);

QColor toQColor(forms::Color color);
//! A text's horizontal alignment in Qt terms.
Qt::Alignment toQtAlignment(forms::Align align);
//! The font in Qt terms; the family is looked up through the substitutions installed by
//! installFontSubstitutions().
QFont toQFont(const forms::Font& font);
//! Maps the families the screens name and the machine lacks ("MS Sans Serif", Arial) to
//! Liberation Sans, which has Arial's metrics.
void installFontSubstitutions();

QString toQString(const std::string& text);
std::string toStdString(const QString& text);
//! A window title as given. Qt's desktop platforms show the application's name in place of an
//! empty title; a single blank keeps the title bar empty, as the program asked.
QString windowTitle(const std::string& title);
//! A multi-line text of the forms layer as the editor holds it: the forms layer's lines may end
//! with CR LF, the editor's end with LF.
QString toEditorText(const std::string& text);
//! The editor's text back in the forms layer's terms: LF becomes CR LF again when the text it
//! replaces (previous) used CR LF.
std::string fromEditorText(const QString& edited, const std::string& previous);
//! A position counted in UTF-16 units of text as a position counted in characters (code points).
int characterPosition(const QString& text, int utf16Position);
//! A position counted in characters as a position counted in UTF-16 units of text.
int utf16Position(const QString& text, int characterPosition);

//! A key as the key code of a KeyDown event (see platform/forms/KeyCodes.h); 0 for keys that
//! have none.
int keyCode(int qtKey, bool keypad);
//! Shift, Ctrl and Alt as the shift-state bits of a KeyDown event.
int shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace tess::qt
