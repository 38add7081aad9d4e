#include "screens/QuitQuestion.h"

#include "platform/forms/Application.h"

namespace tess::screens {

bool askQuitQuestion(forms::Application& app) {
  const forms::MsgAnswer answer =
      app.messageBox("Are you sure you want to quit?", "", forms::MsgButtons::YesNo, forms::MsgIcon::None,
                     forms::MsgAnswer::Yes);
  return answer == forms::MsgAnswer::Yes;
}

}  // namespace tess::screens
