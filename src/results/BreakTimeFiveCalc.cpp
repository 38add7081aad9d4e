// "Calculate Results": the limits check of the rows in play, the model's inputs renewed from what
// the screen shows, the model's run, and its results or the reason it stopped.

#include <algorithm>
#include <exception>

#include "model/CalculationRun.h"
#include "platform/forms/Application.h"
#include "results/BreakTimeFive.h"
#include "results/CalculationStopMessage.h"
#include "results/LimitsCheck.h"
#include "results/LimitsMessage.h"

void BreakTimeFive::BreakTimeFive_cmdCalc_Click() {
  const int vapors = std::clamp<int>(m_state.TotalVapors, 0, MaxVapors);
  for (int i = 1; i <= vapors; ++i) {
    if (!results::rowWithinLimits(VapConc[i].text(), VapBkConc[i].text())) {
      if (m_screens.limitsMessage) m_screens.limitsMessage->show();
      hide();
      return;
    }
  }

  ClearResults();
  renewModelInputs();

  CalculationStatus status;
  try {
    status = runCalculation(m_state);
  } catch (const std::exception& error) {
    // The model reports its own stops in the status; anything else (such as memory running out)
    // must not end the program.
    status = CalculationStatus{};
    status.message = std::string("An unexpected error stopped the calculation: ") + error.what();
  }

  ShowResults();
  if (!status.completed) {
    // Only the vapors whose zones were finished have times that belong to this run.
    for (int i = 1; i <= MaxVapors; ++i) {
      if (status.timeFixed[i]) continue;
      BkT[i].setCaption("");
      BkTMin[i].setCaption("");
      BkTMax[i].setCaption("");
    }
    m_app.messageBox(results::calculationStopMessage(m_state, status), results::CalculationStopTitle,
                     forms::MsgButtons::OK, forms::MsgIcon::Exclamation);
  }
  show();
}

// The face velocity follows the flow and the bed as they stand now (a flow changed on this screen
// reaches the water uptake too), and each breakthrough fraction follows its concentrations as they
// stand now, so the result always belongs to the values on the screen.
void BreakTimeFive::renewModelInputs() {
  computeSuperficialVel(m_state);
  for (int i = 1; i <= MaxVapors; ++i) {
    if (m_state.Vapor[i].AvgVapConc > 0) m_state.BkFrac[i] = m_state.BkConc[i] / m_state.Vapor[i].AvgVapConc;
  }
}
