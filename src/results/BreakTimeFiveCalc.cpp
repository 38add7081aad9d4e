// "Calculate Results": the limits check of the rows in play, the refusal of inputs the model has no
// result for, the model's inputs renewed from what the screen shows, the model's run, and its
// results or the reason it stopped.

#include <algorithm>
#include <exception>
#include <string>

#include "model/CalculationRun.h"
#include "platform/forms/Application.h"
#include "platform/text/NumberText.h"
#include "platform/text/TextTrim.h"
#include "results/BreakTimeFive.h"
#include "results/CalculationStopMessage.h"
#include "results/LimitsCheck.h"
#include "results/LimitsMessage.h"
#include "state/InputRanges.h"

namespace tess::results {

void BreakTimeFive::BreakTimeFive_cmdCalc_Click() {
  const int vapors = std::clamp<int>(m_state.TotalVapors, 0, MaxVapors);
  for (int i = 1; i <= vapors; ++i) {
    const RowConcentrations row{VapConc[i].text(), VapBkConc[i].text(), m_state.Vapor[i].AvgVapConc,
                                         m_state.BkConc[i]};
    if (!rowWithinLimits(row)) {
      if (m_screens.limitsMessage) m_screens.limitsMessage->show();
      hide();
      return;
    }
  }

  ClearResults();
  const std::string refusal = inputRefusal();
  if (!refusal.empty()) {
    m_app.messageBox(refusal, CalculationStopTitle, forms::MsgButtons::OK,
                     forms::MsgIcon::Exclamation);
    return;
  }
  renewModelInputs();

  model::CalculationStatus status;
  try {
    status = model::runCalculation(m_state);
  } catch (const std::exception& error) {
    // The model reports its own stops in the status; anything else (such as memory running out)
    // must not end the program.
    status = model::CalculationStatus{};
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
    m_app.messageBox(calculationStopMessage(m_state, status), CalculationStopTitle,
                     forms::MsgButtons::OK, forms::MsgIcon::Exclamation);
  }
  show();
}

namespace {

//! A use-condition box of this screen, its caption, and the range of what to enter in it.
struct UseConditionBox {
  const forms::TextBox& box;
  const char* caption;
  const InputRange& range;
};

// Lowest and highest vapor concentration the model takes [ppm], as 32-bit values like the stored
// one (the 32-bit 0.01 lies just below 0.01, and a typed 0.01 must pass).
constexpr float MinVapConc = static_cast<float>(VapConcRange.Min);
constexpr float MaxVapConc = static_cast<float>(VapConcRange.Max);

}  // namespace

// A blank use-condition box stores 0, and its box's check lets a vapor concentration outside its
// bounds stand after the warning; the model has no valid result for either.
std::string BreakTimeFive::inputRefusal() const {
  const std::string unestimated = "The breakthrough times could not be estimated.\n\n";
  const UseConditionBox conditions[] = {
      {Temperature, "Temperature (oC)", TemperatureRange},
      {AtmPressure, "Atmospheric Pressure (atm)", AtmPressureRange},
      {AirFlowVol, "Average Air Flow (L/min)", BreathingAirFlowRange},
      {RelHumid, "Use Relative Humidity (%)", RelHumidRange},
  };
  for (const UseConditionBox& condition : conditions) {
    if (tess::text::trimBlanks(condition.box.text()).empty()) {
      return unestimated + "The " + condition.caption + " box is empty. Enter " +
             rangeRequest(condition.range) + ".";
    }
  }
  const int vapors = std::clamp<int>(m_state.TotalVapors, 0, MaxVapors);
  for (int i = 1; i <= vapors; ++i) {
    const float concentration = m_state.Vapor[i].AvgVapConc;
    if (concentration >= MinVapConc && concentration <= MaxVapConc) continue;
    std::string row = "Vapor #" + std::to_string(i);
    const std::string& name = m_state.Vapor[i].ChemName;
    if (!name.empty() && !isNoneSelectedExact(name)) row += " (" + name + ")";
    return unestimated + "The vapor concentration of " + row + " is " +
           tess::text::singleToText(concentration) + " " + VapConcRange.Unit + ". Enter " +
           rangeRequest(VapConcRange) + ".";
  }
  return {};
}

// The face velocity follows the flow and the bed as they stand now (a flow changed on this screen
// reaches the water uptake too), and each breakthrough fraction follows its concentrations as they
// stand now, so the result always belongs to the values on the screen.
void BreakTimeFive::renewModelInputs() {
  model::computeSuperficialVel(m_state);
  for (int i = 1; i <= MaxVapors; ++i) renewBkFrac(m_state, i);
}

}  // namespace tess::results
