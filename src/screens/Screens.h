#pragma once
// The nine screens of one run, and what each screen is given when it is built: the application
// (message boxes, printing, program end, user actions), the shared state of the run, and the table
// of the other screens it calls. The Program object owns all of them for the whole run.
//
// A screen calls only screens of its own folder or of folders below it (input above results and
// databases); the results and database screens reach the data-input and use-conditions screens
// through their views (ScreenViews.h).

#include <string>

namespace tess {
struct SetUp;
}
namespace tess::forms {
class Application;
}
namespace tess::files {
class PathOpener;
}
namespace tess::input {
class Opening;
class About;
class InputMasterFive;
class UseOneM;
}  // namespace tess::input
namespace tess::results {
class BreakTimeFive;
class LimitsMessage;
}  // namespace tess::results
namespace tess::databases {
class ExitDialog;
class frmVaporMulti;
class frmCartridgeMulti;
}  // namespace tess::databases

namespace tess::screens {

struct DataInputView;
struct UseConditionsView;

//! Non-owning pointers to every screen; filled in by Program before any screen is shown.
struct Screens {
  input::Opening* opening = nullptr;
  input::About* about = nullptr;
  databases::ExitDialog* exitDialog = nullptr;
  input::InputMasterFive* inputMaster = nullptr;
  input::UseOneM* useConditions = nullptr;
  results::BreakTimeFive* results = nullptr;
  results::LimitsMessage* limitsMessage = nullptr;
  databases::frmVaporMulti* vaporScreen = nullptr;
  databases::frmCartridgeMulti* cartridgeScreen = nullptr;
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
  //! How the record files are opened at their paths; null: the system's own opens. Tests put
  //! another program's work, or the system's refusals, between the opening steps.
  files::PathOpener* fileOpener = nullptr;
};

}  // namespace tess::screens
