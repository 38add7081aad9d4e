#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

#include "platform/text/TextTrim.h"

namespace tess::text {
namespace {

TEST(Windows1252, EveryByteSurvivesUtf8AndBackOthersBecomeQuestionMarksAndLettersUpperCase) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8Length(windows1252ToUtf8(all)), 256u);
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
  EXPECT_EQ(utf8ToWindows1252("\xC3\xA9thanol \xE2\x82\xAC"), "\xE9thanol \x80");  // éthanol €
  EXPECT_EQ(windows1252ToUtf8("\x99"), "\xE2\x84\xA2");                              // ™
  // A Greek letter, a CJK character, an emoji, broken UTF-8.
  EXPECT_EQ(utf8ToWindows1252("\xCE\xB1-\xE4\xB8\xAD-\xF0\x9F\x98\x80 a\xC3"), "?-?-? a?");
  EXPECT_EQ(utf8ToWindows1252("\xFF\xFE"), "??");
  // Trimming takes blanks only; upper case covers the Windows-1252 letters.
  const std::pair<const char*, const char*> trims[] = {{"  a b  ", "a b"}, {"   ", ""}, {"\ta\t", "\ta\t"}};
  for (const auto& [text, trimmed] : trims) EXPECT_EQ(trimBlanks(text), trimmed) << '"' << text << '"';
  EXPECT_EQ(trimTrailingBlanks("  a  "), "  a");
  EXPECT_EQ(upperCase("\xC3\xA9thanol"), "\xC3\x89THANOL");      // éthanol
  EXPECT_EQ(upperCase("\xC3\xB7\xC3\x9F"), "\xC3\xB7\xC3\x9F");  // ÷ and ß stay
  EXPECT_EQ(upperCase("\xC5\xA1\xC3\xBF"), "\xC5\xA0\xC5\xB8");  // š ÿ to Š Ÿ
  EXPECT_EQ(upperCase("a\xFF" "b"), "A\xFF" "B");                // invalid byte kept
}

}  // namespace
}  // namespace tess::text
