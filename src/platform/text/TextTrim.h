// Blank trimming and upper-casing of texts held in UTF-8.
//
// A blank is the space character only; tabs and other white space are kept, as they are in the
// record files' fields.
#pragma once

#include <string>
#include <string_view>

namespace tess::text {

//! text without blanks at both ends.
std::string_view trimBlanks(std::string_view text);

//! text without trailing blanks.
std::string_view trimTrailingBlanks(std::string_view text);

//! text without leading blanks.
std::string_view trimLeadingBlanks(std::string_view text);

//! text in upper case as the record keys need it: ASCII letters and the lower-case letters of the
//! Windows-1252 character set (à to þ except ÷, š, œ, ž, ÿ) become their capitals; every other
//! character, and any byte that is not valid UTF-8, is kept unchanged. ß has no single capital and
//! stays. The result holds the same characters as text, one for one.
std::string upperCase(std::string_view text);

}  // namespace tess::text
