// A calculation that cannot estimate every vapor: a message names those vapors and why, the rows
// that completed keep their times, and the next run starts from a sound state.
#include "ResultsFixture.h"

namespace results_test {
namespace {

// Toluene, Acetone and Hexane at 100, 200 and 300 ppm: the mixture equilibrium has no solution
// once Toluene's zone is done, so only Toluene's time is fixed.
class StoppedCalculationTest : public ResultsScreenTest {
 protected:
  void SetUp() override {
    addVapor(Toluene, 100);
    addVapor(Acetone, 200);
    addVapor(Hexane, 300);
    continueToResults();
    for (int row = 1; row <= 3; ++row) app.editText(results.VapBkConc[row], std::to_string(10 * row));
  }
  //! Calculates, expecting one message box, checked by the test.
  void calculateToOneMessage() {
    app.expectMessage();
    calculate();
    ASSERT_EQ(app.messages().size(), 1u);
  }
};

TEST_F(StoppedCalculationTest, NamesTheVaporsWithoutTimesAndShowsTheTimesThatAreComplete) {
  ASSERT_NO_FATAL_FAILURE(calculateToOneMessage());
  const forms::MessageRequest& m = app.messages()[0];
  EXPECT_EQ(m.title, "Calculation Incomplete");
  EXPECT_EQ(m.buttons, forms::MsgButtons::OK);
  EXPECT_EQ(m.text.find("The breakthrough times of these vapors could not be estimated: "), 0u) << m.text;
  const std::string named = m.text.substr(0, m.text.find('\n'));
  EXPECT_NE(named.find("Hexane"), std::string::npos) << named;
  EXPECT_NE(named.find("Acetone"), std::string::npos) << named;
  EXPECT_EQ(named.find("Toluene"), std::string::npos) << named;
  EXPECT_NE(m.text.find("The times shown for the other vapors are complete."), std::string::npos);

  // Every row still belongs to one vapor, in the slots' order as the model left them.
  EXPECT_TRUE(results.visible());
  EXPECT_EQ(state.MixVapors, 1);
  const int toluene = rowOf("Toluene");
  ASSERT_NE(toluene, 0);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(results.VapNm[i].caption(), state.Vapor[i].ChemName);
    EXPECT_EQ(inputMaster.Vap[i].caption(), state.Vapor[i].ChemName);
    for (const forms::Label* time : {&results.BkT[i], &results.BkTMin[i], &results.BkTMax[i]})
      EXPECT_EQ(time->caption().empty(), i != toluene) << state.Vapor[i].ChemName;
  }
  EXPECT_EQ(results.VapConc[toluene].text(), "100");
  EXPECT_EQ(results.VapBkConc[toluene].text(), "10");

  // The shared state is fit for the next run: at 50, 500 and 100 ppm the mixture completes.
  const std::pair<const char*, std::pair<const char*, const char*>> changes[] = {
      {"Toluene", {"50", "5"}}, {"Acetone", {"500", "50"}}, {"Hexane", {"100", "10"}}};
  for (const auto& [name, texts] : changes) {
    app.editText(results.VapConc[rowOf(name)], texts.first);
    app.editText(results.VapBkConc[rowOf(name)], texts.second);
  }
  app.clearMessages();
  calculate();
  EXPECT_TRUE(app.messages().empty());
  for (int i = 1; i <= 3; ++i) EXPECT_NE(results.BkT[i].caption(), "") << state.Vapor[i].ChemName;
}

TEST_F(StoppedCalculationTest, AVaporWithALiquidDensityOfZeroIsNamedWithWhatToCheck) {
  state.Vapor[2].LiqDensity = 0;  // a record stored without range checks
  ASSERT_NO_FATAL_FAILURE(calculateToOneMessage());
  const std::string& text = app.messages()[0].text;
  EXPECT_NE(text.find("liquid density"), std::string::npos) << text;
  EXPECT_NE(text.find("Acetone"), std::string::npos) << text;
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(times(i), "||");
  EXPECT_EQ(results.VapNm[2].caption(), "Acetone") << "a refused input leaves the slots as they were";
}

}  // namespace
}  // namespace results_test
