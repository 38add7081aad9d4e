// A file of fixed-length records: no header, no separators; record n (counted from 1) occupies the
// bytes (n - 1) x length to n x length - 1.
//
// The number of records is the file length divided by the record length, rounded to the nearest
// whole number: a trailing part of at least half a record counts as a record and reads as if padded
// with blanks; a shorter one is not counted, reads as nothing and is replaced by the next append.
//
// Writing keeps the file whole:
// - before a write, a counted trailing part is padded with blanks to a whole record, so that no
//   record goes out of alignment;
// - every write is flushed to the operating system before it returns;
// - when a write fails (a full disk, an I/O error), the bytes it may have overwritten are written
//   back and the file is cut back to its former length, so nothing that was in it is lost.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files/ByteFile.h"

namespace tess::files {

class RecordFile {
 public:
  RecordFile() = default;
  //! A record file on file, whose records are recordLength [bytes] long.
  RecordFile(std::unique_ptr<ByteFile> file, std::size_t recordLength);

  //! Opens or creates the file at path (see openOrCreate). On failure the result is not open and
  //! error says why; a file that can only be read is open and error has kind ReadOnly.
  static RecordFile open(const std::filesystem::path& path, std::size_t recordLength,
                         FileError& error, bool* created = nullptr);

  bool isOpen() const { return m_file != nullptr; }
  bool isWritable() const { return m_file != nullptr && m_file->writable(); }
  std::size_t recordLength() const { return m_recordLength; }

  //! The number of records for a file of fileLength [bytes], rounded to the nearest whole number.
  static std::uint64_t recordCountForLength(std::uint64_t fileLength, std::size_t recordLength);

  //! The length of the file as it is now [bytes].
  FileError length(std::uint64_t& bytes);
  //! The file's length and times as they are now (see ByteFile::version).
  FileError version(FileVersion& version);
  //! Whether the file is still the one at the path it was opened by (see ByteFile::stillAtPath).
  FileError stillAtPath(bool& atPath);
  //! The number of records in the file, rounded as above.
  FileError recordCount(std::uint64_t& count);

  //! Reads record n (from 1) into bytes, exactly recordLength() bytes; what lies past the end of
  //! the file reads as blanks.
  FileError readRecord(std::uint64_t n, std::string& bytes);

  //! Reads records first to first + count - 1 in one pass into bytes, count x recordLength()
  //! bytes, blank-padded past the end of the file.
  FileError readRecords(std::uint64_t first, std::uint64_t count, std::string& bytes);

  //! Writes bytes (exactly recordLength() of them) as record n, which lies between 1 and the
  //! record count + 1; n = count + 1 extends the file by one record.
  FileError writeRecord(std::uint64_t n, std::string_view bytes);

  //! Takes the file's exclusive lock, waiting up to wait while another program holds it (see
  //! ByteFile::lock); FileErrorKind::Locked when it could not be had in that time.
  FileError lock(std::chrono::milliseconds wait);
  //! Releases the lock, if this file holds it.
  void unlock();

  //! Closes the file, releasing its lock; later operations report FileErrorKind::Closed.
  void close();

 private:
  std::unique_ptr<ByteFile> m_file;
  std::size_t m_recordLength = 1;
};

}  // namespace tess::files
