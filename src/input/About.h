// About: what the program does and how its model works, reached from the start-up screen.
#pragma once

#include "platform/forms/Button.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/TextBox.h"
#include "screens/Screens.h"

namespace tess::input {

class About : public forms::Form {
 public:
  explicit About(screens::ScreenContext context);

  //! The picture that fills the screen (constructed first, so it lies under the other controls).
  forms::Picture Picture2{*this, "Picture2"};
  forms::Picture Image1{*this, "Image1"};
  forms::Picture Image2{*this, "Image2"};
  forms::Picture Image3{*this, "Image3"};
  forms::Picture Image4{*this, "Image4"};
  forms::TextBox Text2{*this, "Text2"};
  forms::Button Command1{*this, "Command1"};

  //! "Return": hides this screen, then shows the start-up screen.
  void About_Command1_Click();

 private:
  screens::ScreenContext m_context;
};

}  // namespace tess::input
