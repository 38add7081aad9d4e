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

namespace forms {
class Application;
}

class Program {
 public:
  //! programFolder: the folder that holds the record files (the executable's folder; a temporary
  //! folder in tests).
  Program(forms::Application& app, std::string programFolder);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  //! Shows the start-up screen; nothing else happens at start.
  void start();

  forms::Application& app() const { return *m_app; }
  SetUp& state() { return m_state; }
  Screens& screens() { return m_screens; }
  const std::string& programFolder() const { return m_programFolder; }

  Opening& opening() const { return *m_opening; }
  About& about() const { return *m_about; }
  ExitDialog& exitDialog() const { return *m_exitDialog; }
  InputMasterFive& inputMaster() const { return *m_inputMaster; }
  UseOneM& useConditions() const { return *m_useConditions; }
  BreakTimeFive& results() const { return *m_results; }
  LimitsMessage& limitsMessage() const { return *m_limitsMessage; }
  frmVaporMulti& vaporScreen() const { return *m_vaporScreen; }
  frmCartridgeMulti& cartridgeScreen() const { return *m_cartridgeScreen; }

 private:
  //! The closing step: closes both record files.
  void closeRecordFiles();

  forms::Application* m_app;
  std::string m_programFolder;
  SetUp m_state;
  Screens m_screens;
  std::unique_ptr<Opening> m_opening;
  std::unique_ptr<About> m_about;
  std::unique_ptr<ExitDialog> m_exitDialog;
  std::unique_ptr<InputMasterFive> m_inputMaster;
  std::unique_ptr<UseOneM> m_useConditions;
  std::unique_ptr<BreakTimeFive> m_results;
  std::unique_ptr<LimitsMessage> m_limitsMessage;
  std::unique_ptr<frmVaporMulti> m_vaporScreen;
  std::unique_ptr<frmCartridgeMulti> m_cartridgeScreen;
  std::unique_ptr<DataInputView> m_dataInputView;
  std::unique_ptr<UseConditionsView> m_useConditionsView;
  //! Shared with the closing step, which may run after the program object is gone.
  std::shared_ptr<Program*> m_self;
};
