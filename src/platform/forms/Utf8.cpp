#include "platform/forms/Utf8.h"

namespace forms::utf8 {

namespace {
// A continuation byte (10xxxxxx) belongs to the character before it.
bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

int length(const std::string& text) {
  int count = 0;
  for (char c : text)
    if (!isContinuation(c)) ++count;
  return count;
}

std::size_t byteOffset(const std::string& text, int pos) {
  if (pos <= 0) return 0;
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isContinuation(text[i])) {
      if (seen == pos) return i;
      ++seen;
    }
  }
  return text.size();
}

std::string substring(const std::string& text, int start, int count) {
  if (count <= 0) return {};
  const std::size_t from = byteOffset(text, start);
  const std::size_t to = byteOffset(text, start + count);
  return text.substr(from, to - from);
}

}  // namespace forms::utf8
