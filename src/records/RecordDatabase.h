// RecordDatabase: what the vapor database (modVapor) and the cartridge database (ModCartridge)
// share: the open record file, its record count, its sorted index and the record buffer through
// which every record is read and written. Each database adds its names and its search.
//
// Positions are 1-based: index() holds positions 0 to recordCount(), position 0 unused, and is
// empty while the file holds no record.
//
// Another copy of the program may add records to the file at any time, and another program may
// rewrite the file or put another in its place. refresh() reads the file at the path again when it
// has changed (see DatabaseFile::recount). A Save takes the lock with lock(), which refreshes the
// file once, looks its name up in the index and writes with revise() or append(): between the
// look-up and the write nothing reads or indexes the file again, so the record number looked up is
// the one written. Should another program have put a file at the path meanwhile, the write says so
// and nothing is reported saved.
#pragma once

#include <chrono>
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
  //! opener, when given, takes every open of the path (see DatabaseFile::open).
  FileReport open(const std::filesystem::path& folder, files::PathOpener* opener = nullptr);
  //! The same on a file the caller opened; displayPath names it in messages.
  FileReport open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath);

  bool isOpen() const { return m_file.isOpen(); }
  //! False when Save cannot write (no file, a read-only file, or one that could not be read).
  bool canSave() const { return m_file.canWrite(); }

  std::int16_t recordCount() const { return m_count; }
  const std::vector<IndexEntry>& index() const { return m_index; }
  //! The record buffer: the last record read, assembled or written.
  const Record& buffer() const { return m_buffer; }

  //! Reads the file at the path again, its count and its index, when it is another file than the
  //! one open or its length or times differ from when it was last counted or written: another
  //! program has written or replaced it since. A file that could not be opened or read, or only
  //! read, is opened again from its path (see DatabaseFile::recount). On failure the message says
  //! so; when the file could not be opened or read, the index is empty and Save is refused.
  FileReport refresh();

  //! Counts the times a refresh opened the path again (another file was put there, it was deleted,
  //! or the file could not be used, read or written) or found records other than those known
  //! before. Records that another copy only added to the same file do not count. A screen whose
  //! name list shows the index fills it again when this changes.
  std::uint64_t replacements() const { return m_replacements; }

  //! Refreshes a file that cannot be written, then takes the file's exclusive lock, waiting up to
  //! wait while another program holds it, then refreshes. Until unlock(), no other copy of the
  //! program writes the file, so a name looked up in the index can be revised or appended without
  //! losing or doubling another's record. On failure the lock is not held and the message says that
  //! nothing was saved; a notice (FileProblem::notice) leaves the lock held. Never hold the lock
  //! while the user is asked or told something.
  FileReport lock(std::chrono::milliseconds wait = SaveLockWait);
  void unlock() { m_file.unlock(); }

  //! Reads record n (1..recordCount()) into the buffer; on failure the buffer is unchanged.
  FileReport readRecord(std::int16_t n);

  //! Save of a new name: buffer = record; writes it after the last record of the file as counted
  //! under the lock, counts it and rebuilds the index. Refused, with nothing changed but the buffer,
  //! when the file already holds 32,767 records, cannot be written or its lock cannot be had. With
  //! the lock held, the file is not read again before the write; otherwise the lock is taken (and
  //! the file refreshed) for the write alone. When the file cannot be read back afterwards, the
  //! record is counted and indexed all the same, and the message says it was saved.
  FileReport append(const Record& record);

  //! Save of a name on file, answered Yes: buffer = record, written over record recNum. The index
  //! is not rebuilt. Takes the lock as append() does.
  FileReport revise(std::int16_t recNum, const Record& record);

  //! Closes the file (at the end of the program), releasing its lock.
  void close() { m_file.close(); }

 protected:
  explicit RecordDatabase(DatabaseWords words);

  //! Rebuilds the index from every record of the file; afterwards the buffer holds the last record.
  //! afterSave: see DatabaseFile::readAll.
  FileReport rebuildIndex(bool afterSave = false);

 private:
  //! Counts and indexes the file as opened; returns the report of the opening, opened, unless the
  //! records could not be read.
  FileReport buildFromFile(FileReport opened);
  //! Runs write, which returns its report, under the file's lock: the lock held already, with the
  //! file as it was when the caller looked its record up, or taken (refreshing the file) for the
  //! write alone.
  template <class Write>
  FileReport underLock(Write write);

  DatabaseFile m_file;
  std::int16_t m_count = 0;
  std::uint64_t m_replacements = 0;
  std::vector<IndexEntry> m_index;
  Record m_buffer;
  // The index entry of every record, in record order, as last read or written: the index is
  // rebuilt from them when the file cannot be read again after an append.
  std::vector<IndexEntry> m_entries;
};

}  // namespace tess::records
