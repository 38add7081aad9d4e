// The open record file of one database with its record count, shared by modVapor and
// ModCartridge: opening or creating the file in a folder, counting, reading and writing records,
// the file's lock, and the user's messages for every failure.
//
// Other copies of the program may write the same file at the same time. The count is taken from
// the file's length, and recount() tells when the length has changed since. Writes are made under
// the file's exclusive lock (lock()), taken before the count is read again, so that an append goes
// after the last record of the file as it is then.
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
};

//! Empty on success.
using FileReport = std::optional<FileProblem>;

//! How long Save waits for another program (another copy of this one) to release a record file's
//! lock before it gives up and says so [ms].
inline constexpr std::chrono::milliseconds SaveLockWait{5000};

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
  FileReport open(const std::filesystem::path& folder);
  //! The same on a file that the caller opened (tests); displayPath names it in messages.
  FileReport open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath);

  bool isOpen() const { return m_file.isOpen(); }
  //! True when records can be written: the file is open for writing and was read whole.
  bool canWrite() const { return m_file.isWritable() && !m_readFailed; }
  //! Path of the file as UTF-8, for messages.
  const std::string& displayPath() const { return m_displayPath; }

  //! The record count: 0 before open, then from the file length, rounded to the nearest record.
  std::int16_t count() const { return m_count; }

  //! Reads the file's length again. When it differs from the length last counted or written,
  //! another program has written the file: counts its records again and sets changed. Does nothing
  //! on a file that is not open or could not be read before.
  FileReport recount(bool& changed);

  //! Takes the file's exclusive lock for a Save, waiting up to wait while another program holds
  //! it; the message says that nothing was saved. Does nothing when the lock is held already or
  //! when the file cannot be written (append and revise then say why).
  FileReport lock(std::chrono::milliseconds wait);
  //! Releases the lock, if it is held.
  void unlock();
  bool isLocked() const { return m_locked; }

  //! Reads records 1 to count() in one pass into bytes (count() x record length bytes).
  FileReport readAll(std::string& bytes);
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
  FileReport problem(files::FileErrorKind kind, const std::string& message) const;
  //! The file as messages name it within a sentence: the vapor database file "<path>".
  std::string namedFile() const;
  FileReport countRecords();

  DatabaseWords m_words;
  std::size_t m_recordLength;
  files::RecordFile m_file;
  std::string m_displayPath;
  std::int16_t m_count = 0;
  //! The file's length when it was last counted or written [bytes]; none when it is not known.
  std::optional<std::uint64_t> m_length;
  bool m_locked = false;
  bool m_readFailed = false;
  bool m_tooMany = false;
};

}  // namespace tess::records
