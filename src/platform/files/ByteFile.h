// A random-access file of bytes: the one interface through which record files reach the disk, so
// that tests can hand the record code an in-memory file, a truncated one, or one that fails.
//
// Every operation reports failure as a FileError value and never throws. Bytes are read and
// written exactly as they are: there is no text mode and no translation of line ends.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files/FileError.h"

namespace tess::files {

//! What tells one state of a file's bytes from another without reading them: its length and the
//! times the system keeps of its last changes. Only ever compared: the times' units are the
//! system's own.
struct FileVersion {
  std::uint64_t length = 0;   //!< [bytes]
  std::int64_t modified = 0;  //!< last change of the bytes, as the file's times say
  std::int64_t changed = 0;   //!< last change of the bytes or of what the system keeps of the file

  bool operator==(const FileVersion&) const = default;
};

class ByteFile {
 public:
  virtual ~ByteFile() = default;

  //! Length of the file [bytes].
  virtual FileError length(std::uint64_t& bytes) = 0;
  //! Length and times of the file as they are now.
  virtual FileError version(FileVersion& version) = 0;
  //! Whether this file is still the one at the path it was opened by: false once it has been
  //! deleted there, or another file has been put in its place (renamed over it, as backup and
  //! synchronising tools do), while this one stayed open.
  virtual FileError stillAtPath(bool& atPath) = 0;
  //! Reads up to size bytes at offset into into (resized to what was read; short at the end).
  virtual FileError readAt(std::uint64_t offset, std::size_t size, std::string& into) = 0;
  //! Writes data at offset, extending the file when it reaches past the end, and flushes it to
  //! the operating system before returning.
  virtual FileError writeAt(std::uint64_t offset, std::string_view data) = 0;
  //! Cuts or extends the file to bytes [bytes].
  virtual FileError resize(std::uint64_t bytes) = 0;
  //! False when the file was opened for reading only.
  virtual bool writable() const = 0;
  //! Takes an exclusive lock on the file, so that no other program that locks it before writing
  //! (another copy of this one) writes it until unlock. While another holds the lock, tries again
  //! until wait has passed, then reports FileErrorKind::Locked. Reads stay allowed to everyone
  //! while the lock is held. Taking a lock already held through this file does nothing.
  virtual FileError lock(std::chrono::milliseconds wait) = 0;
  //! Releases the lock taken through this file, if any. Closing the file releases it too.
  virtual void unlock() = 0;
  //! Closes the file; later operations report FileErrorKind::Closed.
  virtual void close() = 0;
};

//! The result of opening a file on disk.
struct OpenedFile {
  std::unique_ptr<ByteFile> file;  //!< null when the file could not be opened at all
  FileError error;                 //!< why it could not be opened, or why only for reading
  bool created = false;            //!< the file was missing and has been created empty
};

//! The error of a PathOpener step that found something other than a regular file at the path.
inline constexpr int NotARegularFile = -1;

//! The three ways in which openOrCreate opens a path, each a single step of the system's, so that a
//! test can put another program's work between them. Each returns null when the file could not be
//! opened, with error set to the system's error number (ENOENT, EEXIST, EACCES...) or to
//! NotARegularFile. None of them waits for another program.
class PathOpener {
 public:
  virtual ~PathOpener() = default;
  //! Opens an existing file for reading and writing.
  virtual std::unique_ptr<ByteFile> openForUpdate(const std::filesystem::path& path, int& error);
  //! Creates a new empty file for reading and writing; fails with EEXIST when one is there.
  virtual std::unique_ptr<ByteFile> createNew(const std::filesystem::path& path, int& error);
  //! Opens an existing file for reading only.
  virtual std::unique_ptr<ByteFile> openForReading(const std::filesystem::path& path, int& error);
};

//! Opens the file at path for reading and writing in binary mode, creating it empty when it is
//! missing. A file that another program creates meanwhile is opened, never emptied. When it exists
//! but cannot be written (a read-only file or folder), it is opened for reading only: file is set,
//! file->writable() is false and error holds the reason (kind ReadOnly). When it can neither be
//! opened nor created, file is null and error says why. Something other than a file at the path (a
//! folder, a named pipe, a device, a link to nothing) is never opened: error has kind NotAFile and
//! says what is there ("it is a folder").
OpenedFile openOrCreate(const std::filesystem::path& path);
//! The same through opener's steps.
OpenedFile openOrCreate(const std::filesystem::path& path, PathOpener& opener);

}  // namespace tess::files
