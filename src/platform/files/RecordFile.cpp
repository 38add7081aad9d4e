#include "platform/files/RecordFile.h"

namespace tess::files {
namespace {
const FileError NotOpen = {FileErrorKind::Closed, "The file is not open."};
}  // namespace

RecordFile::RecordFile(std::unique_ptr<ByteFile> file, std::size_t recordLength)
    : m_file(std::move(file)), m_recordLength(recordLength == 0 ? 1 : recordLength) {}

RecordFile RecordFile::open(const std::filesystem::path& path, std::size_t recordLength,
                            FileError& error, bool* created) {
  OpenedFile opened = openOrCreate(path);
  error = opened.error;
  if (created != nullptr) *created = opened.created;
  return RecordFile(std::move(opened.file), recordLength);
}

std::uint64_t RecordFile::recordCountForLength(std::uint64_t fileLength, std::size_t recordLength) {
  if (recordLength == 0) return 0;
  return (fileLength + recordLength / 2) / recordLength;
}

FileError RecordFile::length(std::uint64_t& bytes) {
  bytes = 0;
  if (!m_file) return NotOpen;
  return m_file->length(bytes);
}

FileError RecordFile::version(FileVersion& version) {
  version = {};
  if (!m_file) return NotOpen;
  return m_file->version(version);
}

FileError RecordFile::stillAtPath(bool& atPath) {
  atPath = true;
  if (!m_file) return NotOpen;
  return m_file->stillAtPath(atPath);
}

FileError RecordFile::recordCount(std::uint64_t& count) {
  count = 0;
  if (!m_file) return NotOpen;
  std::uint64_t length = 0;
  if (FileError error = m_file->length(length)) return error;
  count = recordCountForLength(length, m_recordLength);
  return {};
}

FileError RecordFile::readRecord(std::uint64_t n, std::string& bytes) {
  return readRecords(n, 1, bytes);
}

FileError RecordFile::readRecords(std::uint64_t first, std::uint64_t count, std::string& bytes) {
  bytes.clear();
  if (!m_file) return NotOpen;
  if (first == 0) return {FileErrorKind::Argument, "Record numbers start at 1."};
  const std::size_t size = static_cast<std::size_t>(count) * m_recordLength;
  if (FileError error = m_file->readAt((first - 1) * m_recordLength, size, bytes)) return error;
  bytes.resize(size, ' ');
  return {};
}

FileError RecordFile::writeRecord(std::uint64_t n, std::string_view bytes) {
  if (!m_file) return NotOpen;
  if (bytes.size() != m_recordLength) {
    return {FileErrorKind::Argument, "A record must be " + std::to_string(m_recordLength) + " bytes long."};
  }
  std::uint64_t oldLength = 0;
  if (FileError error = m_file->length(oldLength)) return error;
  const std::uint64_t count = recordCountForLength(oldLength, m_recordLength);
  if (n == 0 || n > count + 1) {
    return {FileErrorKind::Argument, "Record " + std::to_string(n) + " is beyond the end of the file."};
  }
  if (!m_file->writable()) return {FileErrorKind::ReadOnly, "The file was opened for reading only."};

  const std::uint64_t offset = (n - 1) * m_recordLength;
  // Keep what this write may overwrite, to put it back if the write fails.
  std::string previous;
  if (offset < oldLength) {
    if (FileError error = m_file->readAt(offset, m_recordLength, previous)) return error;
  }
  const auto restore = [&](FileError failure) {
    if (!previous.empty()) m_file->writeAt(offset, previous);
    m_file->resize(oldLength);
    return failure;
  };

  // Pad a counted trailing part to a whole record before anything else is written.
  const std::uint64_t whole = count * m_recordLength;
  if (whole > oldLength) {
    if (FileError error = m_file->writeAt(oldLength, std::string(whole - oldLength, ' '))) {
      return restore(error);
    }
  }
  if (FileError error = m_file->writeAt(offset, bytes)) return restore(error);
  return {};
}

FileError RecordFile::lock(std::chrono::milliseconds wait) {
  if (!m_file) return NotOpen;
  return m_file->lock(wait);
}

void RecordFile::unlock() {
  if (m_file) m_file->unlock();
}

void RecordFile::close() {
  if (m_file) m_file->close();
  m_file.reset();
}

}  // namespace tess::files
