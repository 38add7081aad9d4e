// The start-up screen and the About screen.
#include "support/ProgramFixture.h"

namespace tess::input {
using namespace testing;

namespace {

class StartUpScreensTest : public ProgramFixture {};

TEST_F(StartUpScreensTest, StartShowsOnlyTheStartUpScreenAndContinueShowsTheDataInputScreen) {
  state.MixVapors = 3;
  program.start();
  EXPECT_TRUE(program.opening().Continue.hasFocus());
  for (forms::Form* form : app.forms())
    EXPECT_EQ(form->visible(), form == &program.opening()) << form->name();
  // Nothing is loaded at start, so no record file is opened.
  EXPECT_FALSE(vapor.loaded() || cartridge.loaded());

  ASSERT_TRUE(app.click(program.opening().Continue));
  EXPECT_FALSE(program.opening().visible());
  EXPECT_TRUE(input.visible());
  EXPECT_TRUE(input.SelectCart.hasFocus());
  EXPECT_EQ(state.MixVapors, 0);
}

// About, left by its Return or its close box, brings back the start-up screen, whose close box
// clicks "Exit" (so this runs Exit's own handler too): the program ends at once without asking.
TEST_F(StartUpScreensTest, AboutGivesBackTheStartUpScreenWhoseCloseBoxEndsWithoutAsking) {
  program.start();
  for (const bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox ? "close box" : "Return");
    ASSERT_TRUE(app.click(program.opening().Command1));
    EXPECT_FALSE(program.opening().visible());
    EXPECT_TRUE(program.about().visible());
    ASSERT_TRUE(byCloseBox ? app.closeWindow(program.about()) : app.click(program.about().Command1));
    EXPECT_FALSE(program.about().visible());
    EXPECT_TRUE(program.opening().visible());
  }
  EXPECT_FALSE(app.programEnded());
  ASSERT_TRUE(app.closeWindow(program.opening()));
  EXPECT_TRUE(app.programEnded());
  EXPECT_TRUE(app.messages().empty());
}

}  // namespace
}  // namespace tess::input
