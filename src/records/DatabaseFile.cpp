#include "records/DatabaseFile.h"

#include "platform/files/ProgramFolder.h"
#include "records/RecordIndex.h"

namespace tess::records {

using files::FileErrorKind;

DatabaseFile::DatabaseFile(DatabaseWords words, std::size_t recordLength)
    : m_words(words), m_recordLength(recordLength) {}

FileReport DatabaseFile::problem(FileErrorKind kind, const std::string& message) const {
  return FileProblem{kind, message};
}

std::string DatabaseFile::namedFile() const {
  return "the " + std::string(m_words.description) + " \"" + m_displayPath + "\"";
}

FileReport DatabaseFile::open(const std::filesystem::path& folder, files::PathOpener* opener) {
  m_opener = opener;
  return openAt(files::joinPath(folder, m_words.fileName));
}

files::OpenedFile DatabaseFile::openPath(const std::filesystem::path& path) {
  return m_opener != nullptr ? files::openOrCreate(path, *m_opener) : files::openOrCreate(path);
}

FileReport DatabaseFile::openAt(std::filesystem::path path) {
  files::OpenedFile opened = openPath(path);
  return adopt(std::move(opened), std::move(path));
}

FileReport DatabaseFile::adopt(files::OpenedFile opened, std::filesystem::path path) {
  ++m_opens;
  const std::string shown = files::pathToUtf8(path);
  const bool readOnly = opened.file && !opened.file->writable();
  FileReport report = open(std::move(opened.file), shown);
  m_path = std::move(path);
  if (!isOpen()) {
    return problem(opened.error.kind,
                   "The " + std::string(m_words.description) + " \"" + shown + "\" " +
                       files::describe(opened.error.kind) + ": " + opened.error.reason +
                       ".\r\nThe list of " + std::string(m_words.entries) +
                       " stays empty, and entries cannot be saved.");
  }
  if (!report && readOnly) {
    // An empty file lists nothing: the message says so rather than that its entries are listed.
    const std::string listed = m_count > 0 ? "Its " + std::string(m_words.entries) + " are listed, but"
                                           : "It holds no " + std::string(m_words.entries) + ", and";
    report = problem(FileErrorKind::ReadOnly, "The " + std::string(m_words.description) + " \"" + shown +
                                                  "\" can only be read: " + opened.error.reason + ".\r\n" +
                                                  listed + " entries cannot be saved.");
  }
  return report;
}

FileReport DatabaseFile::open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath) {
  m_displayPath = displayPath;
  m_path.clear();
  m_count = 0;
  m_version.reset();
  m_locked = false;
  m_readFailed = false;
  m_tooMany = false;
  m_file = file ? files::RecordFile(std::move(file), m_recordLength) : files::RecordFile();
  if (!m_file.isOpen()) return std::nullopt;
  return countRecords();
}

FileReport DatabaseFile::countRecords() {
  files::FileVersion version;
  if (files::FileError error = m_file.version(version)) {
    m_count = 0;
    m_version.reset();
    m_readFailed = true;
    return problem(error.kind, "The " + std::string(m_words.description) + " \"" + m_displayPath +
                                   "\" could not be read: " + error.reason + ".\r\nThe list of " +
                                   std::string(m_words.entries) +
                                   " stays empty, and entries cannot be saved.");
  }
  m_version = version;
  const std::uint64_t count = files::RecordFile::recordCountForLength(version.length, m_recordLength);
  m_tooMany = false;
  if (count > static_cast<std::uint64_t>(MaxRecords)) {
    m_tooMany = true;
    m_count = MaxRecords;
    FileReport notice = problem(FileErrorKind::Argument,
                                "The " + std::string(m_words.description) + " \"" + m_displayPath +
                                    "\" holds more than 32,767 records.\r\nOnly the first 32,767 are listed, "
                                    "and no new entry can be saved.");
    notice->notice = true;
    return notice;
  }
  m_count = static_cast<std::int16_t>(count);
  return std::nullopt;
}

FileReport DatabaseFile::recount(bool& changed) {
  changed = false;
  const bool byPath = !m_path.empty();
  // What stood in the way at the last open or read (something else at the path, a folder that
  // could not be written, a failing disk) may have been put right since: open the path as at start.
  if (byPath && (!m_file.isOpen() || m_readFailed)) {
    changed = true;
    return reopen();
  }
  if (!m_file.isOpen() || m_readFailed) return std::nullopt;
  // A file that could only be read is taken for writing once the path can be written (its mode or
  // its folder's changed); until then the one open stays, and nothing is said again.
  if (byPath && !m_file.isWritable()) {
    files::OpenedFile opened = openPath(m_path);
    if (opened.file && opened.file->writable()) {
      changed = true;
      return adopt(std::move(opened), m_path);
    }
  }
  // Only a file opened by its path can have left it.
  for (int round = 0; byPath; ++round) {
    bool atPath = true;
    if (files::FileError error = m_file.stillAtPath(atPath)) {
      return problem(error.kind, "The " + std::string(m_words.description) + " \"" + m_displayPath +
                                     "\" could not be read: " + error.reason + ".");
    }
    if (atPath) break;
    changed = true;
    if (round == MaxReopens) {
      return problem(FileErrorKind::Open, "The " + std::string(m_words.description) + " \"" + m_displayPath +
                                              "\" is being replaced by another program.\r\nNothing has been "
                                              "saved in it. Try again in a moment.");
    }
    if (FileReport report = reopen()) return report;
  }
  files::FileVersion version;
  const bool known = !m_file.version(version);
  if (known && m_version == version) return std::nullopt;
  changed = true;
  return countRecords();
}

