// Number conversions never follow the user's locale: under a locale with a decimal comma (such as
// German on Windows) every conversion gives what it gives under the C locale.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "platform/text/LeadingNumber.h"
#include "platform/text/NumberText.h"

namespace tess::text {
namespace {

// Sets the first locale with a decimal comma that the system has; restores the one before at the end.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() : m_before(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : {"German_Germany.1252", "de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
        m_set = true;
        return;
      }
    }
    std::setlocale(LC_ALL, m_before.c_str());
  }
  ~DecimalCommaLocale() { std::setlocale(LC_ALL, m_before.c_str()); }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
  bool set() const { return m_set; }

 private:
  std::string m_before;
  bool m_set = false;
};

const char* const Typed[] = {"1.5",        "1,5",   "-0.25e2", " 3.75abc", "1.5E-05",
                             "12345678.9", "0.001", ".5",      "2.675"};

// Every conversion of a typed text to a number and of a number to shown text, as one list.
std::vector<std::string> conversions() {
  std::vector<std::string> out;
  for (const char* text : Typed) {
    const double value = leadingNumber(text);
    out.push_back(singleToText(static_cast<float>(value)));
    out.push_back(singleToText(static_cast<float>(roundToTwoDecimals(value))));
    for (const char* pattern : {"0", "#", "00", "0.00", "0.0"}) {
      out.push_back(formatNumber(value, pattern));
      out.push_back(formatSingle(static_cast<float>(value), pattern));
    }
    const auto rounded = roundToInt16(value);
    out.push_back(rounded ? std::to_string(*rounded) : "none");
  }
  return out;
}

#ifdef _WIN32
TEST(UserLocale, TheWindowsTestsRunUnderADecimalComma) {
  // Set for every test executable of the Windows build by support/DecimalCommaUser.cpp.
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}
#endif

TEST(UserLocale, NumberConversionsIgnoreADecimalComma) {
  std::string before = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "C");
  const std::vector<std::string> shownInC = conversions();
  std::setlocale(LC_ALL, before.c_str());
  DecimalCommaLocale locale;
#ifdef _WIN32
  ASSERT_TRUE(locale.set()) << "Windows has German_Germany.1252";
#else
  if (!locale.set()) GTEST_SKIP() << "no locale with a decimal comma is installed";
#endif
  EXPECT_EQ(conversions(), shownInC);
  EXPECT_EQ(leadingNumber("1.5"), 1.5);
  EXPECT_EQ(leadingNumber("1,5"), 1.0);
  EXPECT_EQ(singleToText(1.5f), "1.5");
  EXPECT_EQ(formatNumber(2.25, "0.00"), "2.25");
}

}  // namespace
}  // namespace tess::text
