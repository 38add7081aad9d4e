#include "databases/ExitDialog.h"

#include "platform/forms/Application.h"
#include "screens/QuitQuestion.h"
#include "screens/ScreenColors.h"

namespace tess::databases {

ExitDialog::ExitDialog(screens::ScreenContext context) : Form(context.app, "ExitDialog"), m_context(context) {
  setCaption("Information Incomplete");
  setClientSize(6360, 2400);

  forms::Font bold = font();
  bold.bold = true;
  Label5.setCaption("Complete Information Required");
  Label5.setFont(bold);
  Label5.setGeometry({240, 240, 4200, 285});
  Label1.setCaption(
      "This program requires the information requested on the previous screen. You can either exit the "
      "program now, if you do not have the required information, or return to the screen to enter the "
      "information.");
  Label1.setGeometry({240, 660, 4320, 1500});

  ExitButton.setCaption("Exit");
  ExitButton.setBackColor(screens::Red);
  ExitButton.setGeometry({4800, 240, 1335, 495});
  ExitButton.setTabIndex(0);
  ReturnButton.setCaption("Return");
  ReturnButton.setBackColor(screens::Green);
  ReturnButton.setGeometry({4800, 855, 1335, 495});
  ReturnButton.setTabIndex(1);

  ExitButton.onClick = [this] { ExitDialog_ExitButton_Click(); };
  ReturnButton.onClick = [this] { ExitDialog_ReturnButton_Click(); };
  // The close box leaves the dialog as "Return" does.
  setCloseHook([this] { app().click(ReturnButton); });
}

void ExitDialog::ExitDialog_ReturnButton_Click() { hide(); }

void ExitDialog::ExitDialog_ExitButton_Click() {
  if (screens::askQuitQuestion(m_context.app)) {
    m_context.app.endProgram();
    return;
  }
  ReturnButton.setFocus();
}

}  // namespace tess::databases
