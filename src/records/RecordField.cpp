#include "records/RecordField.h"

#include "platform/text/NumberText.h"
#include "platform/text/Windows1252.h"

namespace tess::records {

std::string fitField(std::string_view text, std::size_t width) {
  std::string bytes = text::utf8ToWindows1252(text);
  bytes.resize(width, ' ');
  return text::windows1252ToUtf8(bytes);
}

std::string fitNumberField(std::string_view text, std::size_t width) {
  if (text::utf8ToWindows1252(text).size() > width) {
    std::string number = text::numberToFit(text, width);
    if (!number.empty()) return fitField(number, width);
  }
  return fitField(text, width);
}

void putField(std::string& record, FieldLayout field, std::string_view text) {
  std::string bytes = text::utf8ToWindows1252(text);
  bytes.resize(field.width, ' ');
  record.replace(field.offset, field.width, bytes);
}

std::string getField(std::string_view record, FieldLayout field) {
  return text::windows1252ToUtf8(record.substr(field.offset, field.width));
}

}  // namespace tess::records
