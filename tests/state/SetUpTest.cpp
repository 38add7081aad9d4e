// The two ways of recognising an empty slot differ as intended.
#include <gtest/gtest.h>

#include "state/SetUp.h"

namespace tess {
namespace {

TEST(SetUp, EmptySlotNameComparisons) {
  struct Case {
    const char* name;
    bool exact, trimmed;
  };
  const Case cases[] = {
      {"None Selected", true, true},
      {"none selected ", false, true},    // other case and a trailing blank
      {"  NONE SELECTED", false, true},   // leading blanks
      {"None  Selected", false, false},   // inner blanks count
      {"None Selected\t", false, false},  // only blanks are trimmed
      {"", false, false},
      {"   ", false, false},
      {"Toluene", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isNoneSelectedExact(c.name), c.exact) << '"' << c.name << '"';
    EXPECT_EQ(isNoneSelectedTrimmed(c.name), c.trimmed) << '"' << c.name << '"';
  }
  EXPECT_EQ(NoneSelected, "None Selected");
}

}  // namespace
}  // namespace tess
