#pragma once
// The forms-layer tests' form laid out as a window for the binding's tests, with a multi-line box
// and a button that opens a dialog; the events of its first controls are recorded in one log.

#include "platform/TestForm.h"

namespace tess::qt {

using forms::Log;

class BindingForm : public forms::TestForm {
 public:
  BindingForm(forms::Application& app, Log& log) : TestForm(app, "BindingForm", log) {
    setClientSize(6000, 3000);
    A.setGeometry({120, 120, 1800, 315});
    B.setGeometry({2040, 120, 1800, 315});
    List.setGeometry({3960, 120, 1920, 315});
    for (const char* item : {"Acetone", "Benzene", "Toluene"}) List.addItem(item);
    Notes.setGeometry({120, 600, 3720, 900});
    Notes.setMultiLine(true);
    Ok.setGeometry({120, 1800, 1800, 720});
    Cancel.setGeometry({2040, 1800, 1800, 720});
    Cancel.setBackColor(forms::Color{255, 0, 0});  // red, to be found again on the printed page
    setCancelButton(&Cancel);
    Open.setGeometry({3960, 1800, 1920, 720});
  }
  forms::TextBox Notes{*this, "Notes"};
  forms::Button Open{*this, "Open"};
};

//! A small dialog that a test shows modally; its button hides it.
class BindingDialog : public forms::Form {
 public:
  explicit BindingDialog(forms::Application& app) : Form(app, "BindingDialog") {
    setClientSize(3000, 1200);
    Close.setGeometry({600, 300, 1800, 500});
    Close.onClick = [this] { hide(); };
  }
  forms::Button Close{*this, "Close"};
};

}  // namespace tess::qt
