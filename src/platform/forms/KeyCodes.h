#pragma once
// Key codes and shift-state bits as KeyDown handlers receive them.

namespace forms {

inline constexpr int KeyBack = 8;
inline constexpr int KeyTab = 9;
inline constexpr int KeyReturn = 13;  //!< Enter
inline constexpr int KeyEscape = 27;
inline constexpr int KeySpace = 32;
inline constexpr int KeyDelete = 46;

//! Shift-state bits of KeyDown: any combination of these, 0 for none.
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

}  // namespace forms
