#pragma once
// Character positions in UTF-8 text: selections count characters (code points), not bytes.

#include <cstddef>
#include <string>

namespace forms::utf8 {

//! Number of characters (code points) in the text.
int length(const std::string& text);
//! Byte offset of character position pos (clipped to the text).
std::size_t byteOffset(const std::string& text, int pos);
//! The characters from start, count of them (both clipped to the text).
std::string substring(const std::string& text, int start, int count);

}  // namespace forms::utf8
