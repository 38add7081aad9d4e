// The parts of the data-input and use-conditions screens that the screens below them in the layer
// order reach: the results screen and the two database screens write the data-input screen's record
// labels and move the focus to its buttons; the results screen writes the use-conditions screen's
// boxes. They reach them through these views, filled in by Program from the screens themselves,
// so that no screen folder includes one above it.
#pragma once

#include <cstdint>

#include "platform/forms/Button.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

namespace tess::screens {

//! The data-input screen as the results and database screens see it.
struct DataInputView {
  forms::Form& screen;
  forms::Label& CartName;
  forms::ControlArray<forms::Label, 5>& Vap;
  forms::ControlArray<forms::Button, 5>& SelectVap;
  forms::Button& SelectUse;
  //! The vapor slot (1 to 5) that the vapor screen edits; 0 until a slot is first opened.
  const std::int16_t& selectedVapIdx;

  void show() { screen.show(); }
  void ensureLoaded() { screen.ensureLoaded(); }
};

//! The use-conditions screen as the results screen sees it: the twins of the results screen's
//! use-condition boxes. Pointers, so that the results screen can name a twin by pointer to member.
struct UseConditionsView {
  forms::Form* screen;
  forms::TextBox* Temperature;
  forms::TextBox* AtmPressure;
  forms::TextBox* RelHumid;
  forms::TextBox* BreathingAirFlow;

  void ensureLoaded() { screen->ensureLoaded(); }
};

}  // namespace tess::screens
