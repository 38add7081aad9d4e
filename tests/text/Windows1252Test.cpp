#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

#include "platform/text/TextTrim.h"

using namespace tess::text;

namespace {

TEST(Windows1252, EveryByteSurvivesTheWayToUtf8AndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = windows1252ToUtf8(all);
  EXPECT_EQ(utf8Length(utf8), 256u);
  EXPECT_EQ(utf8ToWindows1252(utf8), all);
}

TEST(Windows1252, MapsCharactersOneByteEach) {
  EXPECT_EQ(utf8ToWindows1252("Benzene"), "Benzene");
  EXPECT_EQ(utf8ToWindows1252("\xC3\xA9thanol"), "\xE9thanol");        // é
  EXPECT_EQ(utf8ToWindows1252("\xE2\x82\xAC 5"), "\x80 5");             // €
  EXPECT_EQ(utf8ToWindows1252("\xC2\xB5g"), "\xB5g");                   // µ
  EXPECT_EQ(windows1252ToUtf8("\x99"), "\xE2\x84\xA2");                 // ™
  // What 1252 cannot hold becomes "?": a Greek letter, a CJK character, an emoji, broken UTF-8.
  EXPECT_EQ(utf8ToWindows1252("\xCE\xB1-pinene"), "?-pinene");
  EXPECT_EQ(utf8ToWindows1252("\xE4\xB8\xAD"), "?");
  EXPECT_EQ(utf8ToWindows1252("\xF0\x9F\x98\x80!"), "?!");
  EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");
  EXPECT_EQ(utf8ToWindows1252("\xFF\xFE"), "??");
}

TEST(Windows1252, PrefixCountsCharactersNotBytes) {
  EXPECT_EQ(utf8Prefix("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
  EXPECT_EQ(utf8Prefix("abc", 10), "abc");
  EXPECT_EQ(utf8Length("\xC3\xA9t\xC3\xA9"), 3u);
}

TEST(TextTrim, RemovesBlanksOnly) {
  EXPECT_EQ(trimBlanks("  a b  "), "a b");
  EXPECT_EQ(trimBlanks("   "), "");
  EXPECT_EQ(trimBlanks(""), "");
  EXPECT_EQ(trimBlanks("\ta\t"), "\ta\t");
  EXPECT_EQ(trimTrailingBlanks("  a  "), "  a");
  EXPECT_EQ(trimLeadingBlanks("  a  "), "a  ");
}

TEST(TextTrim, UpperCasesAsciiAndTheWindows1252Letters) {
  EXPECT_EQ(upperAscii("Acetone 2-b\xC3\xA9"), "ACETONE 2-B\xC3\xA9");
  EXPECT_EQ(upperCase("acetone"), "ACETONE");
  EXPECT_EQ(upperCase("\xC3\xA9thanol"), "\xC3\x89THANOL");  // éthanol
  EXPECT_EQ(upperCase("\xC3\xB7\xC3\x9F"), "\xC3\xB7\xC3\x9F");  // ÷ and ß stay
  EXPECT_EQ(upperCase("\xC5\xA1\xC3\xBF"), "\xC5\xA0\xC5\xB8");  // š ÿ to Š Ÿ
  EXPECT_EQ(upperCase("a\xFF" "b"), "A\xFF" "B");  // invalid byte kept
}

}  // namespace
