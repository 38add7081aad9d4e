// Texts, selection, the changed flag, and the editable drop-down list's Change and Click rules.
#include "TestForm.h"

namespace forms::testing {
namespace {

class TextTest : public ScriptedTest {
 protected:
  TestForm form{app, "Main", log};
};

TEST_F(TextTest, ChangedFlagIsSetByEveryChangeAndClearedOnlyByTheProgram) {
  form.A.setInitialText("23");
  form.B.setText("1.00");  // a text set while the screen is built
  EXPECT_FALSE(form.A.DataChanged());
  form.show();
  EXPECT_FALSE(form.B.DataChanged()) << "false when the form is loaded";

  form.A.setText("23");  // the same text: no change
  EXPECT_FALSE(form.A.DataChanged());
  form.A.setText("24");  // written by the program
  EXPECT_TRUE(form.A.DataChanged());
  form.A.setDataChanged(false);
  app.editText(form.A, "25");  // typed
  EXPECT_TRUE(form.A.DataChanged());
  app.tab();
  form.hide();
  form.show();
  EXPECT_TRUE(form.A.DataChanged()) << "moving the focus or showing again keeps it";
}

TEST_F(TextTest, ChangeFiresOnTypingAndOnProgramWritesThatDiffer) {
  form.show();
  log.clear();
  app.editText(form.A, "1");
  app.editText(form.A, "1");  // no difference, no Change
  form.A.setText("2");
  form.A.setText("2");
  app.editText(form.B, "x");  // typing into another box focuses it first
  EXPECT_EQ(log, (Log{"A.Change", "A.Change", "A.Validate", "A.LostFocus", "B.GotFocus", "B.Change"}));
}

TEST_F(TextTest, LockedBoxRefusesTyping) {
  form.A.setLocked(true);
  form.show();
  EXPECT_FALSE(app.editText(form.A, "typed"));
  EXPECT_EQ(form.A.text(), "");
}

TEST_F(TextTest, SelectionCountsCharactersAndIsClipped) {
  form.A.setText("5°C ok");
  form.A.setSelection(1, 2);
  EXPECT_EQ(form.A.selText(), "°C");
  form.A.setSelection(4, 99);
  EXPECT_EQ(form.A.selLength(), 2);
  form.A.setSelection(-3, 1);
  EXPECT_EQ(form.A.selStart(), 0);
  form.A.selectAll();
  EXPECT_EQ(form.A.selLength(), 6);
  form.A.setText("new");  // a program write puts the caret at the start
  EXPECT_EQ(form.A.selStart(), 0);
  EXPECT_EQ(form.A.selLength(), 0);
  form.show();
  app.editText(form.A, "newer", 3);
  EXPECT_EQ(form.A.selStart(), 3);
  app.editText(form.A, "newest");
  EXPECT_EQ(form.A.selStart(), 6);
}

TEST_F(TextTest, ListChangeOnTypingAndProgramWritesClickOnChoosing) {
  form.List.addItem("ACETONE");
  form.List.addItem("BENZENE");
  form.show();
  app.focus(form.List);
  log.clear();

  app.editText(form.List, "AC");
  EXPECT_EQ(form.List.listIndex(), -1);
  form.List.setText("TOLUENE");
  EXPECT_TRUE(app.chooseItem(form.List, 1));
  EXPECT_EQ(log, (Log{"List.Change", "List.Change", "List.Click"}));
  EXPECT_EQ(form.List.text(), "BENZENE");
  EXPECT_EQ(form.List.listIndex(), 1);
  EXPECT_EQ(form.List.selLength(), 7);
  EXPECT_FALSE(app.chooseItem(form.List, 2));  // no such entry
}

TEST_F(TextTest, EmptyingTheListEmptiesTheTextWithoutChange) {
  form.List.addItem("ACETONE");
  form.show();
  app.chooseItem(form.List, 0);
  log.clear();
  form.List.clear();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(form.List.text(), "");
  EXPECT_EQ(form.List.itemCount(), 0);
  EXPECT_EQ(form.List.listIndex(), -1);
}

TEST_F(TextTest, ChoosingAnEntryFocusesTheListFirst) {
  form.List.addItem("ACETONE");
  form.show();
  log.clear();
  EXPECT_TRUE(app.chooseItem(form.List, 0));
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "List.GotFocus", "List.Click"}));
  // A click into the list's text only moves the focus.
  app.focus(form.A);
  log.clear();
  app.click(form.List);
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "List.GotFocus"}));
}

}  // namespace
}  // namespace forms::testing
