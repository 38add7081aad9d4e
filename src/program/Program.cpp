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

Program::Program(forms::Application& app, std::string programFolder)
    : m_app(&app), m_programFolder(std::move(programFolder)), m_self(std::make_shared<Program*>(this)) {
  const ScreenContext context{app, m_state, m_screens, m_programFolder};
  // Screens are built here but loaded only on their first show or first public call.
  m_opening = std::make_unique<Opening>(context);
  m_about = std::make_unique<About>(context);
  m_exitDialog = std::make_unique<ExitDialog>(context);
  m_inputMaster = std::make_unique<InputMasterFive>(context);
  m_useConditions = std::make_unique<UseOneM>(context);
  m_results = std::make_unique<BreakTimeFive>(context);
  m_limitsMessage = std::make_unique<LimitsMessage>(context);
  m_vaporScreen = std::make_unique<frmVaporMulti>(context);
  m_cartridgeScreen = std::make_unique<frmCartridgeMulti>(context);
  m_screens = Screens{m_opening.get(),       m_about.get(),         m_exitDialog.get(),
                      m_inputMaster.get(),   m_useConditions.get(), m_results.get(),
                      m_limitsMessage.get(), m_vaporScreen.get(),   m_cartridgeScreen.get()};
  // The views through which the results and database screens reach the screens above them.
  InputMasterFive& input = *m_inputMaster;
  m_dataInputView = std::make_unique<DataInputView>(
      DataInputView{input, input.CartName, input.Vap, input.SelectVap, input.SelectUse, input.selectedVapIdx});
  UseOneM& use = *m_useConditions;
  m_useConditionsView = std::make_unique<UseConditionsView>(
      UseConditionsView{&use, &use.Temperature, &use.AtmPressure, &use.RelHumid, &use.BreathingAirFlow});
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
