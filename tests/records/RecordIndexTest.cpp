#include "records/RecordIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "records/ExchangeSortLiteral.h"

namespace tess::records {
using testing::exchangeSortOrderLiteral;

namespace {

std::vector<std::string> keysOf(const std::vector<std::string>& names) {
  std::vector<std::string> keys;
  for (const auto& name : names) keys.push_back(makeIndexKey(name));
  return keys;
}

//! The record numbers of an index in its order, from position 1.
template <class Entry>
std::vector<int> recordNumbers(const std::vector<Entry>& index) {
  std::vector<int> numbers;
  for (std::size_t p = 1; p < index.size(); ++p) numbers.push_back(index[p].RecNum);
  return numbers;
}

TEST(IndexKey, IsTrimmedUpperCasedAndPaddedTo41) {
  EXPECT_EQ(makeIndexKey("  Acetone "), "ACETONE" + std::string(34, ' '));
  EXPECT_EQ(makeIndexKey(""), std::string(41, ' '));
  EXPECT_EQ(makeIndexKey("\xC3\xA9thanol"), "\xC3\x89THANOL" + std::string(34, ' '));
  EXPECT_EQ(searchKey("  mek  "), "MEK");
  // A typed name longer than 35 characters finds the record that holds its first 35.
  const std::string longName = "  " + std::string(40, 'x');
  EXPECT_EQ(searchKey(longName), std::string(33, 'X'));
  EXPECT_EQ(searchKey("\xCE\xB1-Pinene"), "?-PINENE");
}

TEST(IndexOrder, PrefixSortsFirstAndEqualKeysFollowTheExchanges) {
  EXPECT_EQ(recordNumbers(buildCartridgeIndex({"benzene", "Acetone 2", "ACETONE"})),
            (std::vector<int>{3, 2, 1}));
  // Two equal keys before a smaller one change places: a a 0 -> 0, second a, first a.
  EXPECT_EQ(exchangeSortOrder(keysOf({"b", "B", "a"})), (std::vector<std::size_t>{2, 1, 0}));
  // Order by Windows-1252 codes: the euro sign (0x80) sorts below e-acute (0xE9).
  EXPECT_EQ(exchangeSortOrder(keysOf({"\xC3\xA9", "\xE2\x82\xAC"})), (std::vector<std::size_t>{1, 0}));
}

// The fast order against the literal exchange sort: random files with many duplicate names (among
// them some sixty empty files and four hundred of one name only, where nothing moves), then a large one.
TEST(IndexOrder, FastOrderEqualsTheExchangeSortOnRandomFiles) {
  std::mt19937 random(1206);
  for (int trial = 0; trial < 3000; ++trial) {
    const std::size_t n = std::uniform_int_distribution<std::size_t>(0, trial < 2000 ? 40 : 400)(random);
    const int distinct = std::uniform_int_distribution<int>(1, trial % 3 == 0 ? 3 : 30)(random);
    std::vector<std::string> names(n);
    for (auto& name : names) {
      const int k = std::uniform_int_distribution<int>(0, distinct - 1)(random);
      // Prefixes and case variants of one another, blanks around some.
      name = std::string(std::size_t(k % 3), ' ') + std::string(std::size_t(1 + k / 4), k % 2 ? 'a' : 'A') +
             std::to_string(k % 4);
    }
    // Some files already sorted, or sorted backwards, before the duplicates are mixed in.
    if (trial % 7 == 1) std::sort(names.begin(), names.end());
    if (trial % 7 == 2) std::sort(names.rbegin(), names.rend());
    const auto keys = keysOf(names);
    ASSERT_EQ(exchangeSortOrder(keys), exchangeSortOrderLiteral(keys)) << "trial " << trial;
  }
  std::vector<std::string> names(3000);
  for (auto& name : names) name = "N" + std::to_string(std::uniform_int_distribution<int>(0, 60)(random));
  EXPECT_EQ(exchangeSortOrder(keysOf(names)), exchangeSortOrderLiteral(keysOf(names)));
}

TEST(VaporSearch, FindsTheLastMatchByNameOrCAS) {
  const auto index = buildVaporIndex({"Toluene", "benzene", "BENZENE", "Xylene", "", "Cumene"},
                                     {"108-88-3", " 71-43-2 ", "71-43-2", "1330-20-7", "", "71-43-2"});
  const auto count = static_cast<std::int16_t>(index.size() - 1);
  // Positions: 1 blank name, 2 BENZENE (rec 3), 3 BENZENE (rec 2), 4 CUMENE, 5 TOLUENE, 6 XYLENE.
  ASSERT_EQ(recordNumbers(index), (std::vector<int>{5, 3, 2, 6, 1, 4}));
  EXPECT_EQ(index[3].CAS, "71-43-2" + std::string(11, ' '));

  EXPECT_EQ(searchVaporIndex(index, count, "BENZENE", false).position, 3);
  EXPECT_TRUE(searchVaporIndex(index, count, "BENZENE", false).casMatchNames.empty());
  EXPECT_EQ(searchVaporIndex(index, count, "", false).position, 1);
  EXPECT_EQ(searchVaporIndex(index, count, "benzene", false).position, 0);
  EXPECT_EQ(findVaporName(index, count, "TOLUENE"), 5);

  const auto byCAS = searchVaporIndex(index, count, "71-43-2", true);
  EXPECT_EQ(byCAS.position, 4);
  EXPECT_EQ(byCAS.casMatchNames, (std::vector<std::string>{"BENZENE", "BENZENE", "CUMENE"}));
  EXPECT_EQ(searchVaporIndex(index, count, "", true).casMatchNames, (std::vector<std::string>{""}));
  EXPECT_EQ(searchVaporIndex(index, count, "71-43-2 ", true).position, 0);  // only stored blanks go
  EXPECT_EQ(searchVaporIndex({}, 0, "", false).position, 0);
}

TEST(CartridgeSearch, HalvesAsWritten) {
  // Positions 1..5 of the first file: A, B, B, B, C; its first probe (3) is a B.
  const std::vector<std::string> five{"B", "C", "B", "A", "B"};
  // Characters below the blank sort a name below its prefix, whose padding is blanks: positions
  // 1..6 are A, AB\001C, AB\tC, AB, ABC, B.
  // clang-format off
  const std::vector<std::string> control{"ABC", "AB\tC", "B", "AB", "AB\001C", "A"};
  const struct { std::vector<std::string> names; const char* key; std::int16_t position; } cases[] = {
      {five, "B", 3}, {five, "A", 1}, {five, "C", 5}, {five, "BB", 0}, {five, "", 0},
      {{"B", "B", "B", "C"}, "B", 2}, {{}, "B", 0}, {{"ONLY"}, "ONLY", 1}, {{"ONLY"}, "OTHER", 0},
      {control, "A", 1}, {control, "AB\001C", 2}, {control, "AB\tC", 3}, {control, "AB", 4},
      {control, "ABC", 5}, {control, "B", 6}, {control, "AB\t", 0}, {control, "AB\001", 0},
      {control, "AB C", 0}};
  // clang-format on
  for (const auto& c : cases) {
    const auto count = static_cast<std::int16_t>(c.names.size());
    EXPECT_EQ(searchCartridgeIndex(buildCartridgeIndex(c.names), count, c.key), c.position) << c.key;
  }
}

}  // namespace
}  // namespace tess::records
