// The quit question that the data-input screen, the results screen and the incomplete-information
// dialog ask before the program ends.
#pragma once

namespace tess::forms {
class Application;
}

namespace tess::screens {

//! Asks "Are you sure you want to quit?" (Yes and No, Yes the default, no icon, empty title) and
//! returns true on Yes. It only asks: on Yes the caller ends the program with app.endProgram(),
//! whose closing steps close the record files.
bool askQuitQuestion(forms::Application& app);

}  // namespace tess::screens
