#include <gtest/gtest.h>

#include <string>

#include "platform/forms/ScriptedApplication.h"
#include "results/BreakTimeFive.h"
#include "results/LimitsMessage.h"
#include "state/SetUp.h"

namespace {

TEST(LimitsMessage, ReturnAndCloseBoxBringBackTheResultsScreen) {
  forms::ScriptedApplication app;
  app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  ::SetUp state;
  Screens screens;
  const std::string folder;
  ScreenContext context{app, state, screens, folder};
  BreakTimeFive results(context);
  LimitsMessage limits(context);
  screens.results = &results;
  screens.limitsMessage = &limits;

  EXPECT_EQ(limits.caption(), "Out of Limits Message");
  EXPECT_EQ(limits.ReturnButton.caption(), "Return");
  limits.show();
  app.click(limits.ReturnButton);
  EXPECT_FALSE(limits.visible());
  EXPECT_TRUE(results.visible());

  results.hide();
  limits.show();
  app.closeWindow(limits);
  EXPECT_FALSE(limits.visible());
  EXPECT_TRUE(results.visible());
  app.checkDone();
}

}  // namespace
