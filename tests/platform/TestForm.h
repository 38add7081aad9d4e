#pragma once
// A small form for the forms-layer tests: two text boxes, a drop-down list, two buttons and a
// label, with every event recorded in one log ("A.GotFocus", "A.Validate", ...).

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/ScriptedApplication.h"
#include "platform/forms/TextBox.h"

namespace forms::testing {

using Log = std::vector<std::string>;

//! Records GotFocus, LostFocus, Validate, KeyDown, Change and Click of a control into the log.
inline void record(Control& control, Log& log) {
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

class TestForm : public Form {
 public:
  TestForm(Application& app, std::string name, Log& log) : Form(app, std::move(name)) {
    for (Control* control : controls()) record(*control, log);
    onLoad = [&log, this] { log.push_back(this->name() + ".Load"); };
  }
  TextBox A{*this, "A"};
  TextBox B{*this, "B"};
  ComboBox List{*this, "List"};
  Button Ok{*this, "Ok"};
  Button Cancel{*this, "Cancel"};
  Label Caption{*this, "Caption"};
};

//! A scripted application whose failures fail the running test.
class ScriptedTest : public ::testing::Test {
 protected:
  ScriptedTest() {
    app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  }
  ~ScriptedTest() override { app.checkDone(); }
  ScriptedApplication app;
  Log log;
};

}  // namespace forms::testing
