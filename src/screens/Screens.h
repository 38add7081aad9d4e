#pragma once
// The nine screens of one run, and what each screen is given when it is built: the application
// (message boxes, printing, program end, user actions), the shared state of the run, and the table
// of the other screens it calls. The Program object owns all of them for the whole run.
//
// A screen calls only screens of its own folder or of folders below it (input above results and
// databases); the results and database screens reach the data-input and use-conditions screens
// through their views (ScreenViews.h).

#include <string>

namespace forms {
class Application;
}
struct SetUp;

class Opening;
class About;
class ExitDialog;
class InputMasterFive;
class UseOneM;
class BreakTimeFive;
class LimitsMessage;
class frmVaporMulti;
class frmCartridgeMulti;
struct DataInputView;
struct UseConditionsView;

//! Non-owning pointers to every screen; filled in by Program before any screen is shown.
struct Screens {
  Opening* opening = nullptr;
  About* about = nullptr;
  ExitDialog* exitDialog = nullptr;
  InputMasterFive* inputMaster = nullptr;
  UseOneM* useConditions = nullptr;
  BreakTimeFive* results = nullptr;
  LimitsMessage* limitsMessage = nullptr;
  frmVaporMulti* vaporScreen = nullptr;
  frmCartridgeMulti* cartridgeScreen = nullptr;
  DataInputView* dataInput = nullptr;
  UseConditionsView* useConditionsView = nullptr;
};

//! What every screen's constructor takes.
struct ScreenContext {
  forms::Application& app;
  SetUp& state;
  Screens& screens;
  //! The folder that holds the record files (the program's folder; a temporary folder in tests).
  const std::string& programFolder;
};
