// NumericField: the handler pattern of a numeric entry field, shared by every screen.
//
// A screen declares one NumericField per numeric text box, with the box's bounds, the bounds as
// the messages show them, and the next control of its Enter chain. The screen keeps its own
// handlers named after control and event and lets them call the field:
//
//   forms::TextBox Temperature{*this, "Temperature"};
//   screens::ValidDataEntry::NumericField m_temperature{Temperature, {0, 75, "0", "75"}};
//   ...in the constructor:
//   m_temperature.setNext(&AtmPressure);
//   m_temperature.setOnAccepted([this](double value) { state.Temperature = float(value); });
//   Temperature.onGotFocus = [this] { UseOneM_Temperature_GotFocus(); };
//   Temperature.onKeyDown = [this](int k, int s) { UseOneM_Temperature_KeyDown(k, s); };
//   Temperature.onValidate = [this](bool& c) { UseOneM_Temperature_Validate(c); };
//   void UseOneM_Temperature_Validate(bool& Cancel) { m_temperature.Validate(Cancel); }
//
// (wire() does the three handler assignments directly, for a screen that needs no names.)
//
// The variants:
//   EnterAction::MoveToNext with onAccepted: Enter that passes moves the focus to next (which runs
//     Validate again; it passes silently, the text unchanged) and Validate that passes stores.
//   EnterAction::MoveToNext without onAccepted: the database screens; nothing is stored here.
//   EnterAction::StoreAndStay: Enter that passes stores and the focus stays; Validate that passes
//     stores the same again.
//   A field that is checked on losing the focus and cannot keep it calls check() from its LostFocus
//     handler and decides itself what to store.
#pragma once

#include <functional>
#include <string>

#include "platform/forms/Control.h"
#include "platform/forms/TextBox.h"
#include "state/InputRanges.h"

namespace tess::screens::ValidDataEntry {

//! Inclusive bounds of a numeric field [the field's unit] and their display texts for the messages.
struct NumericBounds {
  double MinVal = 0;
  double MaxVal = 0;
  std::string MinText;
  std::string MaxText;
};

//! The bounds of one of the shared state's input ranges.
NumericBounds rangeBounds(const InputRange& range);

//! What Enter does when the check passes.
enum class EnterAction { MoveToNext, StoreAndStay };

class NumericField {
 public:
  NumericField(forms::TextBox& box, NumericBounds bounds, forms::Control* next = nullptr,
               EnterAction enterAction = EnterAction::MoveToNext);

  forms::TextBox& box() const { return *m_box; }
  const NumericBounds& bounds() const { return m_bounds; }
  //! The next control of the Enter chain (nullptr: Enter moves nowhere).
  void setNext(forms::Control* next) { m_next = next; }
  forms::Control* next() const { return m_next; }
  void setEnterAction(EnterAction action) { m_enterAction = action; }
  EnterAction enterAction() const { return m_enterAction; }
  //! Stores an accepted value (the leading-number value of the box's text after the check).
  void setOnAccepted(std::function<void(double value)> store) { m_onAccepted = std::move(store); }

  //! Got focus: selects the whole text.
  void GotFocus();
  //! Key down: only Enter (whatever the shift state) acts: runs the check; when it passes,
  //! stores (StoreAndStay) or moves the focus to the next control (MoveToNext); when it fails the
  //! message has been shown and the focus stays.
  void KeyDown(int KeyCode, int Shift);
  //! Validate: Cancel = the check fails; when it passes, stores.
  void Validate(bool& Cancel);
  //! The check alone: ValidUserInput with this field's bounds.
  bool check();
  //! The leading-number value of the box's text.
  double value() const;

  //! Sets the box's GotFocus, KeyDown and Validate handlers to this field's.
  void wire();

 private:
  void accept();
  forms::TextBox* m_box;
  NumericBounds m_bounds;
  forms::Control* m_next;
  EnterAction m_enterAction;
  std::function<void(double)> m_onAccepted;
};

}  // namespace tess::screens::ValidDataEntry
