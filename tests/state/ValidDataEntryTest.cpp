// The numeric entry check: its decisions, its messages word for word, and what it does to the
// field's text, selection and changed flag.
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/forms/Form.h"
#include "platform/forms/ScriptedApplication.h"
#include "platform/forms/TextBox.h"
#include "state/ValidDataEntry.h"

namespace {

using ValidDataEntry::ValidNumInput;
using ValidDataEntry::ValidUserInput;

class ValidDataEntryTest : public ::testing::Test {
 protected:
  ValidDataEntryTest() {
    app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  }
  ~ValidDataEntryTest() override { app.checkDone(); }

  //! The box as the user left it after typing text (DataChanged set).
  forms::TextBox& typed(const std::string& text) {
    box.setText(text);
    box.setDataChanged(true);
    return box;
  }

  forms::ScriptedApplication app;
  forms::Form form{app, "Entry"};
  forms::TextBox box{form, "Field"};
};

TEST_F(ValidDataEntryTest, FieldNotChangedSinceLoadPassesUntouched) {
  box.setText("  -5000 ");
  box.setDataChanged(false);
  box.setSelection(2, 3);
  EXPECT_TRUE(ValidUserInput(box, 2, 1000, "2", "1,000"));
  EXPECT_EQ(box.text(), "  -5000 ");
  EXPECT_EQ(box.selStart(), 2);
  EXPECT_EQ(box.selLength(), 3);
  EXPECT_TRUE(app.messages().empty());
}

// Entries that stand without a message, and the text they leave.
TEST_F(ValidDataEntryTest, PassingEntries) {
  struct Case {
    const char* typedText;
    double minVal, maxVal;
    const char* textAfter;
    bool dataChangedAfter;
  };
  const Case cases[] = {
      {"  12 ", 2, 1000, "12", true},     // trimmed, then in range
      {"2", 2, 1000, "2", true},          // the lower bound itself
      {"1000", 2, 1000, "1000", true},    // the upper bound itself
      {"12abc", 2, 1000, "12abc", true},  // reads as 12; the text is kept as typed
      {"0", 0, 75, "0", true},            // zero where the bounds hold zero
      {" 0 ", -120, 50, "0", true},       // zero inside negative-to-positive bounds, trimmed
      {"-48.78", -120, 50, "-48.78", true},
      {"0.01", 0.01, 100000, "0.01", true},  // a decimal bound compared as a number
      {"1,000", 0.01, 100000, "1,000", true},  // the number stops at the comma: 1
      {"0.0", 2, 1000, "", false},        // zero written otherwise: blanked silently
      {"-0", 2, 1000, "", false},
      {"00", 0, 75, "", false},
      {"abc", 2, 1000, "", false},        // no number
      {".", 2, 1000, "", false},
      {"", 2, 1000, "", false},           // blank passes; completeness is checked elsewhere
      {"   ", 2, 1000, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typedText + "\"");
    forms::TextBox& entry = typed(c.typedText);
    EXPECT_TRUE(ValidUserInput(entry, c.minVal, c.maxVal, "min", "max"));
    EXPECT_EQ(entry.text(), c.textAfter);
    EXPECT_EQ(entry.DataChanged(), c.dataChangedAfter);
  }
  EXPECT_TRUE(app.messages().empty());
}

// Entries that are refused, with the exact message each one shows.
TEST_F(ValidDataEntryTest, RefusedEntriesShowTheirMessage) {
  struct Case {
    const char* typedText;
    double minVal, maxVal;
    const char* minText;
    const char* maxText;
    const char* message;
    const char* textAfter;
  };
  const Case cases[] = {
      {"-5", 0, 75, "0", "75", "This entry must be greater than or equal to 0 ", "-5"},
      {"1200", 2, 1000, "2", "1,000", "This entry must be less than or equal to 1,000 ", "1200"},
      {" 1.6 ", 0.5, 1.5, "0.5", "1.5", "This entry must be less than or equal to 1.5 ", "1.6"},
      {"1.9999", 2, 1000, "2", "1,000", "This entry must be greater than or equal to 2 ", "1.9999"},
      {"200000x", 0.01, 100000, "0.01", "100,000", "This entry must be less than or equal to 100,000 ", "200000x"},
      {"0", 2, 1000, "2", "1,000", "This entry must not equal zero ", "0"},
      {" 0", 0.5, 1.5, "0.5", "1.5", "This entry must not equal zero ", "0"},
      {"0", -10, -1, "-10", "-1", "This entry must not equal zero ", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typedText + "\"");
    app.expectMessage(c.message, "Invalid Entry");
    forms::TextBox& entry = typed(c.typedText);
    EXPECT_FALSE(ValidUserInput(entry, c.minVal, c.maxVal, c.minText, c.maxText));
    EXPECT_EQ(entry.text(), c.textAfter);
    EXPECT_TRUE(entry.DataChanged());
    ASSERT_FALSE(app.messages().empty());
    EXPECT_EQ(app.messages().back().buttons, forms::MsgButtons::OK);
    EXPECT_EQ(app.messages().back().icon, forms::MsgIcon::None);
  }
  EXPECT_EQ(app.messages().size(), std::size(cases));
}

TEST_F(ValidDataEntryTest, ZeroOutsideTheBoundsIsSelected) {
  app.expectMessage("This entry must not equal zero ");
  typed("0");
  box.setSelection(1, 0);
  EXPECT_FALSE(ValidUserInput(box, 2, 1000, "2", "1,000"));
  EXPECT_EQ(box.selStart(), 0);
  EXPECT_EQ(box.selLength(), 1);
}

TEST_F(ValidDataEntryTest, ValidNumInputOnItsOwn) {
  EXPECT_TRUE(ValidNumInput(typed("-3e2")));
  EXPECT_EQ(box.text(), "-3e2");
  EXPECT_FALSE(ValidNumInput(typed("0")));  // "0" stays, flag kept
  EXPECT_EQ(box.text(), "0");
  EXPECT_TRUE(box.DataChanged());
  EXPECT_FALSE(ValidNumInput(typed("0e5")));
  EXPECT_EQ(box.text(), "");
  EXPECT_FALSE(box.DataChanged());
}

// An error raised while the check works on the field (here by the field's own Change handler)
// is reported with the procedure's name.
TEST_F(ValidDataEntryTest, ErrorInsideTheCheckIsReportedAndRefuses) {
  app.setTitle("Tessaloran");
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

TEST_F(ValidDataEntryTest, MessageProceduresWordForWord) {
  app.expectMessage("This entry must be greater than or equal to 0.20 ", "Invalid Entry");
  app.expectMessage("This entry must be less than or equal to 10,000 ", "Invalid Entry");
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.expectMessage(" SomeProcedure Overflow ", "My Title");
  app.setTitle("My Title");
  ValidDataEntry::EntryTooSmallMsg(app, "0.20");
  ValidDataEntry::EntryTooLargeMsg(app, "10,000");
  ValidDataEntry::EntryZeroMsg(app);
  ValidDataEntry::ReportError(app, " SomeProcedure", "Overflow");
}

}  // namespace
