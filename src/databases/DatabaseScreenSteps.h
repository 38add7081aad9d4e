// Steps that the two database screens, frmVaporMulti and frmCartridgeMulti, take alike: their
// window settings and buttons, the messages about their record files, filling the name list, the
// writing part of Save, and the road through the incomplete-information dialog.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"
#include "records/DatabaseFile.h"
#include "records/RecordDatabase.h"
#include "screens/NumericField.h"

namespace tess::databases {

//! The window settings both screens share: caption, client size [twips], centred, bold font, and
//! returnButton pressed by Esc and by the close box (the screen is never destroyed).
void setUpDatabaseWindow(forms::Form& screen, const std::string& caption, int widthTwips, int heightTwips,
                         forms::Button& returnButton);

//! How one of a screen's buttons looks.
struct ButtonSetting {
  forms::Button* button;
  const char* caption;
  int tabIndex;
  forms::Rect geometry;  // [twips]
  const char* toolTip;
};

//! Sets up each button as its setting says, on the screen's light colour.
void setUpButtons(std::initializer_list<ButtonSetting> buttons, forms::Color color);

//! Shows the message of a failed record-file operation, titled title, when there is one; true
//! when it did.
bool reportFileProblem(forms::Form& screen, const records::FileReport& report, const std::string& title);

//! A field's text as the file holds it, without its trailing blanks.
std::string trimmedTrailing(std::string_view text);

//! One numeric box as a screen's Return takes it, how the box's quantity is named in messages, and
//! where its value is kept.
struct ReturnedNumber {
  const screens::ValidDataEntry::NumericField* field;
  const char* quantity;    //!< such as "molecular weight"
  float* store = nullptr;  //!< the shared state's field for the value; none: the screen stores it
  double scale = 1;        //!< factor applied to the stored value before it is used [-]
};

//! Reads each box once, as the shared state keeps a typed number: its leading-number value in
//! single precision. A text holding a comma (such as "8,5" from a record) is refused with the
//! check's message, the focus moved to its box and nothing stored. When every value (times its
//! scale) can be held as a 32-bit value, writes each into its store and returns true. At the first
//! that cannot, such as a molecular weight of 1e39 shown from a record, says that the value is too
//! large, naming the quantity and its bounds, moves the focus to the box and returns false, having
//! stored nothing.
bool storeReturnedNumbers(forms::Form& screen, std::initializer_list<ReturnedNumber> numbers);

//! Before Save: the first of a screen's numeric boxes whose text holds a comma (such as "8,5" from
//! a record, which no check has seen) is refused with the check's message and given the focus, so
//! that Save writes nothing. True when one was.
bool refusesAComma(std::span<forms::TextBox* const> numericBoxes);

//! Adds the keys of index positions 1 to count (no further than the index reaches) to the end of
//! the name list, in one step: the list is shown once, however long it is.
template <class IndexEntry>
void fillNameList(forms::ComboBox& list, const std::vector<IndexEntry>& index, int count) {
  const int last = std::min<int>(count, static_cast<int>(index.size()) - 1);
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(std::max(last, 0)));
  for (int i = 1; i <= last; ++i) names.push_back(index[static_cast<std::size_t>(i)].Name);
  list.addItems(std::move(names));
}

//! Before Save: a name that the record's name field cannot hold as typed (longer than its 35
//! characters, or with characters that the single-byte file cannot hold) is shown as it would be
//! stored, and the user chooses to go on (Yes) or to go back and change it (No, the default). True
//! when Save may go on.
bool confirmStoredName(forms::Form& screen, const std::string& typedName);

//! What Save asks of its screen while it writes.
struct SaveSteps {
  //! The name's index position on the file as it is now, 0 when it is not on file.
  std::function<std::int16_t()> lookUp;
  //! Fills the name list again from the index, keeping the entry on the screen as it is: the Save
  //! has read another file at the path, or none could be read.
  std::function<void()> showFileAtPath;
  //! After an append: fills the name list again and shows the record as the file holds it.
  std::function<void()> showAppended;
};

//! Save's writing, once the screen has checked the name and assembled the record from its boxes.
//! The name is looked up under the file's lock on the index as the file is then, so that a record
//! that another copy of the program saved meanwhile is found, and written under the same lock with
//! nothing read again in between. A name on file asks the revise question, whose first line is
//! onFileLine, with the lock released, and on Yes writes the record over the one found (looked up
//! again under the lock); a new name is appended at the end of the file. Every message, a file
//! failure or a lock held by another program included, is shown once the lock is released and the
//! list shows the file at the path; a failure writes nothing. Otherwise the boxes and the list stay
//! as they are.
template <class Record, class IndexEntry>
void saveRecord(forms::Form& screen, records::RecordDatabase<Record, IndexEntry>& database,
                const Record& record, const std::string& onFileLine, const SaveSteps& steps);

//! Runs refill, which empties the name list (and with it the name box) and fills it again, and then
//! gives the name box and boxes back their texts and changed flags: the entry being typed stays on
//! the screen while the list shows the file anew.
void refillKeepingEntry(forms::ComboBox& nameBox, std::span<forms::TextBox* const> boxes,
                        const std::function<void()>& refill);

//! Hides screen, shows the incomplete-information dialog modally and, once the dialog's Return has
//! hidden it, shows screen again (unless the program ended meanwhile).
void showExitDialogOver(forms::Form& screen, forms::Form& exitDialog);

}  // namespace tess::databases
