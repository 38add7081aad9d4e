// Texts, selection, the changed flag, and the editable drop-down list's Change and Click rules.
#include <functional>

#include "TestForm.h"

namespace tess::forms {
namespace {

using TextTest = ScriptedTest;

// The changed flag is false on load, set by every change of the text, typed or written by the
// program, and cleared only by the program; Change fires on the same changes.
TEST_F(TextTest, ChangeAndTheChangedFlagFollowEveryNewTextTypedOrWritten) {
  form.A.setInitialText("23");
  form.B.setText("1.00");  // a text set while the screen is built
  form.show();
  EXPECT_FALSE(form.A.DataChanged() || form.B.DataChanged());
  log.clear();
  form.A.setText("23");  // the same text: no change
  EXPECT_FALSE(form.A.DataChanged());
  form.A.setText("24");
  EXPECT_TRUE(form.A.DataChanged());
  form.A.setDataChanged(false);
  app.editText(form.A, "25");
  app.editText(form.A, "25");
  EXPECT_TRUE(form.A.DataChanged());
  app.editText(form.B, "x");  // typing into another box focuses it first
  form.hide();
  form.show();
  EXPECT_TRUE(form.A.DataChanged()) << "moving the focus or showing again keeps it";
  EXPECT_EQ(log, (Log{"A.Change", "A.Change", "A.Validate", "A.LostFocus", "B.GotFocus", "B.Change",
                      "B.LostFocus", "B.GotFocus"}));
  form.B.setLocked(true);  // a locked box refuses typing
  EXPECT_FALSE(app.editText(form.B, "typed"));
  EXPECT_EQ(form.B.text(), "x");
}

TEST_F(TextTest, SelectionCountsCharactersAndIsClipped) {
  form.A.setText("5°C ok");
  form.A.setSelection(4, 99);
  EXPECT_EQ(form.A.selLength(), 2);
  form.A.setSelection(-3, 1);
  EXPECT_EQ(form.A.selStart(), 0);
}

// Choosing an entry focuses the list first and raises Click; typing and the program's writes raise
// Change; a click into the list's text only moves the focus; emptying the list empties the text
// without Change.
TEST_F(TextTest, ListChangesOnTypingAndProgramWritesAndClicksOnChoosing) {
  form.List.addItems({"ACETONE", "BENZENE"});
  form.show();
  log.clear();
  EXPECT_TRUE(app.chooseItem(form.List, 0));
  app.editText(form.List, "AC");
  form.List.setText("TOLUENE");
  EXPECT_TRUE(app.chooseItem(form.List, 1));
  EXPECT_EQ(form.List.text(), "BENZENE");
  EXPECT_EQ(form.List.selLength(), 7);
  EXPECT_FALSE(app.chooseItem(form.List, 2));  // no such entry
  app.focus(form.A);
  app.click(form.List);
  form.List.clear();
  EXPECT_EQ(form.List.text(), "");
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "List.GotFocus", "List.Click", "List.Change",
                      "List.Change", "List.Click", "List.Validate", "List.LostFocus", "A.GotFocus",
                      "A.Validate", "A.LostFocus", "List.GotFocus"}));
}

// A drop-down list reached by Tab, or moved to by the program, selects its whole text before its
// GotFocus runs, so that typing replaces it; a click into it leaves the caret where it was, and a
// text box is never selected by the forms layer itself.
TEST_F(TextTest, AListReachedByTabOrByTheProgramSelectsItsWholeText) {
  int lengthAtGotFocus = -1;
  const struct {
    const char* how;
    std::function<void()> moveFocus;
    int selectedLength;
  } cases[] = {
      {"Tab", [&] { app.focus(form.B), app.tab(); }, 13},
      {"Shift+Tab", [&] { app.focus(form.Ok), app.tab(true); }, 13},
      {"setFocus", [&] { form.List.setFocus(); }, 13},
      {"shown with the focus set while hidden", [&] { form.hide(), form.List.setFocus(), form.show(); }, 13},
      {"back from a form that hides itself",
       [&] {
         form.List.setFocus(), other.show();
         form.List.setSelection(3, 0), lengthAtGotFocus = -1;
         other.hide();
       },
       13},
      {"click", [&] { app.click(form.List); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    form.show();
    form.A.setFocus();
    form.List.setText("None Selected");
    form.List.setSelection(3, 0);
    form.List.onGotFocus = [&] { lengthAtGotFocus = form.List.selLength(); };
    c.moveFocus();
    ASSERT_TRUE(form.List.hasFocus());
    EXPECT_EQ(lengthAtGotFocus, c.selectedLength);
    EXPECT_EQ(form.List.selStart(), c.selectedLength == 0 ? 3 : 0);
  }
  // A text box reached by Tab keeps its caret: only its own GotFocus handler selects.
  form.B.setText("12");
  form.B.setSelection(1, 0);
  form.A.setFocus();
  app.tab();
  ASSERT_TRUE(form.B.hasFocus());
  EXPECT_EQ(std::pair(form.B.selStart(), form.B.selLength()), std::pair(1, 0));
}

}  // namespace
}  // namespace tess::forms
