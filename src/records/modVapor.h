// modVapor: the vapor file "VaporB30.DB" with its record count `NumVaporRecords`, its sorted index
// `VaporIndex` and its record buffer `VaporRec`. The vapor screen frmVaporMulti owns one object
// for the whole run, opens it at its first load and closes it when the program ends.
//
// How the screen uses it:
// - Load: open(programFolder()); show the FileReport's message if there is one (the object stays
//   usable: with no file the count is 0 and Save is refused). Then fill the list from
//   VaporIndex()[1..NumVaporRecords()].Name (the full 41-character keys).
// - ShowVaporRecord(n): readRecord(n), then the boxes from VaporRec() with trailing blanks
//   removed (CAS trimmed at both ends).
// - Search button: Search(key, SearchByCAS) with key = searchKey(name box) or the CAS box trimmed;
//   in CAS mode the screen adds result.casMatchNames to its emptied list; in name mode it refills.
// - Save: record = VaporRecord::assemble(box texts...), key = searchKey(name box text); under
//   lock(), p = findName(key). A new name: append(record), which rebuilds the index. A name on
//   file: unlock() while the question waits; on Yes lock() again, p = findName(key) again and
//   revise(VaporIndex()[p].RecNum, record). After an append, VaporRec() holds the new record as
//   stored, for showing it.
//
// Positions are 1-based: VaporIndex() holds positions 0 to NumVaporRecords(), position 0 unused,
// and is empty while the file holds no record.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "records/RecordDatabase.h"
#include "records/RecordIndex.h"
#include "records/VaporRecord.h"

namespace tess::records {

class modVapor : public RecordDatabase<VaporRecord, VaporIndexEntry> {
 public:
  static constexpr std::string_view FileName = "VaporB30.DB";

  modVapor();

  std::int16_t NumVaporRecords() const { return recordCount(); }
  const std::vector<VaporIndexEntry>& VaporIndex() const { return index(); }
  const VaporRecord& VaporRec() const { return buffer(); }

  //! Rebuilds VaporIndex from every record of the file; afterwards VaporRec holds the last record.
  FileReport CreateIndex() { return rebuildIndex(); }

  //! The vapor Search: by CAS number when SearchByCAS is 1, by name otherwise (see
  //! searchVaporIndex). Changes nothing.
  VaporSearchResult Search(std::string_view findText, std::int16_t SearchByCAS) const;

  //! The Save's lookup of a key (searchKey of the typed name): the last position whose name
  //! equals it, 0 when none. By name, whatever the screen's SearchByCAS says.
  std::int16_t findName(std::string_view key) const;
};

}  // namespace tess::records
