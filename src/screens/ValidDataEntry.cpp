#include "screens/ValidDataEntry.h"

#include <exception>
#include <string_view>

#include "platform/text/LeadingNumber.h"
#include "platform/text/TextTrim.h"

namespace tess::screens::ValidDataEntry {

namespace {

const char* const InvalidEntryTitle = "Invalid Entry";

// A failure to show a message must not turn the check's answer into a crash.
void showIgnoringErrors(forms::Application& app, const std::string& text, const std::string& title) {
  try {
    app.messageBox(text, title, forms::MsgButtons::OK, forms::MsgIcon::None, forms::MsgAnswer::OK);
  } catch (...) {
  }
}

std::string describe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace

void EntryTooSmallMsg(forms::Application& app, const std::string& MinText) {
  showIgnoringErrors(app, "This entry must be greater than or equal to " + MinText + " ", InvalidEntryTitle);
}

void EntryTooLargeMsg(forms::Application& app, const std::string& MaxText) {
  showIgnoringErrors(app, "This entry must be less than or equal to " + MaxText + " ", InvalidEntryTitle);
}

void EntryZeroMsg(forms::Application& app) {
  showIgnoringErrors(app, "This entry must not equal zero ", InvalidEntryTitle);
}

void CommaMsg(forms::Application& app, const std::string& typedText) {
  showIgnoringErrors(app,
                     typedText +
                         " is not a number this box can take. Write numbers with a point for the decimals and"
                         " without a thousands separator, as in 22.5 or 1000.",
                     InvalidEntryTitle);
}

bool holdsComma(std::string_view text) { return text.find(',') != std::string_view::npos; }

bool refusesComma(forms::TextControl& Entry) {
  if (!holdsComma(Entry.text())) return false;
  CommaMsg(Entry.app(), std::string(tess::text::trimBlanks(Entry.text())));
  return true;
}

void ReportError(forms::Application& app, const std::string& ProcName, const std::string& ErrorText) {
  showIgnoringErrors(app, ProcName + " " + ErrorText + " ", app.title());
}

bool ValidNumInput(forms::TextControl& Entry) {
  try {
    if (tess::text::leadingNumber(Entry.text()) != 0) return true;
    if (Entry.text() == "0") return false;
    // No number, or a zero written otherwise: blanked silently, as if never typed.
    Entry.setText("");
    Entry.setDataChanged(false);
    return false;
  } catch (...) {
    ReportError(Entry.app(), " ValidNumInput", describe(std::current_exception()));
    return false;
  }
}

bool ValidUserInput(forms::TextControl& Entry, double MinVal, double MaxVal, const std::string& MinText,
                    const std::string& MaxText) {
  try {
    if (!Entry.DataChanged()) return true;
    Entry.setText(std::string(tess::text::trimBlanks(Entry.text())));
    if (refusesComma(Entry)) return false;
    if (MinVal <= 0 && MaxVal >= 0 && Entry.text() == "0") return true;
    if (ValidNumInput(Entry)) {
      const double value = tess::text::leadingNumber(Entry.text());
      if (MinVal <= value && value <= MaxVal) return true;
      if (value < MinVal)
        EntryTooSmallMsg(Entry.app(), MinText);
      else
        EntryTooLargeMsg(Entry.app(), MaxText);
      return false;
    }
    if (Entry.text() == "0") {
      Entry.setSelection(0, 1);
      EntryZeroMsg(Entry.app());
      return false;
    }
    // Blank, or just blanked: passes. Any other text is left over from an error in ValidNumInput.
    return Entry.text().empty();
  } catch (...) {
    ReportError(Entry.app(), " ValidUserInput", describe(std::current_exception()));
    return false;
  }
}

}  // namespace tess::screens::ValidDataEntry
