// The in-memory indexes of the record files: index entries, their keys, the exchange-sort order
// and the searches, as pure functions.
//
// Keys are names trimmed of blanks at both ends, upper-cased (tess::text::upperCase) and
// blank-padded to 41 characters. Names and CAS numbers compare ordinally by their Windows-1252
// character codes, exactly as the file holds them; a proper prefix is the smaller, and the padding
// blank sorts below every printable character (ACETONE < ACETONE 2 < BENZENE).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tess::records {

//! Width of an index key [characters]; a record's name field uses at most 35 of them.
inline constexpr std::size_t IndexKeyWidth = 41;
//! Width of a CAS number in the vapor index [characters].
inline constexpr std::size_t IndexCASWidth = 18;
//! Width of the name field of both records [characters]: longer names are cut to it.
inline constexpr std::size_t NameFieldWidth = 35;
//! Most records a file may hold: record numbers and counts are 16-bit signed integers.
inline constexpr std::int16_t MaxRecords = 32767;

//! One entry of `VaporIndex`.
struct VaporIndexEntry {
  std::string Name;         //!< ChemName trimmed, upper-cased, blank-padded to 41 characters
  std::int16_t RecNum = 0;  //!< record number in the vapor file (1 = first)
  std::string CAS;          //!< CAS trimmed at both ends, case kept, blank-padded to 18 characters
  bool operator==(const VaporIndexEntry&) const = default;
};

//! One entry of `CartIndex`.
struct CartridgeIndexEntry {
  std::string Name;         //!< CartName trimmed, upper-cased, blank-padded to 41 characters
  std::int16_t RecNum = 0;  //!< record number in the cartridge file (1 = first)
  bool operator==(const CartridgeIndexEntry&) const = default;
};

//! The key of a stored name: trimmed at both ends, upper-cased, blank-padded to 41 characters.
std::string makeIndexKey(std::string_view name);

//! A typed name as a record's name field holds it, without its trailing blanks: cut to 35
//! characters, with "?" for each character that Windows-1252 cannot hold.
std::string storedName(std::string_view typedName);

//! A text from a name box as both Search buttons and both Saves look it up: the name as a record
//! would hold it (storedName), trimmed at both ends and upper-cased. A name longer than 35
//! characters, or one with characters the file cannot hold, thus finds the record that a Save of
//! it stored.
std::string searchKey(std::string_view nameBoxText);

//! The order that the exchange sort gives: for i = 1..N-1, for j = i+1..N, swap entries i and j
//! when key i is greater than key j (equal keys are never swapped). Returns, for each position of
//! the sorted order (0-based), the 0-based index into keys of the entry that lands there.
//! Runs in O(N log N) plus at most O(N sqrt N) simple steps for many duplicate keys: the keys come
//! out sorted, and the order of equal keys is derived without running the exchanges.
std::vector<std::size_t> exchangeSortOrder(const std::vector<std::string>& keys);

//! The index entry of record recNum of the vapor file: the key of ChemName, recNum, and CAS
//! trimmed at both ends and blank-padded to 18 characters.
VaporIndexEntry makeVaporIndexEntry(std::string_view ChemName, std::string_view CAS, std::int16_t recNum);
//! The index entry of record recNum of the cartridge file: the key of CartName and recNum.
CartridgeIndexEntry makeCartridgeIndexEntry(std::string_view CartName, std::int16_t recNum);

//! The index of entries given in record order: in the order that the exchange sort gives their
//! keys, at positions 1 to N with position 0 unused; empty when there are none. Entries beyond
//! MaxRecords are left out.
std::vector<VaporIndexEntry> sortedIndex(std::vector<VaporIndexEntry> inRecordOrder);
std::vector<CartridgeIndexEntry> sortedIndex(std::vector<CartridgeIndexEntry> inRecordOrder);

//! The vapor index of records (ChemName and CAS of record 1 first), positions 0 to N with
//! position 0 unused; empty when there are no records.
std::vector<VaporIndexEntry> buildVaporIndex(const std::vector<std::string>& ChemNames,
                                             const std::vector<std::string>& CASNumbers);

//! The cartridge index of records (CartName of record 1 first), positions 0 to N, position 0 unused.
std::vector<CartridgeIndexEntry> buildCartridgeIndex(const std::vector<std::string>& CartNames);

//! The result of the vapor Search.
struct VaporSearchResult {
  std::int16_t position = 0;  //!< last matching index position, 0 when none matches
  //! When searching by CAS number: the key of every match, trailing blanks removed, in index
  //! order; the screen adds them to its emptied name list.
  std::vector<std::string> casMatchNames;
};

//! Vapor Search over positions 1 to count of index: compares findText exactly with each entry's
//! CAS trimmed at both ends (searchByCAS) or with its Name without trailing blanks; visits every
//! position and returns the last match.
VaporSearchResult searchVaporIndex(const std::vector<VaporIndexEntry>& index, std::int16_t count,
                                   std::string_view findText, bool searchByCAS);

//! The vapor Save's lookup: the last position 1..count whose Name without trailing blanks equals
//! key, 0 when none.
std::int16_t findVaporName(const std::vector<VaporIndexEntry>& index, std::int16_t count,
                           std::string_view key);

//! Cartridge Search: binary search of positions 1 to count, halving as low = 1, high = count,
//! mid = (low + high) / 2 rounded down, until a Name without trailing blanks equals findText
//! (found) or low > high (0); it goes on above mid when Name is below findText blank-padded to 41
//! characters, the order of the index. With duplicate keys, the one the halving meets first.
std::int16_t searchCartridgeIndex(const std::vector<CartridgeIndexEntry>& index, std::int16_t count,
                                  std::string_view findText);

}  // namespace tess::records
