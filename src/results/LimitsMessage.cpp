#include "results/LimitsMessage.h"

#include "results/BreakTimeFive.h"

namespace tess::results {

LimitsMessage::LimitsMessage(const screens::ScreenContext& context)
    : Form(context.app, "LimitsMessage"), m_screens(context.screens) {
  // Layout [twips]: the message over a centred "Return".
  setCaption("Out of Limits Message");
  setClientSize(5400, 2280);
  setFont(forms::Font{"MS Sans Serif", 9.75, true});
  Label1.setCaption(
      "This model is not valid for breakthrough fractions above 0.5 or at zero or below. Please select "
      "breakthrough concentrations within these limits.");
  Label1.setGeometry(forms::Rect{240, 240, 4920, 1080});
  Label1.setAlignment(forms::Align::Center);
  ReturnButton.setCaption("Return");
  ReturnButton.setGeometry(forms::Rect{2100, 1560, 1200, 420});
  ReturnButton.onClick = [this] { LimitsMessage_ReturnButton_Click(); };
  setCloseHook([this] { LimitsMessage_ReturnButton_Click(); });
}

void LimitsMessage::LimitsMessage_ReturnButton_Click() {
  hide();
  if (m_screens.results) m_screens.results->show();
}

}  // namespace tess::results
