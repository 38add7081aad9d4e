// Single-byte text of the record files: Windows-1252, one byte per character.
//
// In memory every text is UTF-8. Each of the 256 byte values reads as one character (the five
// bytes that Windows-1252 leaves undefined, 0x81, 0x8D, 0x8F, 0x90 and 0x9D, as the control
// characters of the same number), so a byte string survives the way to UTF-8 and back unchanged.
// A character that Windows-1252 cannot hold is written as "?", and so is each byte of UTF-8 that
// is not valid.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tess::text {

//! UTF-8 text as Windows-1252 bytes, one byte per character; "?" for what 1252 cannot hold.
std::string utf8ToWindows1252(std::string_view utf8);

//! Windows-1252 bytes as UTF-8 text.
std::string windows1252ToUtf8(std::string_view bytes);

//! Decodes the UTF-8 character at pos and moves pos past it. An invalid or cut sequence yields
//! U+FFFD and moves pos by one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);

//! Appends the UTF-8 encoding of codePoint to out.
void appendUtf8(std::string& out, char32_t codePoint);

//! Number of characters of UTF-8 text (invalid bytes count one each, as they would be written).
std::size_t utf8Length(std::string_view text);

}  // namespace tess::text
