#pragma once
// A small form for the forms-layer tests: two text boxes, a drop-down list, two buttons and a
// label, with every event recorded in one log ("A.GotFocus", "A.Validate", ...).

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeyCodes.h"
#include "platform/forms/Label.h"
#include "platform/forms/ScriptedApplication.h"
#include "platform/forms/TextBox.h"

namespace tess::forms {

using Log = std::vector<std::string>;

class TestForm : public Form {
 public:
  TestForm(Application& app, std::string name, Log& log) : Form(app, std::move(name)) {
    for (Control* control : controls()) {
      const std::string id = control->displayName();
      control->onGotFocus = [&log, id] { log.push_back(id + ".GotFocus"); };
      control->onLostFocus = [&log, id] { log.push_back(id + ".LostFocus"); };
      control->onValidate = [&log, id](bool&) { log.push_back(id + ".Validate"); };
      control->onKeyDown = [&log, id](int key, int shift) {
        log.push_back(id + ".KeyDown(" + std::to_string(key) + "," + std::to_string(shift) + ")");
      };
      control->onChange = [&log, id] { log.push_back(id + ".Change"); };
      control->onClick = [&log, id] { log.push_back(id + ".Click"); };
    }
    onLoad = [&log, this] { log.push_back(this->name() + ".Load"); };
  }
  TextBox A{*this, "A"};
  TextBox B{*this, "B"};
  ComboBox List{*this, "List"};
  Button Ok{*this, "Ok"};
  Button Cancel{*this, "Cancel"};
  Label Caption{*this, "Caption"};
};

//! A scripted application whose failures fail the running test (or are collected, if asked).
class ScriptedTest : public ::testing::Test {
 protected:
  ScriptedTest() {
    app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  }
  ~ScriptedTest() override { app.checkDone(); }
  void collectFailures() {
    app.setFailureHandler([this](const std::string& what) { failures.push_back(what); });
  }
  ScriptedApplication app;
  Log log;
  std::vector<std::string> failures;
  TestForm form{app, "Main", log};
  TestForm other{app, "Other", log};
};

}  // namespace tess::forms
