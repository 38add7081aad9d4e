// The order that the exchange sort of an index gives, computed by running its two loops literally
// in O(N^2) comparisons: the reference that the tests check exchangeSortOrder against, and the
// baseline of the index benchmark.
#pragma once

#include <cstddef>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "platform/text/Windows1252.h"

namespace tess::testing {

//! For i = 1..N-1, for j = i+1..N, swaps entries i and j when key i is greater than key j
//! (Windows-1252 character codes; equal keys are never swapped). Returns, for each position of the
//! sorted order (0-based), the 0-based index into keys of the entry that lands there.
inline std::vector<std::size_t> exchangeSortOrderLiteral(const std::vector<std::string>& keys) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::vector<std::string> bytes(n);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = text::utf8ToWindows1252(keys[i]);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (bytes[order[j]] < bytes[order[i]]) std::swap(order[i], order[j]);
    }
  }
  return order;
}

}  // namespace tess::testing
