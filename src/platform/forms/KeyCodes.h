#pragma once
// Key codes and shift-state bits as KeyDown handlers receive them. Letters and digits have the
// codes of their capital ASCII characters ('A' = 65 to 'Z' = 90, '0' = 48 to '9' = 57).

namespace tess::forms {

inline constexpr int KeyBack = 8;
inline constexpr int KeyTab = 9;
inline constexpr int KeyReturn = 13;  //!< Enter
inline constexpr int KeyShift = 16;
inline constexpr int KeyControl = 17;
inline constexpr int KeyAlt = 18;
inline constexpr int KeyEscape = 27;
inline constexpr int KeySpace = 32;
inline constexpr int KeyPageUp = 33;
inline constexpr int KeyPageDown = 34;
inline constexpr int KeyEnd = 35;
inline constexpr int KeyHome = 36;
inline constexpr int KeyLeftArrow = 37;
inline constexpr int KeyUpArrow = 38;
inline constexpr int KeyRightArrow = 39;
inline constexpr int KeyDownArrow = 40;
inline constexpr int KeyInsert = 45;
inline constexpr int KeyDelete = 46;
inline constexpr int KeyNumpad0 = 96;  //!< the keypad's digits are KeyNumpad0 to KeyNumpad0 + 9
inline constexpr int KeyMultiply = 106;
inline constexpr int KeyAdd = 107;
inline constexpr int KeySubtract = 109;
inline constexpr int KeyDecimal = 110;
inline constexpr int KeyDivide = 111;
inline constexpr int KeyF1 = 112;  //!< the function keys are KeyF1 to KeyF1 + 11
inline constexpr int KeySemicolon = 186;
inline constexpr int KeyPlus = 187;  //!< the key of '=' and '+'
inline constexpr int KeyComma = 188;
inline constexpr int KeyMinus = 189;
inline constexpr int KeyPeriod = 190;
inline constexpr int KeySlash = 191;

//! Left, up, right and down.
constexpr bool isArrowKey(int keyCode) { return keyCode >= KeyLeftArrow && keyCode <= KeyDownArrow; }

//! Shift-state bits of KeyDown: any combination of these, 0 for none.
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

}  // namespace tess::forms
