// The program as a whole: what it owns and how it ends.
#include "input/ProgramFixture.h"

namespace tess::testing {
namespace {

class ProgramTest : public ProgramFixture {};

TEST_F(ProgramTest, EveryScreenIsInTheTableAndNoneIsShownBeforeStart) {
  const Screens& screens = program.screens();
  EXPECT_EQ(screens.opening, &program.opening());
  EXPECT_EQ(screens.inputMaster, &program.inputMaster());
  EXPECT_EQ(screens.results, &program.results());
  EXPECT_EQ(screens.vaporScreen, &program.vaporScreen());
  EXPECT_EQ(screens.cartridgeScreen, &program.cartridgeScreen());
  EXPECT_NE(screens.about, nullptr);
  EXPECT_NE(screens.exitDialog, nullptr);
  EXPECT_NE(screens.useConditions, nullptr);
  EXPECT_NE(screens.limitsMessage, nullptr);
  for (forms::Form* form : app.forms()) EXPECT_FALSE(form->visible()) << form->name();
  EXPECT_EQ(program.programFolder(), folder.path().string());
}

}  // namespace
}  // namespace tess::testing
