#include "databases/DatabaseScreenSteps.h"

#include <cmath>

#include "platform/forms/Application.h"
#include "platform/text/LeadingNumber.h"
#include "platform/text/TextTrim.h"
#include "platform/text/Windows1252.h"
#include "records/CartridgeRecord.h"
#include "records/RecordIndex.h"
#include "records/VaporRecord.h"
#include "screens/ValidDataEntry.h"

namespace tess::databases {

void setUpDatabaseWindow(forms::Form& screen, const std::string& caption, int widthTwips, int heightTwips,
                         forms::Button& returnButton) {
  screen.setCaption(caption);
  screen.setClientSize(widthTwips, heightTwips);
  screen.setCentered();
  forms::Font font;
  font.bold = true;
  screen.setFont(font);
  screen.setCancelButton(&returnButton);
  screen.setCloseHook([&screen, &returnButton] { screen.app().click(returnButton); });
}

void setUpButtons(std::initializer_list<ButtonSetting> buttons, forms::Color color) {
  for (const ButtonSetting& setting : buttons) {
    setting.button->setCaption(setting.caption);
    setting.button->setTabIndex(setting.tabIndex);
    setting.button->setGeometry(setting.geometry);
    setting.button->setToolTip(setting.toolTip);
    setting.button->setBackColor(color);
  }
}

bool reportFileProblem(forms::Form& screen, const records::FileReport& report, const std::string& title) {
  if (!report) return false;
  screen.app().messageBox(report->message, title);
  return true;
}

std::string trimmedTrailing(std::string_view text) { return std::string(text::trimTrailingBlanks(text)); }

bool storeReturnedNumbers(forms::Form& screen, std::initializer_list<ReturnedNumber> numbers) {
  std::vector<float> values;
  values.reserve(numbers.size());
  for (const ReturnedNumber& number : numbers) {
    forms::TextBox& box = number.field->box();
    // A record written with a comma shows it in the box unchecked; it is refused here.
    if (screens::ValidDataEntry::refusesComma(box)) {
      box.setFocus();
      return false;
    }
    const float stored = static_cast<float>(text::leadingNumber(box.text()));
    // Beyond the largest 32-bit value a conversion gives infinity, which no calculation can use.
    if (std::isfinite(stored) && std::isfinite(static_cast<float>(number.scale * stored))) {
      values.push_back(stored);
      continue;
    }
    const screens::ValidDataEntry::NumericBounds& bounds = number.field->bounds();
    const char* const whatIsWrong = stored < 0 ? " is too large a negative number." : " is too large.";
    screen.app().messageBox("The " + std::string(number.quantity) + " " +
                                std::string(text::trimBlanks(box.text())) + whatIsWrong +
                                " Enter a value from " + bounds.MinText + " to " + bounds.MaxText + ".",
                            "Invalid Entry");
    number.field->box().setFocus();
    return false;
  }
  auto value = values.begin();
  for (const ReturnedNumber& number : numbers) {
    if (number.store) *number.store = *value;
    ++value;
  }
  return true;
}

bool refusesAComma(std::span<forms::TextBox* const> numericBoxes) {
  for (forms::TextBox* box : numericBoxes) {
    if (screens::ValidDataEntry::refusesComma(*box)) {
      box->setFocus();
      return true;
    }
  }
  return false;
}

bool confirmStoredName(forms::Form& screen, const std::string& typedName) {
  const std::string typed(text::trimTrailingBlanks(typedName));
  const std::string stored = records::storedName(typedName);
  if (stored == typed) return true;
  std::string reasons;
  if (text::windows1252ToUtf8(text::utf8ToWindows1252(typed)) != typed) {
    reasons += "The database file cannot hold some of its characters; each is written as \"?\".\r\n";
  }
  if (text::utf8Length(typed) > records::NameFieldWidth) {
    reasons += "The database file keeps only the first " + std::to_string(records::NameFieldWidth) +
               " characters of a name.\r\n";
  }
  const forms::MsgAnswer answer = screen.app().messageBox(
      "This name cannot be stored as it is typed.\r\n" + reasons + "It will be stored as \"" + stored +
          "\".\r\nDo you want to save it under that name?",
      "Add a Record", forms::MsgButtons::YesNo, forms::MsgIcon::None, forms::MsgAnswer::No);
  return answer == forms::MsgAnswer::Yes;
}

template <class Record, class IndexEntry>
void saveRecord(forms::Form& screen, records::RecordDatabase<Record, IndexEntry>& database,
                const Record& record, const std::string& onFileLine, const SaveSteps& steps) {
  // The list shows the file that the Save met before any message about it is read.
  std::uint64_t listed = database.replacements();
  const auto showFileAtPath = [&] {
    if (database.replacements() == listed) return;
    listed = database.replacements();
    steps.showFileAtPath();
  };
  // A notice about the file (it holds more records than can be listed) leaves the Save going; it
  // is shown, like every message, once the lock is released.
  records::FileReport notice;
  const auto locked = [&](const char* title) {
    records::FileReport report = database.lock();
    if (report && !report->notice) {
      showFileAtPath();  // the lock is not held
      reportFileProblem(screen, report, title);
      return false;
    }
    notice = std::move(report);
    return true;
  };
  const auto showNotice = [&](const char* title) {
    reportFileProblem(screen, notice, title);
    notice.reset();
  };

  if (!locked("Add a Record")) return;
  std::int16_t position = steps.lookUp();
  if (position > 0) {
    // The question waits for the user: the lock is released meanwhile, and taken again on Yes,
    // when the name is looked up again on the file at the path as it is then. Should another
    // program have put a file without the name in its place meanwhile, the record is appended.
    database.unlock();
    showFileAtPath();
    showNotice("Add a Record");
    const forms::MsgAnswer answer = screen.app().messageBox(
        onFileLine + "\r\nDo you want to save \r\na revised record?", "Revise a Record", forms::MsgButtons::YesNo,
        forms::MsgIcon::None, forms::MsgAnswer::Yes);
    if (answer != forms::MsgAnswer::Yes) return;
    if (!locked("Revise a Record")) return;
    position = steps.lookUp();
  }
  records::FileReport written;
  const char* title = "Add a Record";
  bool appended = false;
  if (position > 0) {
    title = "Revise a Record";
    written = database.revise(database.index()[static_cast<std::size_t>(position)].RecNum, record);
  } else {
    const std::int16_t countBefore = database.recordCount();
    written = database.append(record);
    // Not written: the boxes keep what was typed.
    appended = database.recordCount() != countBefore;
  }
  database.unlock();
  if (appended) {
    listed = database.replacements();
    steps.showAppended();
  } else {
    showFileAtPath();
  }
  showNotice(title);
  reportFileProblem(screen, written, title);
}

template void saveRecord(forms::Form&,
                         records::RecordDatabase<records::VaporRecord, records::VaporIndexEntry>&,
                         const records::VaporRecord&, const std::string&, const SaveSteps&);
template void saveRecord(forms::Form&,
                         records::RecordDatabase<records::CartridgeRecord, records::CartridgeIndexEntry>&,
                         const records::CartridgeRecord&, const std::string&, const SaveSteps&);

void refillKeepingEntry(forms::ComboBox& nameBox, std::span<forms::TextBox* const> boxes,
                        const std::function<void()>& refill) {
  struct Kept {
    forms::TextControl* box;
    std::string text;
    bool changed;
  };
  std::vector<Kept> kept{{&nameBox, nameBox.text(), nameBox.DataChanged()}};
  for (forms::TextBox* box : boxes) kept.push_back({box, box->text(), box->DataChanged()});
  refill();
  // The name first: its Change empties the other boxes.
  for (Kept& entry : kept) {
    entry.box->setText(std::move(entry.text));
    entry.box->setDataChanged(entry.changed);
  }
}

void showExitDialogOver(forms::Form& screen, forms::Form& exitDialog) {
  screen.hide();
  exitDialog.showModal();
  if (!screen.app().ended()) screen.show();
}

}  // namespace tess::databases
