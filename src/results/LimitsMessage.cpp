#include "results/LimitsMessage.h"

#include "results/BreakTimeFive.h"

LimitsMessage::LimitsMessage(const ScreenContext& context)
    : Form(context.app, "LimitsMessage"), m_screens(context.screens) {
  setCaption("Out of Limits Message");
  Label1.setCaption(
      "This model is not valid for breakthrough fractions above 0.5 or at zero or below. Please select "
      "breakthrough concentrations within these limits.");
  ReturnButton.setCaption("Return");
  ReturnButton.onClick = [this] { LimitsMessage_ReturnButton_Click(); };
  setCloseHook([this] { LimitsMessage_ReturnButton_Click(); });
}

void LimitsMessage::LimitsMessage_ReturnButton_Click() {
  hide();
  if (m_screens.results) m_screens.results->show();
}
