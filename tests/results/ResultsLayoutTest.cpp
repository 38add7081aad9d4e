#include "ResultsFixture.h"

namespace results_test {
namespace {

using ResultsLayoutTest = ResultsScreenTest;

TEST_F(ResultsLayoutTest, CaptionsAndTextsAreWordForWord) {
  EXPECT_EQ(results.caption(), "Vapor Mixture Breakthrough Results");
  EXPECT_EQ(results.cmdCalc.caption(), "  Calculate    Results");
  EXPECT_EQ(results.cmdData.caption(), "   Return to  Data Inputs");
  EXPECT_EQ(results.cmdPrint.caption(), "Print this Window");
  EXPECT_EQ(results.cmdExit.caption(), "      Exit        Program");
  EXPECT_EQ(results.Text25.text(),
            "   Breakthrough Times (min)    \r\n"
            "                               Range\r\n"
            "Estimated       Min          Max\r\n");
  const std::pair<const forms::Label*, const char*> labels[] = {
      {&results.Label2, "Organic Vapor Cartridge"},
      {&results.Label5, "Calculated Results"},
      {&results.Label3, "Organic Vapors"},
      {&results.Label1, "Breakthrough Concentrations (ppm)"},
      {&results.Label4, "Vapor Concentrations (ppm)"},
      {&results.Label7, "Vapor #1"},
      {&results.Label8, "Vapor #2"},
      {&results.Label9, "Vapor #3"},
      {&results.Label10, "Vapor #4"},
      {&results.Label11, "Vapor #5"},
      {&results.Label12, "Temperature (oC)"},
      {&results.Label13, "Atmospheric Pressure (atm)"},
      {&results.Label16, "Average Air Flow (L/min)"},
      {&results.Label15, "Use Relative Humidity (%)"},
  };
  for (const auto& [label, caption] : labels) EXPECT_EQ(label->caption(), caption) << label->name();
  for (int i = 1; i <= MaxVapors; ++i) {
    EXPECT_EQ(results.VapNm[i].caption(), "None Selected");
    EXPECT_EQ(results.VapBkConc[i].text(), "");
    EXPECT_EQ(results.VapConc[i].text(), "");
    EXPECT_EQ(results.BkT[i].caption(), "");
  }
}

TEST_F(ResultsLayoutTest, TabOrder) {
  std::vector<std::string> order;
  for (const forms::Control* c : results.tabOrder()) order.push_back(c->displayName());
  const std::vector<std::string> expected{
      "VapBkConc(1)", "cmdCalc",    "cmdData",    "cmdPrint",     "cmdExit",      "Temperature",
      "AtmPressure",  "AirFlowVol", "RelHumid",   "CartName",     "VapConc(1)",   "VapConc(2)",
      "VapConc(3)",   "VapConc(4)", "VapConc(5)", "Text25",       "VapBkConc(5)", "VapBkConc(4)",
      "VapBkConc(3)", "VapBkConc(2)"};
  EXPECT_EQ(order, expected);
}

// Rows lie evenly spaced and left to right in the order of the column headers; the four buttons
// lie in one row at the bottom right; every control lies inside the window.
TEST_F(ResultsLayoutTest, ArrangementOfRowsColumnsAndButtons) {
  const int pitch = results.VapNm[2].geometry().top - results.VapNm[1].geometry().top;
  EXPECT_GT(pitch, 0);
  for (int i = 1; i <= MaxVapors; ++i) {
    const int top = results.VapNm[i].geometry().top;
    EXPECT_EQ(top, results.VapNm[1].geometry().top + (i - 1) * pitch);
    const forms::Control* row[] = {&results.VapNm[i], &results.VapBkConc[i], &results.VapConc[i],
                                   &results.BkT[i],   &results.BkTMin[i],    &results.BkTMax[i]};
    for (int k = 1; k < 6; ++k) {
      EXPECT_EQ(row[k]->geometry().top, top);
      EXPECT_GE(row[k]->geometry().left, row[k - 1]->geometry().left + row[k - 1]->geometry().width);
    }
  }
  const forms::Button* buttons[] = {&results.cmdCalc, &results.cmdData, &results.cmdPrint, &results.cmdExit};
  for (int k = 1; k < 4; ++k) {
    EXPECT_EQ(buttons[k]->geometry().top, buttons[0]->geometry().top);
    EXPECT_GT(buttons[k]->geometry().left, buttons[k - 1]->geometry().left + buttons[k - 1]->geometry().width - 1);
  }
  EXPECT_GT(buttons[0]->geometry().top, results.RelHumid.geometry().top);
  for (const forms::Control* c : results.controls()) {
    const forms::Rect r = c->geometry();
    EXPECT_LE(r.left + r.width, results.clientWidth()) << c->displayName();
    EXPECT_LE(r.top + r.height, results.clientHeight()) << c->displayName();
  }
}

}  // namespace
}  // namespace results_test
