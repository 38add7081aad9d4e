#include "input/Opening.h"

#include "input/About.h"
#include "input/Drawings.h"
#include "input/InputMasterFive.h"
#include "platform/forms/Application.h"
#include "screens/ScreenColors.h"

namespace tess::input {
namespace {
constexpr int ScreenWidth = 6720;   // [twips]
constexpr int ScreenHeight = 7320;  // [twips]
}  // namespace

Opening::Opening(screens::ScreenContext context) : Form(context.app, "Opening"), m_context(context) {
  setClientSize(ScreenWidth, ScreenHeight);

  Background.setGeometry({0, 0, ScreenWidth, ScreenHeight});
  Background.setShapes(backgroundWash(ScreenWidth, ScreenHeight));

  // The two titles are display only: they never take the focus by Tab and cannot be edited.
  Text1.setInitialText("Tessaloran");
  Text1.setBorder(false);
  Text1.setAlignment(forms::Align::Center);
  Text1.setFont(forms::Font{"Arial", 30, true});
  Text1.setGeometry({600, 600, 5520, 780});
  Text2.setInitialText("Version 2.2.5, June 2018\r\n");
  Text2.setMultiLine(true);
  Text2.setBorder(false);
  Text2.setAlignment(forms::Align::Center);
  Text2.setFont(forms::Font{"Arial", 14, true});
  Text2.setGeometry({600, 1440, 5520, 420});
  for (forms::TextBox* title : {&Text1, &Text2}) {
    title->setLocked(true);
    title->setTabStop(false);
    title->setBackColor(forms::Color{214, 230, 250});
  }

  Picture1.setGeometry({1560, 2040, 3600, 3600});
  Picture1.setBorder(true);
  Picture1.setShapes(cartridgeSection(3600, 3600));

  Command1.setCaption("About");
  Command1.setGeometry({120, 120, 975, 375});
  Continue.setCaption("Continue");
  Continue.setBackColor(screens::Green);
  Continue.setGeometry({600, 6240, 1695, 615});
  ExitCmd.setCaption("Exit");
  ExitCmd.setBackColor(screens::Red);
  ExitCmd.setGeometry({4425, 6240, 1695, 615});

  // Continue comes first, so it has the focus when the screen opens.
  Continue.setTabIndex(0);
  ExitCmd.setTabIndex(1);
  Command1.setTabIndex(2);
  Text1.setTabIndex(3);
  Text2.setTabIndex(4);

  Continue.onClick = [this] { Opening_Continue_Click(); };
  Command1.onClick = [this] { Opening_Command1_Click(); };
  ExitCmd.onClick = [this] { Opening_ExitCmd_Click(); };
  // The close box acts as "Exit".
  setCloseHook([this] { app().click(ExitCmd); });
}

void Opening::Opening_Continue_Click() {
  m_context.screens.inputMaster->show();
  hide();
}

void Opening::Opening_Command1_Click() {
  hide();
  m_context.screens.about->show();
}

void Opening::Opening_ExitCmd_Click() { m_context.app.endProgram(); }

}  // namespace tess::input
