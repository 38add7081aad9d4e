// The open record file of one database with its record count, shared by modVapor and
// ModCartridge: opening or creating the file in a folder, counting, reading and writing records,
// the file's lock, and the user's messages for every failure.
//
// Other copies of the program may write the same file at the same time, and other programs
// (backup and synchronising tools) may rewrite it, delete it or put another file in its place.
// The count is taken from the file's length; recount() opens the path again when the open file is
// no longer the one there, and counts again when the file's length or times have changed since it
// was last counted or written. Writes are made under the file's exclusive lock (lock()), taken
// before recount(), so that a record goes into the file at the path, after its last record as it
// is then.
//
// Failures never throw. Each is returned as a FileProblem whose message names the file and the
// reason, ready for a message box; the object stays usable (a file that could not be opened
// counts 0 records and refuses to save; one that can only be read lists its records).
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/ByteFile.h"
#include "platform/files/RecordFile.h"

namespace tess::records {

//! A failure of a database file operation, with the text to show the user.
struct FileProblem {
  files::FileErrorKind kind = files::FileErrorKind::None;
  std::string message;
  //! The file stays usable as it is and the message only tells the user so (a file of more than
  //! 32,767 records lists the first of them and takes revises); nothing was refused.
  bool notice = false;
};

//! Empty on success.
using FileReport = std::optional<FileProblem>;

//! How long Save waits for another program (another copy of this one) to release a record file's
//! lock before it gives up and says so [ms].
inline constexpr std::chrono::milliseconds SaveLockWait{5000};

//! How many times in a row recount() opens the path again when the file it opened has at once been
//! replaced again, before it gives up and says so.
inline constexpr int MaxReopens = 4;

//! What one database calls its file and its entries in messages.
struct DatabaseWords {
  std::string_view fileName;     //!< "VaporB30.DB"
  std::string_view description;  //!< "vapor database file"
  std::string_view entries;      //!< "chemicals"
};

class DatabaseFile {
 public:
  DatabaseFile(DatabaseWords words, std::size_t recordLength);

  //! Opens, or creates empty when missing, the file named words.fileName in folder and counts its
  //! records. A file of more than MaxRecords records counts MaxRecords and refuses new records.
  //! opener, when given, takes every open of the path from here on (tests put another program's
  //! work or the system's refusals between its steps); otherwise the system's own opens are used.
  FileReport open(const std::filesystem::path& folder, files::PathOpener* opener = nullptr);
  //! The same on a file that the caller opened (tests); displayPath names it in messages.
  FileReport open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath);

  bool isOpen() const { return m_file.isOpen(); }
  //! True when records can be written: the file is open for writing and was read whole.
  bool canWrite() const { return m_file.isWritable() && !m_readFailed; }
  //! Path of the file as UTF-8, for messages.
  const std::string& displayPath() const { return m_displayPath; }

  //! The record count: 0 before open, then from the file length, rounded to the nearest record.
  std::int16_t count() const { return m_count; }
  //! Counts the opens of the path, successful or not: at start and each time recount() opens it
  //! again.
  std::uint64_t opens() const { return m_opens; }

  //! Makes the count that of the file at the path as it is now, and sets changed when it may
  //! differ from the records known so far. When another file has been put at the path, or none
  //! is there, opens the path again as open() does (creating an empty file where none is) and, if
  //! the lock was held, takes it on that file. When the file's length or times differ from when
  //! it was last counted or written, another program has written it: counts its records again.
  //! A file opened by its path that is not open or could not be read is opened again as at start,
  //! and one that could only be read is taken for writing once it can be. Any number of such
  //! changes in a row are each followed. A file that the caller opened and that is not open or
  //! could not be read is left as it is.
  FileReport recount(bool& changed);

  //! Takes the file's exclusive lock for a Save, waiting up to wait while another program holds
  //! it; the message says that nothing was saved. Does nothing when the lock is held already or
  //! when the file cannot be written (append and revise then say why).
  FileReport lock(std::chrono::milliseconds wait);
  //! Releases the lock, if it is held.
  void unlock();
  bool isLocked() const { return m_locked; }

  //! Reads records 1 to count() in one pass into bytes (count() x record length bytes). After a
  //! failure nothing is written until the file has been read whole again; afterSave: the message
  //! says that the entry just written was saved and that the list shows what is known.
  FileReport readAll(std::string& bytes, bool afterSave = false);
  //! Reads record n (1..count()) into bytes.
  FileReport readRecord(std::int16_t n, std::string& bytes);
  //! Writes bytes as record count() + 1 and counts it; refused at MaxRecords records. The caller
  //! holds the lock and has recounted under it, so that count() + 1 is the end of the file now.
  FileReport append(std::string_view bytes);
  //! Writes bytes over record n (1..count()).
  FileReport revise(std::int16_t n, std::string_view bytes);
  //! Marks the file as not read whole, so that nothing is written over records not known.
  void markReadFailed() { m_readFailed = true; }

  void close();

 private:
  //! Opens, or creates empty when missing, the file at path, and counts its records. Takes path by
  //! value: a reopen passes m_path, which the open clears.
  FileReport openAt(std::filesystem::path path);
  //! openOrCreate through the opener given at open(), or the system's.
  files::OpenedFile openPath(const std::filesystem::path& path);
  //! Makes opened, the file at path (or why it is not there), this database's file and counts it.
  FileReport adopt(files::OpenedFile opened, std::filesystem::path path);
  //! Closes the file that has left the path and opens the path again, keeping the lock if held.
  FileReport reopen();
  //! Writes bytes as record n (1..count() + 1) and keeps the file's version after it. Refused when
  //! the file is no longer the one at its path afterwards: the record is not where it is looked for.
  FileReport write(std::int64_t n, std::string_view bytes);
  FileReport problem(files::FileErrorKind kind, const std::string& message) const;
  //! The file as messages name it within a sentence: the vapor database file "<path>".
  std::string namedFile() const;
  FileReport countRecords();

  DatabaseWords m_words;
  std::size_t m_recordLength;
  files::RecordFile m_file;
  std::string m_displayPath;
  //! The path the file was opened by; empty for a file that the caller opened.
  std::filesystem::path m_path;
  files::PathOpener* m_opener = nullptr;  //!< how the path is opened; null: the system's opens
  std::int16_t m_count = 0;
  std::uint64_t m_opens = 0;
  //! The file's version when it was last counted or written; none when it is not known.
  std::optional<files::FileVersion> m_version;
  bool m_locked = false;
  std::chrono::milliseconds m_lockWait = SaveLockWait;  //!< the wait of the last lock()
  bool m_readFailed = false;
  bool m_tooMany = false;
};

}  // namespace tess::records
