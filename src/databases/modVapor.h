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
// - Save: key = saveLookupKey(name box text); p = findName(key); then revise(VaporIndex()[p].RecNum,
//   record) on Yes, or append(record), which rebuilds the index; record =
//   VaporRecord::assemble(box texts...). After an append, VaporRec() holds the new record as
//   stored, for showing it.
//
// Positions are 1-based: VaporIndex() holds positions 0 to NumVaporRecords(), position 0 unused,
// and is empty while the file holds no record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "databases/DatabaseFile.h"
#include "databases/RecordIndex.h"
#include "databases/VaporRecord.h"

namespace tess::databases {

class modVapor {
 public:
  static constexpr std::string_view FileName = "VaporB30.DB";

  modVapor();

  //! Opens (creating it empty when missing) FileName in folder, counts the records and builds the
  //! index. On failure the message says which file and why; the object stays usable.
  FileReport open(const std::filesystem::path& folder);
  //! The same on a file the caller opened; displayPath names it in messages.
  FileReport open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath);

  bool isOpen() const { return m_file.isOpen(); }
  //! False when Save cannot write (no file, a read-only file, or one that could not be read).
  bool canSave() const { return m_file.canWrite(); }
  //! The folder given to open: the program's folder.
  const std::filesystem::path& AppPath() const { return m_file.folder(); }

  std::int16_t NumVaporRecords() const { return m_NumVaporRecords; }
  const std::vector<VaporIndexEntry>& VaporIndex() const { return m_VaporIndex; }
  const VaporRecord& VaporRec() const { return m_VaporRec; }

  //! Reads record n (1..NumVaporRecords()) into VaporRec; on failure VaporRec is unchanged.
  FileReport readRecord(std::int16_t n);

  //! Rebuilds VaporIndex from every record of the file; afterwards VaporRec holds the last record.
  FileReport CreateIndex();

  //! The vapor Search: by CAS number when SearchByCAS is 1, by name otherwise (see
  //! searchVaporIndex). Changes nothing.
  VaporSearchResult Search(std::string_view findText, std::int16_t SearchByCAS) const;

  //! The Save's lookup of a key (saveLookupKey of the typed name): the last position whose name
  //! equals it, 0 when none. By name, whatever the screen's SearchByCAS says.
  std::int16_t findName(std::string_view key) const;

  //! Save of a new name: VaporRec = record; writes it as record NumVaporRecords() + 1, counts it and
  //! rebuilds the index. Refused, with nothing changed but VaporRec, when the file already holds
  //! 32,767 records or cannot be written.
  FileReport append(const VaporRecord& record);

  //! Save of a name on file, answered Yes: VaporRec = record, written over record recNum. The
  //! index is not rebuilt.
  FileReport revise(std::int16_t recNum, const VaporRecord& record);

  //! Closes the file (at the end of the program).
  void close() { m_file.close(); }

 private:
  FileReport buildFromFile();

  DatabaseFile m_file;
  std::int16_t m_NumVaporRecords = 0;
  std::vector<VaporIndexEntry> m_VaporIndex;
  VaporRecord m_VaporRec;
  // Name and CAS fields of every record, in record order, as last read or written: the index is
  // rebuilt from them when the file cannot be read again after an append.
  std::vector<std::string> m_names;
  std::vector<std::string> m_casNumbers;
};

}  // namespace tess::databases
