// A whole program on a headless application, its record files in a fresh temporary folder. Every
// message box must be expected by the test; an unexpected one, or an expected one not shown, fails.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "databases/frmCartridgeMulti.h"
#include "databases/ExitDialog.h"
#include "databases/frmVaporMulti.h"
#include "files/TemporaryFolder.h"
#include "input/About.h"
#include "input/InputMasterFive.h"
#include "input/Opening.h"
#include "input/UseOneM.h"
#include "platform/forms/Forms.h"
#include "platform/forms/ScriptedApplication.h"
#include "program/Program.h"
#include "results/BreakTimeFive.h"

namespace tess::testing {

inline const std::string QuitQuestion = "Are you sure you want to quit?";

class ProgramFixture : public ::testing::Test {
 protected:
  ProgramFixture() {
    app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  }
  void TearDown() override { app.checkDone(); }

  //! Start-up screen, then "Continue": the data-input screen is in front.
  void continueToDataInput() {
    program.start();
    ASSERT_TRUE(app.click(program.opening().Continue));
  }

  forms::ScriptedApplication app;
  TemporaryFolder folder;
  Program program{app, folder.path().string()};
  ::SetUp& state = program.state();
};

}  // namespace tess::testing
