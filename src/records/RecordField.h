// Fixed-width text fields of the record files.
//
// A field holds its text left-aligned, blank-padded to its width and cut to it when longer, one
// byte per character in Windows-1252 in the file. In memory a field is UTF-8 and reads exactly as
// the file holds it: a character that Windows-1252 cannot hold reads as "?".
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tess::records {

//! Position and width of one field in a record [bytes].
struct FieldLayout {
  std::size_t offset;
  std::size_t width;
};

//! text as a field of width characters holds it: converted to Windows-1252 and back, then cut to
//! width characters or blank-padded to it.
std::string fitField(std::string_view text, std::size_t width);

//! A number's text as a numeric field of width characters holds it: a text that fits is kept
//! exactly as fitField keeps it; a longer one that starts with a number is written as that number
//! rounded to as many significant digits as fit (tess::text::numberToFit), so that cutting never
//! changes its magnitude ("1.234E-05" becomes "1.23E-05", not "1.234E-0"). A longer text without
//! a number at its start is cut as any text.
std::string fitNumberField(std::string_view text, std::size_t width);

//! Writes the UTF-8 field text into record (Windows-1252 bytes) at the field's place, blank-padded
//! and cut to its width.
void putField(std::string& record, FieldLayout field, std::string_view text);

//! The field's bytes of record as UTF-8 text, with its padding blanks.
std::string getField(std::string_view record, FieldLayout field);

//! One field of a record type: its place in the record's bytes and the member that holds its text.
template <class Record>
struct RecordFieldOf {
  FieldLayout layout;
  std::string Record::*text;
  bool numeric = false;  //!< holds a number typed into a numeric box (see fitNumberField)
};

//! A record assembled from the texts of its fields, in the order of fields, each fitted to its
//! field (see fitField and, for numeric fields, fitNumberField).
template <class Record, std::size_t N>
Record assembleRecord(const RecordFieldOf<Record> (&fields)[N],
                      const std::array<std::string_view, N>& texts) {
  Record record;
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t width = fields[i].layout.width;
    record.*fields[i].text = fields[i].numeric ? fitNumberField(texts[i], width) : fitField(texts[i], width);
  }
  return record;
}

//! A record from its Record::Length bytes in the file; shorter input reads as blank-padded.
template <class Record, std::size_t N>
Record recordFromBytes(const RecordFieldOf<Record> (&fields)[N], std::string_view bytes) {
  std::string full(bytes.substr(0, Record::Length));
  full.resize(Record::Length, ' ');
  Record record;
  for (const RecordFieldOf<Record>& field : fields) record.*field.text = getField(full, field.layout);
  return record;
}

//! The record's Record::Length bytes for the file.
template <class Record, std::size_t N>
std::string recordToBytes(const RecordFieldOf<Record> (&fields)[N], const Record& record) {
  std::string bytes(Record::Length, ' ');
  for (const RecordFieldOf<Record>& field : fields) putField(bytes, field.layout, record.*field.text);
  return bytes;
}

}  // namespace tess::records
