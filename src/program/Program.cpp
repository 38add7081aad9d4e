#include "program/Program.h"

#include "databases/ExitDialog.h"
#include "databases/frmCartridgeMulti.h"
#include "databases/frmVaporMulti.h"
#include "input/About.h"
#include "input/InputMasterFive.h"
#include "input/Opening.h"
#include "input/UseOneM.h"
#include "platform/forms/Application.h"
#include "results/BreakTimeFive.h"
#include "results/LimitsMessage.h"
#include "screens/ScreenViews.h"

namespace tess::program {

Program::Program(forms::Application& app, std::string programFolder, files::PathOpener* fileOpener)
    : m_app(&app), m_programFolder(std::move(programFolder)), m_self(std::make_shared<Program*>(this)) {
  const screens::ScreenContext context{app, m_state, m_screens, m_programFolder, fileOpener};
  // Screens are built here but loaded only on their first show or first public call.
  m_opening = std::make_unique<input::Opening>(context);
  m_about = std::make_unique<input::About>(context);
  m_exitDialog = std::make_unique<databases::ExitDialog>(context);
  m_inputMaster = std::make_unique<input::InputMasterFive>(context);
  m_useConditions = std::make_unique<input::UseOneM>(context);
  m_results = std::make_unique<results::BreakTimeFive>(context);
  m_limitsMessage = std::make_unique<results::LimitsMessage>(context);
  m_vaporScreen = std::make_unique<databases::frmVaporMulti>(context);
  m_cartridgeScreen = std::make_unique<databases::frmCartridgeMulti>(context);
  m_screens = screens::Screens{m_opening.get(),       m_about.get(),         m_exitDialog.get(),
                               m_inputMaster.get(),   m_useConditions.get(), m_results.get(),
                               m_limitsMessage.get(), m_vaporScreen.get(),   m_cartridgeScreen.get()};
  // The views through which the results and database screens reach the screens above them.
  input::InputMasterFive& input = *m_inputMaster;
  m_dataInputView = std::make_unique<screens::DataInputView>(screens::DataInputView{
      input, input.CartName, input.Vap, input.SelectVap, input.SelectUse, input.selectedVapIdx});
  input::UseOneM& use = *m_useConditions;
  m_useConditionsView = std::make_unique<screens::UseConditionsView>(screens::UseConditionsView{
      &use, &use.Temperature, &use.AtmPressure, &use.RelHumid, &use.BreathingAirFlow});
  m_screens.dataInput = m_dataInputView.get();
  m_screens.useConditionsView = m_useConditionsView.get();

  std::weak_ptr<Program*> self = m_self;
  app.addClosingStep([self] {
    if (const auto program = self.lock()) (*program)->closeRecordFiles();
  });
}

Program::~Program() = default;

void Program::start() { m_opening->show(); }

void Program::closeRecordFiles() {
  m_vaporScreen->closeFile();
  m_cartridgeScreen->closeFile();
}

}  // namespace tess::program
