#include "state/SetUp.h"

namespace tess {

bool isNoneSelectedExact(std::string_view name) { return name == NoneSelected; }

bool isNoneSelectedTrimmed(std::string_view name) {
  // Blanks only: other white space is part of the text.
  const auto first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const auto last = name.find_last_not_of(' ');
  const std::string_view trimmed = name.substr(first, last - first + 1);
  constexpr std::string_view upper = "NONE SELECTED";
  if (trimmed.size() != upper.size()) return false;
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(trimmed[i]);
    // ASCII upper-casing: the compared text is ASCII, and bytes of other UTF-8 characters never
    // match it.
    const char up = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
    if (up != upper[i]) return false;
  }
  return true;
}

void renewBkFrac(SetUp& state, int slot) {
  const float avgVapConc = state.Vapor[slot].AvgVapConc;
  if (avgVapConc > 0) state.BkFrac[slot] = breakthroughFraction(state.BkConc[slot], avgVapConc);
}

}  // namespace tess
