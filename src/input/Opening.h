// Opening: the start-up screen, the first and only screen shown when the program starts.
#pragma once

#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/TextBox.h"
#include "screens/Screens.h"

namespace tess::input {

class Opening : public forms::Form {
 public:
  explicit Opening(screens::ScreenContext context);

  //! The picture on the screen's background (constructed first, so it lies under the others).
  forms::Picture Background{*this, "Background"};
  forms::TextBox Text1{*this, "Text1"};
  forms::TextBox Text2{*this, "Text2"};
  forms::Picture Picture1{*this, "Picture1"};
  forms::Button Continue{*this, "Continue"};
  forms::Button ExitCmd{*this, "ExitCmd"};
  forms::Button Command1{*this, "Command1"};

  //! Shows the data-input screen (its first show loads it), then hides this screen.
  void Opening_Continue_Click();
  //! "About": hides this screen, then shows About.
  void Opening_Command1_Click();
  //! "Exit": ends the program at once, without a question (no record file is open yet).
  void Opening_ExitCmd_Click();

 private:
  screens::ScreenContext m_context;
};

}  // namespace tess::input
