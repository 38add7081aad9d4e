// Fixed-width text fields of the record files.
//
// A field holds its text left-aligned, blank-padded to its width and cut to it when longer, one
// byte per character in Windows-1252 in the file. In memory a field is UTF-8 and reads exactly as
// the file holds it: a character that Windows-1252 cannot hold reads as "?".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tess::databases {

//! Position and width of one field in a record [bytes].
struct FieldLayout {
  std::size_t offset;
  std::size_t width;
};

//! text as a field of width characters holds it: converted to Windows-1252 and back, then cut to
//! width characters or blank-padded to it.
std::string fitField(std::string_view text, std::size_t width);

//! Writes the UTF-8 field text into record (Windows-1252 bytes) at the field's place, blank-padded
//! and cut to its width.
void putField(std::string& record, FieldLayout field, std::string_view text);

//! The field's bytes of record as UTF-8 text, with its padding blanks.
std::string getField(std::string_view record, FieldLayout field);

}  // namespace tess::databases
