#include "input/About.h"

#include "input/Drawings.h"
#include "input/Opening.h"
#include "platform/forms/Application.h"
#include "screens/ScreenColors.h"

namespace tess::input {
namespace {

constexpr int ScreenWidth = 9600;   // [twips]
constexpr int ScreenHeight = 5760;  // [twips]
constexpr int ImageWidth = 1800;    // [twips]
constexpr int ImageHeight = 1200;   // [twips]

//! The About text, one line per entry; a multi-line box separates lines by CR LF.
std::string aboutText() {
  const char* const lines[] = {
      "Tessaloran",
      "Version 2.2.5\t\t    ",
      "     ",
      "     ",
      "This program can be used  to estimate breakthrough time(s) of",
      "one or a mixture of organic vapors through organic vapor air-",
      "purifying respirator cartridges at any humidity. It requires:",
      "1) parameters of the cartridge and the carbon it contains,",
      "2) physical characteristics of the vapor(s) present, and",
      "3) environmental and use conditions.",
      "",
      "Model: Dubinin-Radushkevich capacity with a water correction, ideal adsorbed solution theory "
      "for mixtures, and a Wheeler-Jonas rate equation.",
      "Contact: see the README file of the Tessaloran project.",
  };
  std::string text;
  for (const char* line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace

About::About(screens::ScreenContext context) : Form(context.app, "About"), m_context(context) {
  setCaption(" About");
  setClientSize(ScreenWidth, ScreenHeight);

  Picture2.setGeometry({0, 0, ScreenWidth, ScreenHeight});
  Picture2.setShapes(backgroundWash(ScreenWidth, ScreenHeight));

  forms::Picture* images[] = {&Image1, &Image2, &Image3, &Image4};
  const std::vector<forms::Shape> drawings[] = {
      granuleWithMolecules(ImageWidth, ImageHeight), mixtureOfVapors(ImageWidth, ImageHeight),
      humidAir(ImageWidth, ImageHeight), breakthroughCurves(ImageWidth, ImageHeight)};
  for (int k = 0; k < 4; ++k) {
    images[k]->setGeometry({240, 180 + k * (ImageHeight + 150), ImageWidth, ImageHeight});
    images[k]->setShapes(drawings[k]);
  }

  Text2.setMultiLine(true);
  Text2.setBorder(false);
  Text2.setFont(forms::Font{"Arial", 10, true});
  Text2.setBackColor(forms::Color{218, 234, 244});
  Text2.setGeometry({2280, 180, 7080, 4620});
  Text2.setInitialText(aboutText());
  Text2.setLocked(true);
  Text2.setTabStop(false);

  Command1.setCaption("Return");
  Command1.setBackColor(screens::Green);
  Command1.setGeometry({5220, 5010, 1215, 495});
  Command1.setTabIndex(0);
  Text2.setTabIndex(1);

  Command1.onClick = [this] { About_Command1_Click(); };
  // The close box acts as "Return".
  setCloseHook([this] { app().click(Command1); });
}

void About::About_Command1_Click() {
  hide();
  m_context.screens.opening->show();
}

}  // namespace tess::input
