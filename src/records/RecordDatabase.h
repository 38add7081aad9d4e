// RecordDatabase: what the vapor database (modVapor) and the cartridge database (ModCartridge)
// share: the open record file, its record count, its sorted index and the record buffer through
// which every record is read and written. Each database adds its names and its search.
//
// Positions are 1-based: index() holds positions 0 to recordCount(), position 0 unused, and is
// empty while the file holds no record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "records/DatabaseFile.h"

namespace tess::records {

template <class Record, class IndexEntry>
class RecordDatabase {
 public:
  //! Opens (creating it empty when missing) the database's file in folder, counts the records and
  //! builds the index. On failure the message says which file and why; the object stays usable.
  FileReport open(const std::filesystem::path& folder);
  //! The same on a file the caller opened; displayPath names it in messages.
  FileReport open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath);

  bool isOpen() const { return m_file.isOpen(); }
  //! False when Save cannot write (no file, a read-only file, or one that could not be read).
  bool canSave() const { return m_file.canWrite(); }

  std::int16_t recordCount() const { return m_count; }
  const std::vector<IndexEntry>& index() const { return m_index; }
  //! The record buffer: the last record read, assembled or written.
  const Record& buffer() const { return m_buffer; }

  //! Reads record n (1..recordCount()) into the buffer; on failure the buffer is unchanged.
  FileReport readRecord(std::int16_t n);

  //! Save of a new name: buffer = record; writes it as record recordCount() + 1, counts it and
  //! rebuilds the index. Refused, with nothing changed but the buffer, when the file already holds
  //! 32,767 records or cannot be written.
  FileReport append(const Record& record);

  //! Save of a name on file, answered Yes: buffer = record, written over record recNum. The index
  //! is not rebuilt.
  FileReport revise(std::int16_t recNum, const Record& record);

  //! Closes the file (at the end of the program).
  void close() { m_file.close(); }

 protected:
  explicit RecordDatabase(DatabaseWords words);

  //! Rebuilds the index from every record of the file; afterwards the buffer holds the last record.
  FileReport rebuildIndex();

 private:
  FileReport buildFromFile();

  DatabaseFile m_file;
  std::int16_t m_count = 0;
  std::vector<IndexEntry> m_index;
  Record m_buffer;
  // The index entry of every record, in record order, as last read or written: the index is
  // rebuilt from them when the file cannot be read again after an append.
  std::vector<IndexEntry> m_entries;
};

}  // namespace tess::records
