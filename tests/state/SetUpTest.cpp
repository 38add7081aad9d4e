// The two ways of recognising an empty slot differ as intended.
#include <gtest/gtest.h>

#include <tuple>

#include "state/SetUp.h"

namespace tess {
namespace {

TEST(SetUp, EmptySlotNameComparisons) {
  // A name, whether it is the empty-slot name exactly, and whether it is once blanks are trimmed
  // and case is ignored.
  const std::tuple<const char*, bool, bool> cases[] = {
      {"None Selected", true, true},
      {"none selected ", false, true},    // other case and a trailing blank
      {"  NONE SELECTED", false, true},   // leading blanks
      {"None  Selected", false, false},   // inner blanks count
      {"None Selected\t", false, false},  // only blanks are trimmed
      {"", false, false},
      {"   ", false, false},
      {"Toluene", false, false},
  };
  for (const auto& [name, exact, trimmed] : cases) {
    EXPECT_EQ(isNoneSelectedExact(name), exact) << '"' << name << '"';
    EXPECT_EQ(isNoneSelectedTrimmed(name), trimmed) << '"' << name << '"';
  }
  EXPECT_EQ(NoneSelected, "None Selected");
}

}  // namespace
}  // namespace tess
