#include "ResultsFixture.h"

namespace results_test {
namespace {

using LimitsMessageTest = ResultsScreenTest;

TEST_F(LimitsMessageTest, ReturnAndCloseBoxBothBringBackTheResultsScreen) {
  EXPECT_EQ(limits.caption(), "Out of Limits Message");
  EXPECT_EQ(limits.Label1.caption(),
            "This model is not valid for breakthrough fractions above 0.5 or at zero or below. Please select "
            "breakthrough concentrations within these limits.");
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
  EXPECT_TRUE(results.active());
}

}  // namespace
}  // namespace results_test
