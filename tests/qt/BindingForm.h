#pragma once
// A small form for the binding's tests, built with the forms layer like the program's screens,
// with every event of its focusable controls recorded in one log ("A.GotFocus", ...).

#include <string>
#include <vector>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"

namespace tessqt::testing {

using Log = std::vector<std::string>;

class BindingForm : public forms::Form {
 public:
  BindingForm(forms::Application& app, Log& log) : Form(app, "BindingForm") {
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
    for (forms::Control* control : std::vector<forms::Control*>{&A, &B, &List, &Ok, &Cancel}) {
      const std::string id = control->displayName() + ".";
      control->onGotFocus = [&log, id] { log.push_back(id + "GotFocus"); };
      control->onLostFocus = [&log, id] { log.push_back(id + "LostFocus"); };
      control->onValidate = [&log, id](bool&) { log.push_back(id + "Validate"); };
      control->onKeyDown = [&log, id](int key, int shift) {
        log.push_back(id + "KeyDown(" + std::to_string(key) + "," + std::to_string(shift) + ")");
      };
      control->onChange = [&log, id] { log.push_back(id + "Change"); };
      control->onClick = [&log, id] { log.push_back(id + "Click"); };
    }
  }
  forms::TextBox A{*this, "A"};
  forms::TextBox B{*this, "B"};
  forms::ComboBox List{*this, "List"};
  forms::TextBox Notes{*this, "Notes"};
  forms::Button Ok{*this, "Ok"};
  forms::Button Cancel{*this, "Cancel"};
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

}  // namespace tessqt::testing
