// The numeric entry check: its decisions, its messages word for word, and what it does to the
// field's text, selection and changed flag.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/TestForm.h"
#include "platform/forms/TextBox.h"
#include "screens/ValidDataEntry.h"
#include "support/CommaTexts.h"

namespace tess::screens {
namespace {

using ValidDataEntry::ValidUserInput;

class ValidDataEntryTest : public forms::ScriptedTest {
 protected:
  //! The box as the user left it after typing text (DataChanged set, caret at the end).
  forms::TextBox& typed(const std::string& text) {
    box.setText(text);
    box.setDataChanged(true);
    box.setSelection(static_cast<int>(text.size()), 0);
    return box;
  }

  forms::TextBox box{form, "Field"};
};

TEST_F(ValidDataEntryTest, FieldNotChangedSinceLoadPassesUntouched) {
  box.setText("  -5000 ");
  box.setDataChanged(false);
  box.setSelection(2, 3);
  EXPECT_TRUE(ValidUserInput(box, 2, 1000, "2", "1,000"));
  EXPECT_EQ(box.text(), "  -5000 ");
  EXPECT_EQ(std::pair(box.selStart(), box.selLength()), std::pair(2, 3));
  EXPECT_TRUE(app.messages().empty());
}

// Entries that stand (no message) or are refused with their exact message, and the text and
// changed flag they leave; a refused zero is selected.
TEST_F(ValidDataEntryTest, EntriesStandOrShowTheirMessage) {
  const char* const Zero = "This entry must not equal zero ";
  // clang-format off
  const struct {
    const char* typedText;
    double minVal, maxVal;
    const char *minText, *maxText, *message, *textAfter;
    bool dataChangedAfter;
  } cases[] = {
      // trimmed, then in range; the bounds themselves; read as 12 and kept as typed; exponent form
      {"  12 ", 2, 1000, "", "", "", "12", true}, {"2", 2, 1000, "", "", "", "2", true},
      {"1000", 2, 1000, "", "", "", "1000", true}, {"12abc", 2, 1000, "", "", "", "12abc", true},
      {"-3e2", -1000, 0, "", "", "", "-3e2", true},
      // zero where the bounds hold zero; a decimal bound compared as a number
      {"0", 0, 75, "", "", "", "0", true}, {" 0 ", -120, 50, "", "", "", "0", true},
      {"-48.78", -120, 50, "", "", "", "-48.78", true}, {"0.01", 0.01, 100000, "", "", "", "0.01", true},
      // zero written otherwise, and no number: blanked; blank passes (completeness is checked apart)
      {"0.0", 2, 1000, "", "", "", "", false}, {"-0", 2, 1000, "", "", "", "", false},
      {"00", 0, 75, "", "", "", "", false}, {"0e5", 2, 1000, "", "", "", "", false},
      {"abc", 2, 1000, "", "", "", "", false}, {".", 2, 1000, "", "", "", "", false},
      {"", 2, 1000, "", "", "", "", false}, {"   ", 2, 1000, "", "", "", "", false},
      // beyond the bounds, and zero where the bounds exclude it
      {"-5", 0, 75, "0", "75", "This entry must be greater than or equal to 0 ", "-5", true},
      {"1200", 2, 1000, "2", "1,000", "This entry must be less than or equal to 1,000 ", "1200", true},
      {" 1.6 ", 0.5, 1.5, "0.5", "1.5", "This entry must be less than or equal to 1.5 ", "1.6", true},
      {"1.9999", 2, 1000, "2", "1,000", "This entry must be greater than or equal to 2 ", "1.9999", true},
      {"200000x", 0.01, 100000, "0.01", "100,000", "This entry must be less than or equal to 100,000 ",
       "200000x", true},
      {"0", 2, 1000, "2", "1,000", Zero, "0", true}, {" 0", 0.5, 1.5, "0.5", "1.5", Zero, "0", true},
      {"0", -10, -1, "-10", "-1", Zero, "0", true},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typedText + "\"");
    const bool refused = *c.message != '\0';
    if (refused) app.expectMessage(c.message, "Invalid Entry");
    const std::size_t shown = app.messages().size();
    EXPECT_EQ(ValidUserInput(typed(c.typedText), c.minVal, c.maxVal, c.minText, c.maxText), !refused);
    EXPECT_EQ(box.text(), c.textAfter);
    EXPECT_EQ(box.DataChanged(), c.dataChangedAfter);
    ASSERT_EQ(app.messages().size(), shown + (refused ? 1 : 0));
    if (refused) {
      EXPECT_EQ(app.messages().back().buttons, forms::MsgButtons::OK);
      EXPECT_EQ(app.messages().back().icon, forms::MsgIcon::None);
    }
    if (c.message == Zero) {
      EXPECT_EQ(std::pair(box.selStart(), box.selLength()), std::pair(0, 1));
    }
  }
  // A comma anywhere is refused, though the number before it lies within the bounds or is zero;
  // the message names the text without its surrounding blanks, which the field loses too.
  for (const char* text : testing::CommaTexts) {
    SCOPED_TRACE(std::string("typed \"") + text + "\"");
    app.expectMessage(testing::commaMessage(text), "Invalid Entry");
    EXPECT_FALSE(ValidUserInput(typed(std::string(" ") + text + " "), 0, 1000, "0", "1,000"));
    EXPECT_EQ(box.text(), text);
    EXPECT_TRUE(box.DataChanged());
  }
}

// An error raised while the check works on the field (here by the field's own Change handler)
// is reported with the procedure's name.
TEST_F(ValidDataEntryTest, ErrorInsideTheCheckIsReportedAndRefuses) {
  typed("abc");
  box.onChange = [] { throw std::runtime_error("Invalid property value"); };
  app.expectMessage(" ValidNumInput Invalid property value ", "Tessaloran");
  // The text had been blanked when the handler failed, so the field then passes as blank.
  EXPECT_TRUE(ValidUserInput(box, 2, 1000, "2", "1,000"));
  EXPECT_EQ(box.text(), "");

  app.expectMessage(" ValidUserInput Invalid property value ", "Tessaloran");
  box.onChange = nullptr;
  box.setText("  7");
  box.onChange = [] { throw std::runtime_error("Invalid property value"); };
  EXPECT_FALSE(ValidUserInput(box, 2, 1000, "2", "1,000"));
  EXPECT_EQ(box.text(), "7");
}

}  // namespace
}  // namespace tess::screens