FileReport DatabaseFile::reopen() {
  const bool relock = m_locked;
  m_file.close();  // releases the lock, which no longer keeps anyone from the file at the path
  m_locked = false;
  if (FileReport report = openAt(m_path)) return report;
  return relock ? lock(m_lockWait) : std::nullopt;
}

FileReport DatabaseFile::lock(std::chrono::milliseconds wait) {
  if (m_locked || !canWrite()) return std::nullopt;
  m_lockWait = wait;
  if (files::FileError error = m_file.lock(wait)) {
    const std::string file = namedFile();
    if (error.kind == FileErrorKind::Locked) {
      return problem(error.kind, "The entry was not saved: " + file +
                                     " is in use by another program.\r\nNothing in the file has changed. "
                                     "Try Save again in a moment.");
    }
    return problem(error.kind, "The entry was not saved: " + file + " could not be locked: " + error.reason +
                                   ".\r\nNothing in the file has changed.");
  }
  m_locked = true;
  return std::nullopt;
}

void DatabaseFile::unlock() {
  if (m_locked) m_file.unlock();
  m_locked = false;
}

FileReport DatabaseFile::readAll(std::string& bytes, bool afterSave) {
  bytes.clear();
  if (m_count == 0) return std::nullopt;
  if (files::FileError error = m_file.readRecords(1, static_cast<std::uint64_t>(m_count), bytes)) {
    m_readFailed = true;
    if (afterSave) {
      return problem(error.kind, "The entry was saved, but " + namedFile() +
                                     " could not be read back: " + error.reason + ".\r\nThe list shows the " +
                                     std::string(m_words.entries) + " read before and the one saved.");
    }
    return problem(error.kind, "The " + std::string(m_words.description) + " \"" + m_displayPath +
                                   "\" could not be read: " + error.reason + ".\r\nThe list of " +
                                   std::string(m_words.entries) +
                                   " stays empty, and entries cannot be saved.");
  }
  return std::nullopt;
}

FileReport DatabaseFile::readRecord(std::int16_t n, std::string& bytes) {
  bytes.clear();
  if (n < 1 || n > m_count) {
    return problem(FileErrorKind::Argument, "Record " + std::to_string(n) + " of the " +
                                                std::string(m_words.description) + " \"" +
                                                m_displayPath + "\" does not exist.");
  }
  if (files::FileError error = m_file.readRecord(static_cast<std::uint64_t>(n), bytes)) {
    return problem(error.kind, "Record " + std::to_string(n) + " of the " +
                                   std::string(m_words.description) + " \"" + m_displayPath +
                                   "\" could not be read: " + error.reason + ".");
  }
  return std::nullopt;
}

FileReport DatabaseFile::append(std::string_view bytes) {
  const std::string file = namedFile();
  if (!m_file.isOpen()) {
    return problem(FileErrorKind::Closed, "The entry was not saved: " + file + " is not open.");
  }
  if (m_tooMany || m_count >= MaxRecords) {
    return problem(FileErrorKind::Argument, "The entry was not saved: " + file +
                                                " already holds 32,767 records, the most it can hold.");
  }
  if (!canWrite()) {
    return problem(FileErrorKind::ReadOnly, "The entry was not saved: " + file +
                                                (m_readFailed ? " could not be read." : " can only be read."));
  }
  if (FileReport report = write(m_count + 1, bytes)) return report;
  ++m_count;
  return std::nullopt;
}

FileReport DatabaseFile::revise(std::int16_t n, std::string_view bytes) {
  const std::string file = namedFile();
  if (!m_file.isOpen()) {
    return problem(FileErrorKind::Closed, "The entry was not saved: " + file + " is not open.");
  }
  if (n < 1 || n > m_count) {
    return problem(FileErrorKind::Argument, "The entry was not saved: record " + std::to_string(n) +
                                                " of " + file + " does not exist.");
  }
  if (!canWrite()) {
    return problem(FileErrorKind::ReadOnly, "The entry was not saved: " + file +
                                                (m_readFailed ? " could not be read." : " can only be read."));
  }
  return write(n, bytes);
}

FileReport DatabaseFile::write(std::int64_t n, std::string_view bytes) {
  const std::string file = namedFile();
  if (files::FileError error = m_file.writeRecord(static_cast<std::uint64_t>(n), bytes)) {
    return problem(error.kind, "The entry could not be saved in " + file + ": " + error.reason +
                                   ".\r\nNothing in the file has changed.");
  }
  files::FileVersion version;
  if (!m_file.version(version)) m_version = version;
  // Another program may have put a file in this one's place while the record was written: the
  // record is then not in the file at the path. The next Save or Search reads that file.
  bool atPath = true;
  const files::FileError error = m_file.stillAtPath(atPath);
  if (!error && atPath) return std::nullopt;
  m_version.reset();
  if (error) {
    return problem(error.kind, "The entry may not have been saved: " + file +
                                   " could not be read: " + error.reason + ".\r\nSave it again.");
  }
  return problem(FileErrorKind::Write, "The entry was not saved: " + file +
                                           " was replaced by another program while the entry was written."
                                           "\r\nSave it again.");
}

void DatabaseFile::close() {
  m_file.close();
  m_locked = false;
}

}  // namespace tess::records
