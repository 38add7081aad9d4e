#include "ResultsFixture.h"

namespace results_test {
namespace {

class ConcentrationBoxesTest : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    addVapor(Acetone, 200);
    continueToResults();
  }
  //! Types text into a box, then moves the focus on to a box that takes no part in the test.
  void enter(forms::TextBox& box, const std::string& text) {
    app.editText(box, text);
    app.focus(results.CartName);
  }
};

TEST_F(ConcentrationBoxesTest, BreakthroughConcentrationIsStoredWhenTheBoxLosesTheFocus) {
  struct Case {
    int row;
    const char* typed;
    double bkConc;
    double bkFrac;
    const char* textAfter;
  };
  const Case cases[] = {
      {1, "10", 10, 0.1, "10"},
      {1, ".", 10, 0.1, ""},            // nothing stored
      {1, "-3", -3, -0.03, ""},         // stored, then blanked
      {2, "0", 0, 0, ""},
      {2, "20ppm", 20, 0.1, "20ppm"},
      {4, "10", 10, 0.1, "10"},         // empty slot: stored, the fraction left as it was
  };
  state.BkFrac[4] = 0.1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    enter(results.VapBkConc[c.row], c.typed);
    EXPECT_DOUBLE_EQ(state.BkConc[c.row], c.bkConc);
    EXPECT_DOUBLE_EQ(state.BkFrac[c.row], c.bkFrac);
    EXPECT_EQ(results.VapBkConc[c.row].text(), c.textAfter);
  }
}

TEST_F(ConcentrationBoxesTest, BreakthroughBoxSelectsItsTextOnFocus) {
  results.VapBkConc[2].setText("12.5");
  app.focus(results.VapBkConc[2]);
  EXPECT_EQ(results.VapBkConc[2].selStart(), 0);
  EXPECT_EQ(results.VapBkConc[2].selLength(), 4);
}

TEST_F(ConcentrationBoxesTest, VaporConcentrationIsCheckedAndStoredOnLosingTheFocus) {
  enter(results.VapBkConc[1], "10");
  struct Case {
    const char* typed;
    const char* message;  // nullptr: none
    float avgVapConc;
    double bkFrac;
  };
  const Case cases[] = {
      {"200", nullptr, 200, 0.05},
      {"200000", "This entry must be less than or equal to 100,000 ", 200000, 0.00005},
      {"0", "This entry must not equal zero ", 200000, 0.00005},  // nothing stored
      {"-5", "This entry must be greater than or equal to 0.01 ", 200000, 0.00005},
      {"1e300", "This entry must be less than or equal to 100,000 ", 200000, 0.00005},  // no float holds it
      {"1,000", nullptr, 1, 10},                                  // reads as 1
      {"", nullptr, 0, 10},                                       // blank stores 0, fraction kept
      {"100", nullptr, 100, 0.1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    if (c.message) app.expectMessage(c.message, "Invalid Entry");
    enter(results.VapConc[1], c.typed);
    EXPECT_EQ(app.pendingMessages(), 0);
    EXPECT_FLOAT_EQ(state.Vapor[1].AvgVapConc, c.avgVapConc);
    EXPECT_DOUBLE_EQ(state.BkFrac[1], c.bkFrac);
    EXPECT_TRUE(results.CartName.hasFocus()) << "the focus is not brought back";
  }
}

}  // namespace
}  // namespace results_test
