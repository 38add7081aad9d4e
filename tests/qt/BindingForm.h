#pragma once
// A small form for the binding's tests, built with the forms layer like the program's screens,
// with every event of its focusable controls recorded in one log ("A.GotFocus", ...).

#include <string>
#include <vector>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/Picture.h"
#include "platform/forms/TextBox.h"

namespace tessqt::testing {

using Log = std::vector<std::string>;

inline void record(forms::Control& control, Log& log) {
  const std::string name = control.displayName();
  control.onGotFocus = [&log, name] { log.push_back(name + ".GotFocus"); };
  control.onLostFocus = [&log, name] { log.push_back(name + ".LostFocus"); };
  control.onValidate = [&log, name](bool&) { log.push_back(name + ".Validate"); };
  control.onKeyDown = [&log, name](int key, int shift) {
    log.push_back(name + ".KeyDown(" + std::to_string(key) + "," + std::to_string(shift) + ")");
  };
  control.onChange = [&log, name] { log.push_back(name + ".Change"); };
  control.onClick = [&log, name] { log.push_back(name + ".Click"); };
}

class BindingForm : public forms::Form {
 public:
  BindingForm(forms::Application& app, Log& log) : Form(app, "BindingForm") {
    setCaption("Binding Test");
    setClientSize(6000, 4200);
    setBackColor(forms::Color{255, 255, 255});
    Title.setGeometry({120, 120, 5760, 360});
    Title.setCaption("Breakthrough times of a test form");
    forms::Font titleFont;
    titleFont.family = "Arial";
    titleFont.pointSize = 12;
    titleFont.bold = true;
    Title.setFont(titleFont);
    Title.setAlignment(forms::Align::Center);
    A.setGeometry({120, 600, 1800, 315});
    A.setToolTip("Type a number");
    B.setGeometry({2040, 600, 1800, 315});
    List.setGeometry({3960, 600, 1920, 315});
    for (const char* item : {"Acetone", "Benzene", "Toluene"}) List.addItem(item);
    Notes.setGeometry({120, 1080, 3720, 900});
    Notes.setMultiLine(true);
    Notes.setBorder(false);
    Notes.setBackColor(forms::Color{255, 255, 255});
    Notes.setText("A multi-line text box without a border, whose text wraps over several lines.");
    Rule.setPoints(120, 2100, 5880, 2100);
    Drawing.setGeometry({4080, 1080, 1800, 900});
    forms::Shape box;
    box.bounds = {0, 0, 1800, 900};
    box.fill = forms::Color{192, 192, 255};
    box.outline = forms::Color{0, 0, 128};
    forms::Shape ball;
    ball.kind = forms::Shape::Kind::Ellipse;
    ball.bounds = {300, 150, 600, 600};
    ball.fill = forms::Color{0, 128, 0};
    forms::Shape label;
    label.kind = forms::Shape::Kind::Text;
    label.bounds = {900, 0, 900, 900};
    label.outline = forms::Color{0, 0, 0};
    label.text = "Cartridge";
    Drawing.setShapes({box, ball, label});
    Ok.setGeometry({120, 2400, 1800, 720});
    Ok.setCaption("Calculate Results");
    Ok.setBackColor(forms::Color{192, 255, 192});
    Cancel.setGeometry({2040, 2400, 1800, 720});
    Cancel.setCaption("Exit");
    Cancel.setBackColor(forms::Color{255, 0, 0});
    setCancelButton(&Cancel);
    Open.setGeometry({3960, 2400, 1920, 720});
    Open.setCaption("Open Dialog");
    for (forms::Control* control : {static_cast<forms::Control*>(&A), static_cast<forms::Control*>(&B),
                                    static_cast<forms::Control*>(&List), static_cast<forms::Control*>(&Ok),
                                    static_cast<forms::Control*>(&Cancel)})
      record(*control, log);
  }
  forms::Label Title{*this, "Title"};
  forms::TextBox A{*this, "A"};
  forms::TextBox B{*this, "B"};
  forms::ComboBox List{*this, "List"};
  forms::TextBox Notes{*this, "Notes"};
  forms::Line Rule{*this, "Rule"};
  forms::Picture Drawing{*this, "Drawing"};
  forms::Button Ok{*this, "Ok"};
  forms::Button Cancel{*this, "Cancel"};
  forms::Button Open{*this, "Open"};
};

//! A small dialog that a test shows modally; its button hides it.
class BindingDialog : public forms::Form {
 public:
  explicit BindingDialog(forms::Application& app) : Form(app, "BindingDialog") {
    setCaption("Dialog");
    setClientSize(3000, 1200);
    setHasCloseBox(false);
    Close.setGeometry({600, 300, 1800, 500});
    Close.setCaption("Return");
    Close.onClick = [this] { hide(); };
  }
  forms::Button Close{*this, "Close"};
};

}  // namespace tessqt::testing
