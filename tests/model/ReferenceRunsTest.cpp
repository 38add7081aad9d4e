// The reference calculations: every time of every slot equal in every bit, the slots in the order
// the run leaves them, and the texts the result boxes show.
#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "model/CalculationRun.h"
#include "model/ReferenceRuns.h"

namespace tess::model {
namespace {

using namespace fixtures;

// A C99 hexadecimal floating-point text ("0x1.2bb4acd64843fp+9", "0x0p+0").
double hexValue(const std::string& text) {
  const bool negative = text.front() == '-';
  const std::size_t digits = text.find('x') + 1;
  double value = 0;
  const auto result =
      std::from_chars(text.data() + digits, text.data() + text.size(), value, std::chars_format::hex);
  EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
  return negative ? -value : value;
}

TEST(ReferenceRuns, EveryTimeIsExactAndShownAsExpected) {
  const Json runs = referenceRuns();
  ASSERT_EQ(runs.at("cases").size(), 7u);
  for (const Json& run : runs.at("cases")) {
    const std::string name = run.at("name");
    SCOPED_TRACE(name);
    tess::SetUp s = typedInputs(run.at("inputs"));
    const CalculationStatus status = runCalculation(s);
    const Json& expected = run.at("expected");
    ASSERT_EQ(status.completed, expected.at("completed").get<bool>()) << status.message;
    EXPECT_EQ(status.message, "");
    const Json& slots = expected.at("slots_after_run");
    ASSERT_EQ(slots.size(), static_cast<std::size_t>(s.TotalVapors));
    for (int i = 1; i <= s.TotalVapors; ++i) {
      const Json& slot = slots.at(static_cast<std::size_t>(i - 1));
      SCOPED_TRACE(slot.at("ChemName").get<std::string>());
      EXPECT_EQ(s.Vapor[i].ChemName, slot.at("ChemName").get<std::string>());
      const double times[] = {s.FinalBkTime[i], s.BkTimeMin[i], s.BkTimeMax[i]};
      const char* fields[] = {"FinalBkTime", "BkTimeMin", "BkTimeMax"};
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(times[k], hexValue(slot.at(fields[k]).get<std::string>())) << fields[k];
        EXPECT_EQ(tess::text::formatNumber(times[k], "0"), slot.at("shown").at(static_cast<std::size_t>(k)).get<std::string>())
            << fields[k];
      }
    }
    // The march of the equilibrium meets a fraction of 1 in one case only, 22 times.
    EXPECT_EQ(status.boundsMet.march, name == "five_vapors_march_bound" ? 22 : 0);
  }
}

}  // namespace
}  // namespace tess::model
