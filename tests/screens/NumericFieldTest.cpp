// The handler pattern of a numeric field, driven through the forms layer as a user would.
#include <vector>

#include "platform/TestForm.h"
#include "screens/NumericField.h"

namespace tess::screens {
namespace {

using ValidDataEntry::EnterAction;
using ValidDataEntry::NumericField;

// A screen with two numeric fields chained by Enter and a button, in tab order.
class EntryScreen : public forms::Form {
 public:
  explicit EntryScreen(forms::Application& app) : Form(app, "EntryScreen") {
    cmdGo.onClick = [this] { ++clicks; };
    molWt.wire();
    liqDensity.wire();
    molWt.setOnAccepted([this](double v) { stored.push_back(v); });
  }
  forms::TextBox MolWt{*this, "MolWt"};
  forms::TextBox LiqDensity{*this, "LiqDensity"};
  forms::Button cmdGo{*this, "cmdGo"};
  NumericField molWt{MolWt, {2, 1000, "2", "1,000"}, &LiqDensity};
  NumericField liqDensity{LiqDensity, {0.5, 4.0, "0.5", "4.0"}, &cmdGo};
  int clicks = 0;
  std::vector<double> stored;  // values accepted by MolWt
};

class NumericFieldTest : public forms::ScriptedTest {
 protected:
  NumericFieldTest() { screen.show(); }
  EntryScreen screen{app};
};

TEST_F(NumericFieldTest, PassingFieldsStoreOnceAndEnterMovesAlongTheChainWithoutMessage) {
  // A blanked entry passes, and stores 0 as the focus moves on.
  app.editText(screen.MolWt, "abc");
  app.tab();
  EXPECT_EQ(screen.MolWt.text(), "");
  screen.LiqDensity.setText("0.79");
  app.editText(screen.MolWt, "78.11");
  app.pressKey(forms::KeyReturn);
  // The next field takes the focus with its whole text selected.
  EXPECT_TRUE(screen.LiqDensity.hasFocus());
  EXPECT_EQ(std::pair(screen.LiqDensity.selStart(), screen.LiqDensity.selLength()), std::pair(0, 4));
  // 78.11 was checked by Enter, then again by Validate as the focus moved: stored once, by Validate.
  EXPECT_EQ(screen.stored, (std::vector<double>{0, 78.11}));
  app.editText(screen.LiqDensity, "0.88");
  app.pressKey(forms::KeyReturn, forms::ShiftMask);
  EXPECT_TRUE(screen.cmdGo.hasFocus());
  EXPECT_EQ(screen.clicks, 0);  // the chain ends on the button without pressing it
  EXPECT_TRUE(app.messages().empty());
}

// Enter shows one message and keeps the focus; a click or Tab is refused while the field fails.
TEST_F(NumericFieldTest, AFailingFieldKeepsTheFocusFromEnterClickAndTab) {
  app.editText(screen.MolWt, "1200");
  app.expectMessage("This entry must be less than or equal to 1,000 ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(screen.MolWt.hasFocus());
  app.pressKey('A');  // keys other than Enter are left to the box
  EXPECT_EQ(app.messages().size(), 1u);
  app.editText(screen.MolWt, "-5");
  for (int i = 0; i < 2; ++i) app.expectMessage("This entry must be greater than or equal to 2 ");
  EXPECT_FALSE(app.click(screen.cmdGo));
  EXPECT_FALSE(app.tab());
  EXPECT_TRUE(screen.MolWt.hasFocus());
  EXPECT_EQ(screen.clicks, 0);
  // Once corrected, the click goes through.
  app.editText(screen.MolWt, "5");
  EXPECT_TRUE(app.click(screen.cmdGo));
  EXPECT_EQ(screen.clicks, 1);
}

// Store-and-stay: stored on Enter, trimmed, and again on leaving.
TEST_F(NumericFieldTest, StoreAndStayStoresOnEnterAndAgainOnLeaving) {
  screen.molWt.setEnterAction(EnterAction::StoreAndStay);
  app.editText(screen.MolWt, " 30 ");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(screen.MolWt.hasFocus());
  EXPECT_EQ(screen.MolWt.text(), "30");
  EXPECT_EQ(screen.stored, (std::vector<double>{30}));
  app.tab();
  EXPECT_EQ(screen.stored, (std::vector<double>{30, 30}));
  EXPECT_TRUE(screen.LiqDensity.hasFocus());
}

}  // namespace
}  // namespace tess::screens
