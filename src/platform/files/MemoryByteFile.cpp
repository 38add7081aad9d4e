#include "platform/files/MemoryByteFile.h"

#include <algorithm>
#include <utility>

namespace tess::files {
namespace {
const FileError DiskFull = {FileErrorKind::Write, "No space left on device"};
const FileError Closed = {FileErrorKind::Closed, "The file is not open."};
const FileError ReadOnly = {FileErrorKind::ReadOnly, "The file was opened for reading only."};
const FileError Locked = {FileErrorKind::Locked, "Another program holds the file's lock."};
}  // namespace

FileError MemoryByteFile::length(std::uint64_t& bytes) {
  if (m_storage->closed) return Closed;
  bytes = m_storage->bytes.size();
  return {};
}

FileError MemoryByteFile::version(FileVersion& version) {
  if (m_storage->closed) return Closed;
  version = {m_storage->bytes.size(), m_storage->changes, m_storage->changes};
  return {};
}

FileError MemoryByteFile::stillAtPath(bool& atPath) {
  atPath = m_storage->atPath;
  return m_storage->closed ? Closed : FileError{};
}

FileError MemoryByteFile::readAt(std::uint64_t offset, std::size_t size, std::string& into) {
  into.clear();
  if (m_storage->closed) return Closed;
  if (m_storage->failReads) return {FileErrorKind::Read, "Input/output error"};
  const std::string& bytes = m_storage->bytes;
  if (offset < bytes.size()) into = bytes.substr(static_cast<std::size_t>(offset), size);
  return {};
}

FileError MemoryByteFile::writeAt(std::uint64_t offset, std::string_view data) {
  if (m_storage->closed) return Closed;
  if (!m_storage->writable) return ReadOnly;
  if (const std::optional<std::size_t> cut = std::exchange(m_storage->failNextWriteAfter, std::nullopt)) {
    writeAt(offset, data.substr(0, std::min(*cut, data.size())));
    return {FileErrorKind::Write, "Input/output error"};
  }
  ++m_storage->changes;
  std::string& bytes = m_storage->bytes;
  const std::uint64_t end = offset + data.size();
  const std::uint64_t fits = std::min(end, std::max<std::uint64_t>(m_storage->lengthLimit, bytes.size()));
  if (fits > offset) {
    if (fits > bytes.size()) bytes.resize(static_cast<std::size_t>(fits), '\0');
    bytes.replace(static_cast<std::size_t>(offset), static_cast<std::size_t>(fits - offset),
                  data.substr(0, static_cast<std::size_t>(fits - offset)));
  }
  return fits < end ? DiskFull : FileError{};
}

FileError MemoryByteFile::resize(std::uint64_t newLength) {
  if (m_storage->closed) return Closed;
  if (!m_storage->writable) return ReadOnly;
  if (newLength > m_storage->bytes.size() && newLength > m_storage->lengthLimit) return DiskFull;
  ++m_storage->changes;
  m_storage->bytes.resize(static_cast<std::size_t>(newLength), '\0');
  return {};
}

// Nothing can release a lock held by another while this waits, so the wait is not waited out.
FileError MemoryByteFile::lock(std::chrono::milliseconds /*wait*/) {
  if (m_storage->closed) return Closed;
  if (m_holdsLock) return {};
  if (m_storage->locked) return Locked;
  m_storage->locked = true;
  m_holdsLock = true;
  return {};
}

void MemoryByteFile::unlock() {
  if (m_holdsLock) m_storage->locked = false;
  m_holdsLock = false;
}

void MemoryByteFile::close() {
  unlock();
  m_storage->closed = true;
}

}  // namespace tess::files
