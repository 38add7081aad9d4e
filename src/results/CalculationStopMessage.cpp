#include "results/CalculationStopMessage.h"

#include <algorithm>

namespace tess::results {

namespace {

// The name a user knows a slot by: its vapor's name, or its row title when it has none.
std::string slotName(const SetUp& state, int slot) {
  const std::string& name = state.Vapor[slot].ChemName;
  if (name.empty() || name == NoneSelected) return "Vapor #" + std::to_string(slot);
  return name;
}

}  // namespace

std::string calculationStopMessage(const SetUp& state, const model::CalculationStatus& status) {
  const int vapors = std::clamp<int>(state.TotalVapors, 0, MaxVapors);
  std::string missing;
  bool anyFixed = false;
  for (int i = 1; i <= vapors; ++i) {
    if (status.timeFixed[i]) {
      anyFixed = true;
      continue;
    }
    if (!missing.empty()) missing += ", ";
    missing += slotName(state, i);
  }
  std::string text;
  if (missing.empty())
    text = "The breakthrough times could not be estimated.";
  else
    text = "The breakthrough times of these vapors could not be estimated: " + missing + ".";
  if (!status.message.empty()) text += "\n\n" + status.message;
  // The model fixes the vapors with the longest stoichiometric times first, so the vapors left
  // without a time are the ones expected to break through earlier.
  if (anyFixed) {
    text +=
        "\n\nThe times shown for the other vapors are complete. The vapors that could not be "
        "estimated are likely to break through before them, so the times shown must not be taken "
        "as the service life of the cartridge.";
  }
  return text;
}

}  // namespace tess::results
