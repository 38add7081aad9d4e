// Program: the whole run. It owns the shared state, the nine screens and the table through which
// the screens reach each other, registers the closing step that closes the record files when the
// program ends, and shows the start-up screen at start.
//
//   forms::ScriptedApplication app;          // or the Qt binding's application
//   Program program(app, folderOfRecordFiles);
//   program.start();
//
// The application must outlive the program.
#pragma once

#include <memory>
#include <string>

#include "screens/Screens.h"
#include "state/SetUp.h"

namespace tess::forms {
class Application;
}
namespace tess::files {
class PathOpener;
}

namespace tess::program {

class Program {
 public:
  //! programFolder: the folder that holds the record files (the executable's folder; a temporary
  //! folder in tests). fileOpener: how the record files are opened, for tests that stand another
  //! program or the system's refusals between the opening steps; null: the system's own opens.
  Program(forms::Application& app, std::string programFolder, files::PathOpener* fileOpener = nullptr);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  //! Shows the start-up screen; nothing else happens at start.
  void start();

  forms::Application& app() const { return *m_app; }
  SetUp& state() { return m_state; }
  screens::Screens& screens() { return m_screens; }
  const std::string& programFolder() const { return m_programFolder; }

  input::Opening& opening() const { return *m_opening; }
  input::About& about() const { return *m_about; }
  databases::ExitDialog& exitDialog() const { return *m_exitDialog; }
  input::InputMasterFive& inputMaster() const { return *m_inputMaster; }
  input::UseOneM& useConditions() const { return *m_useConditions; }
  results::BreakTimeFive& results() const { return *m_results; }
  results::LimitsMessage& limitsMessage() const { return *m_limitsMessage; }
  databases::frmVaporMulti& vaporScreen() const { return *m_vaporScreen; }
  databases::frmCartridgeMulti& cartridgeScreen() const { return *m_cartridgeScreen; }

 private:
  //! The closing step: closes both record files.
  void closeRecordFiles();

  forms::Application* m_app;
  std::string m_programFolder;
  SetUp m_state;
  screens::Screens m_screens;
  std::unique_ptr<input::Opening> m_opening;
  std::unique_ptr<input::About> m_about;
  std::unique_ptr<databases::ExitDialog> m_exitDialog;
  std::unique_ptr<input::InputMasterFive> m_inputMaster;
  std::unique_ptr<input::UseOneM> m_useConditions;
  std::unique_ptr<results::BreakTimeFive> m_results;
  std::unique_ptr<results::LimitsMessage> m_limitsMessage;
  std::unique_ptr<databases::frmVaporMulti> m_vaporScreen;
  std::unique_ptr<databases::frmCartridgeMulti> m_cartridgeScreen;
  std::unique_ptr<screens::DataInputView> m_dataInputView;
  std::unique_ptr<screens::UseConditionsView> m_useConditionsView;
  //! Shared with the closing step, which may run after the program object is gone.
  std::shared_ptr<Program*> m_self;
};

}  // namespace tess::program
