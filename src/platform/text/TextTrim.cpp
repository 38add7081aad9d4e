#include "platform/text/TextTrim.h"

#include <cstddef>

#include "platform/text/Windows1252.h"

namespace tess::text {

std::string_view trimTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string_view trimLeadingBlanks(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

std::string_view trimBlanks(std::string_view text) {
  return trimLeadingBlanks(trimTrailingBlanks(text));
}

std::string upperCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const char32_t codePoint = decodeUtf8(text, pos);
    char32_t upper = codePoint;
    if (codePoint >= U'a' && codePoint <= U'z') {
      upper = codePoint - U'a' + U'A';
    } else if (codePoint >= 0xE0 && codePoint <= 0xFE && codePoint != 0xF7) {
      upper = codePoint - 0x20;  // à..þ to À..Þ
    } else if (codePoint == 0x0161 || codePoint == 0x0153 || codePoint == 0x017E) {
      upper = codePoint - 1;  // š, œ, ž to Š, Œ, Ž
    } else if (codePoint == 0xFF) {
      upper = 0x0178;  // ÿ to Ÿ
    }
    if (upper == codePoint) {
      out.append(text.substr(start, pos - start));
    } else {
      appendUtf8(out, upper);
    }
  }
  return out;
}

}  // namespace tess::text
