// The procedures that fill the results screen: ShowInputsOnResults, ClearResults, ShowResults.
// Writing the boxes by the program fires none of this screen's handlers (they react to focus, key
// and validate events only).

#include "model/CalculationRun.h"
#include "platform/text/NumberText.h"
#include "results/BreakTimeFive.h"
#include "screens/ScreenViews.h"

namespace tess::results {
namespace {

// A slot counts as holding a vapor unless its name is empty or exactly "None Selected".
bool holdsVapor(const std::string& name) { return !name.empty() && !isNoneSelectedExact(name); }

}  // namespace

void BreakTimeFive::ShowInputsOnResults() {
  ensureLoaded();
  for (int i = 1; i <= MaxVapors; ++i) {
    const VaporData& vapor = m_state.Vapor[i];
    VapNm[i].setCaption(vapor.ChemName);
    if (holdsVapor(vapor.ChemName)) {
      VapConc[i].setText(tess::text::singleToText(vapor.AvgVapConc));
    } else {
      VapConc[i].setText("");
      VapBkConc[i].setText("");
    }
  }
  CartName.setText(m_state.Cart.CartName);
  Temperature.setText(tess::text::singleToText(m_state.Temperature));
  AtmPressure.setText(tess::text::formatSingle(m_state.AtmPressure, "0.00"));
  // Percent as a 32-bit value, rounded to 2 decimals, then shown as whole percent of two digits.
  const float percent = m_state.RelHumid * 100.0f;
  RelHumid.setText(tess::text::formatNumber(tess::text::roundToTwoDecimals(percent), "00"));
  AirFlowVol.setText(tess::text::singleToText(m_state.BreathingAirFlow));
  model::computeSuperficialVel(m_state);
}

void BreakTimeFive::ClearResults() {
  ensureLoaded();
  for (int i = 1; i <= MaxVapors; ++i) {
    BkT[i].setCaption("");
    BkTMin[i].setCaption("");
    BkTMax[i].setCaption("");
  }
}

void BreakTimeFive::ShowResults() {
  ensureLoaded();
  screens::DataInputView* inputMaster = m_screens.dataInput;
  if (inputMaster) inputMaster->ensureLoaded();
  for (int i = 1; i <= MaxVapors; ++i) {
    const std::string& name = m_state.Vapor[i].ChemName;
    if (inputMaster) inputMaster->Vap[i].setCaption(name);
    VapNm[i].setCaption(name);
    BkT[i].setCaption(tess::text::formatNumber(m_state.FinalBkTime[i], "0"));
    BkTMin[i].setCaption(tess::text::formatNumber(m_state.BkTimeMin[i], "0"));
    BkTMax[i].setCaption(tess::text::formatNumber(m_state.BkTimeMax[i], "0"));
    VapBkConc[i].setText(tess::text::formatNumber(m_state.BkConc[i], "#"));
    if (holdsVapor(name)) {
      VapConc[i].setText(tess::text::singleToText(m_state.Vapor[i].AvgVapConc));
    } else {
      VapConc[i].setText("");
      VapBkConc[i].setText("");
      BkT[i].setCaption("");
      BkTMin[i].setCaption("");
      BkTMax[i].setCaption("");
    }
  }
}

}  // namespace tess::results
