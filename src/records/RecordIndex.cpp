#include "records/RecordIndex.h"

#include <algorithm>
#include <numeric>

#include "platform/text/TextTrim.h"
#include "platform/text/Windows1252.h"
#include "records/RecordField.h"

namespace tess::records {
namespace {

std::string padTo(std::string text, std::size_t width) {
  const std::size_t length = text::utf8Length(text);
  if (length < width) text.append(width - length, ' ');
  return text;
}

// Counts, for positions 0..n-1, how many marked positions lie before a position (Fenwick tree).
class PositionCounter {
 public:
  explicit PositionCounter(std::size_t n) : m_tree(n + 1, 0) {}
  void mark(std::size_t position) {
    for (std::size_t i = position + 1; i < m_tree.size(); i += i & (~i + 1)) ++m_tree[i];
  }
  //! Marked positions in [0, position).
  std::size_t before(std::size_t position) const {
    std::size_t sum = 0;
    for (std::size_t i = position; i > 0; i -= i & (~i + 1)) sum += m_tree[i];
    return sum;
  }

 private:
  std::vector<std::size_t> m_tree;
};

// The index of entries in record order (see sortedIndex).
template <class Entry>
std::vector<Entry> sortEntries(std::vector<Entry> entries) {
  const std::size_t n = std::min(entries.size(), static_cast<std::size_t>(MaxRecords));
  if (n == 0) return {};
  // The keys are moved out for the sort and back into their entries after it.
  std::vector<std::string> keys(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = std::move(entries[i].Name);
  const std::vector<std::size_t> order = exchangeSortOrder(keys);
  std::vector<Entry> index(n + 1);
  for (std::size_t p = 0; p < n; ++p) {
    index[p + 1] = std::move(entries[order[p]]);
    index[p + 1].Name = std::move(keys[order[p]]);
  }
  return index;
}

}  // namespace

std::string makeIndexKey(std::string_view name) {
  return padTo(text::upperCase(text::trimBlanks(name)), IndexKeyWidth);
}

std::string storedName(std::string_view typedName) {
  return std::string(text::trimTrailingBlanks(fitField(typedName, NameFieldWidth)));
}

std::string searchKey(std::string_view nameBoxText) {
  return text::upperCase(text::trimBlanks(storedName(nameBoxText)));
}

// How equal keys end up ordered. In pass i the exchanges carry the smallest key seen so far from
// position i onwards: an entry that is smaller than the carried one is picked up, and the carried
// one is dropped in its place. Looked at from one key k, with S = smaller keys and E = entries of
// key k (greater keys play no part), each pass removes the first S; if E entries stand before it,
// the first of them is carried to that S's place, behind the others. So the order of the entries of
// key k is that of a queue that takes each E in file order, and moves its front to its back for
// every S met after the first E, until the end of the file. The number of S between two E is
// counted with a Fenwick tree over the positions of smaller keys; the moves are taken modulo the
// queue's length.
std::vector<std::size_t> exchangeSortOrder(const std::vector<std::string>& keys) {
  const std::size_t n = keys.size();
  std::vector<std::string> bytes(n);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = text::utf8ToWindows1252(keys[i]);
  std::vector<std::size_t> byKey(n);
  std::iota(byKey.begin(), byKey.end(), std::size_t{0});
  std::stable_sort(byKey.begin(), byKey.end(),
                   [&](std::size_t a, std::size_t b) { return bytes[a] < bytes[b]; });

  std::vector<std::size_t> order;
  order.reserve(n);
  PositionCounter smaller(n);
  std::vector<std::size_t> next(n);  // the queue as a circular list of positions
  for (std::size_t start = 0; start < n;) {
    std::size_t end = start + 1;
    while (end < n && bytes[byKey[end]] == bytes[byKey[start]]) ++end;
    // byKey[start..end) are the entries of one key, in file order (the sort is stable).
    std::size_t head = byKey[start];
    std::size_t tail = head;
    next[head] = head;
    const std::size_t smallerTotal = start;
    for (std::size_t k = start; k < end; ++k) {
      const std::size_t size = k - start + 1;
      const std::size_t following = k + 1 < end ? smaller.before(byKey[k + 1]) : smallerTotal;
      const std::size_t moves = (following - smaller.before(byKey[k])) % size;
      for (std::size_t m = 0; m < moves; ++m) {
        tail = head;
        head = next[head];
      }
      if (k + 1 < end) {
        const std::size_t added = byKey[k + 1];
        next[tail] = added;
        next[added] = head;
        tail = added;
      }
    }
    for (std::size_t k = start, at = head; k < end; ++k, at = next[at]) order.push_back(at);
    for (std::size_t k = start; k < end; ++k) smaller.mark(byKey[k]);
    start = end;
  }
  return order;
}

VaporIndexEntry makeVaporIndexEntry(std::string_view ChemName, std::string_view CAS, std::int16_t recNum) {
  return {makeIndexKey(ChemName), recNum, padTo(std::string(text::trimBlanks(CAS)), IndexCASWidth)};
}

CartridgeIndexEntry makeCartridgeIndexEntry(std::string_view CartName, std::int16_t recNum) {
  return {makeIndexKey(CartName), recNum};
}

std::vector<VaporIndexEntry> sortedIndex(std::vector<VaporIndexEntry> inRecordOrder) {
  return sortEntries(std::move(inRecordOrder));
}

std::vector<CartridgeIndexEntry> sortedIndex(std::vector<CartridgeIndexEntry> inRecordOrder) {
  return sortEntries(std::move(inRecordOrder));
}

std::vector<VaporIndexEntry> buildVaporIndex(const std::vector<std::string>& ChemNames,
                                             const std::vector<std::string>& CASNumbers) {
  const std::size_t n = std::min(ChemNames.size(), static_cast<std::size_t>(MaxRecords));
  std::vector<VaporIndexEntry> entries(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::string_view cas = i < CASNumbers.size() ? std::string_view(CASNumbers[i]) : "";
    entries[i] = makeVaporIndexEntry(ChemNames[i], cas, static_cast<std::int16_t>(i + 1));
  }
  return sortedIndex(std::move(entries));
}

std::vector<CartridgeIndexEntry> buildCartridgeIndex(const std::vector<std::string>& CartNames) {
  const std::size_t n = std::min(CartNames.size(), static_cast<std::size_t>(MaxRecords));
  std::vector<CartridgeIndexEntry> entries(n);
  for (std::size_t i = 0; i < n; ++i) {
    entries[i] = makeCartridgeIndexEntry(CartNames[i], static_cast<std::int16_t>(i + 1));
  }
  return sortedIndex(std::move(entries));
}

VaporSearchResult searchVaporIndex(const std::vector<VaporIndexEntry>& index, std::int16_t count,
                                   std::string_view findText, bool searchByCAS) {
  VaporSearchResult result;
  const std::size_t last = std::min<std::size_t>(count > 0 ? count : 0, index.empty() ? 0 : index.size() - 1);
  for (std::size_t i = 1; i <= last; ++i) {
    const std::string_view s = searchByCAS ? text::trimBlanks(index[i].CAS)
                                           : text::trimTrailingBlanks(index[i].Name);
    if (s == findText) {
      result.position = static_cast<std::int16_t>(i);
      if (searchByCAS) result.casMatchNames.emplace_back(text::trimTrailingBlanks(index[i].Name));
    }
  }
  return result;
}

std::int16_t findVaporName(const std::vector<VaporIndexEntry>& index, std::int16_t count,
                           std::string_view key) {
  return searchVaporIndex(index, count, key, false).position;
}

std::int16_t searchCartridgeIndex(const std::vector<CartridgeIndexEntry>& index, std::int16_t count,
                                  std::string_view findText) {
  const int last = static_cast<int>(std::min<std::size_t>(count > 0 ? count : 0, index.empty() ? 0 : index.size() - 1));
  // The halving must go the way the index is sorted: by keys padded with blanks. Compared without
  // their padding, a name holding a character below the blank (a tab) would sort on the other side
  // of its prefix ("AB\tC" above "AB"), and the halving would step past the name it looks for.
  const std::string findBytes = text::utf8ToWindows1252(padTo(std::string(findText), IndexKeyWidth));
  int low = 1;
  int high = last;
  while (low <= high) {
    const int mid = (low + high) / 2;
    const std::string& key = index[static_cast<std::size_t>(mid)].Name;
    if (text::trimTrailingBlanks(key) == findText) return static_cast<std::int16_t>(mid);
    if (text::utf8ToWindows1252(key) < findBytes) {
      low = mid + 1;
    } else {
      high = mid - 1;
    }
  }
  return 0;
}

}  // namespace tess::records
