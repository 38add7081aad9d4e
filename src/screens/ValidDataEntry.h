// ValidDataEntry: the range check that every numeric entry field runs, and its messages.
//
// ValidUserInput decides whether the text of a numeric field may stand, given the field's
// inclusive bounds, and tells the user in a message box when it may not. It never writes the
// shared state; the screens store the values. A blank field, and a field whose text holds no
// number (which the check blanks), pass: completeness is the business of the screens' Return and
// Continue buttons. Numbers are read with the leading-number conversion (tess::text), so "12abc"
// reads as 12 and passes where 12 does.
//
// No number that the program reads holds a comma, and a comma is as often a thousands separator
// as a decimal one: a text with a comma anywhere ("22,5", "1,000", ",5") is refused with its own
// message rather than read as the digits before the comma, and the message proposes no number.
//
// Messages (OK button, no icon; the first three texts end in a blank):
//   EntryTooSmallMsg  "This entry must be greater than or equal to " + MinText + " "  "Invalid Entry"
//   EntryTooLargeMsg  "This entry must be less than or equal to " + MaxText + " "     "Invalid Entry"
//   EntryZeroMsg      "This entry must not equal zero "                                "Invalid Entry"
//   CommaMsg          typed + " is not a number this box can take. Write numbers with a point for
//                     the decimals and without a thousands separator, as in 22.5 or 1000."
//                                                                                      "Invalid Entry"
//   ReportError       ProcName + " " + the error's description + " "    the application's title
//
// The message procedures take the application whose message boxes they use; an error while a
// message is shown is ignored.
#pragma once

#include <string>
#include <string_view>

#include "platform/forms/Application.h"
#include "platform/forms/TextControl.h"

namespace tess::screens::ValidDataEntry {

//! Whether the field's text may stand within MinVal to MaxVal (both inclusive). MinText and
//! MaxText are the bounds as the messages show them (such as "1,000"). In order:
//!  1. a field whose DataChanged is false passes at once, untouched;
//!  2. the text loses its leading and trailing blanks; a text holding a comma is refused with
//!     CommaMsg, the text left as it is;
//!  3. "0" passes when MinVal <= 0 <= MaxVal;
//!  4. a non-zero number v passes when MinVal <= v <= MaxVal (the text stays as it is, characters
//!     after the number included); below: EntryTooSmallMsg, refused; above: EntryTooLargeMsg,
//!     refused;
//!  5. otherwise: "0" (zero outside the bounds) is selected, EntryZeroMsg, refused; an empty text
//!     (blank, or blanked by ValidNumInput) passes; anything else is refused.
//! An exception inside the check is reported with ReportError(" ValidUserInput", ...) and refuses
//! the entry; the field keeps whatever text it had then.
bool ValidUserInput(forms::TextControl& Entry, double MinVal, double MaxVal, const std::string& MinText,
                    const std::string& MaxText);

//! Whether the field holds a non-zero number. A text that holds no number or a zero written other
//! than "0" (such as "0.0", "00", "-0", "abc") is blanked and its DataChanged cleared; "0" is left
//! as it is. An exception is reported with ReportError(" ValidNumInput", ...) and gives false.
bool ValidNumInput(forms::TextControl& Entry);

void EntryTooSmallMsg(forms::Application& app, const std::string& MinText);
void EntryTooLargeMsg(forms::Application& app, const std::string& MaxText);
void EntryZeroMsg(forms::Application& app);
//! Tells the user that typedText cannot be taken for a number, and how numbers are written here.
void CommaMsg(forms::Application& app, const std::string& typedText);
//! Whether text holds a comma anywhere.
bool holdsComma(std::string_view text);
//! When the field's text holds a comma: shows CommaMsg, naming the text without its surrounding
//! blanks, and returns true. The text is not changed. Used by every field that reads a typed
//! number, checked or not.
bool refusesComma(forms::TextControl& Entry);
//! Reports an unexpected error inside the check: ProcName (which begins with a blank, such as
//! " ValidUserInput"), a blank, the error's description and a blank, titled with the
//! application's title.
void ReportError(forms::Application& app, const std::string& ProcName, const std::string& ErrorText);

}  // namespace tess::screens::ValidDataEntry
