// A ByteFile held in memory, for tests of code that reads and writes record files. It can stand
// for a full disk (writes that would make the file longer than a limit write what fits, then fail),
// for a medium that fails in the middle of a write, and, through the shared storage, for one file
// opened by two copies of the program, each taking the file's lock in turn.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "platform/files/ByteFile.h"

namespace tess::files {

class MemoryByteFile final : public ByteFile {
 public:
  //! The bytes of the file; shared so that a test can look at them after the file was handed on.
  struct Storage {
    std::string bytes;
    //! Writes and resizes beyond this length [bytes] fail after writing what fits (a full disk).
    std::uint64_t lengthLimit = std::numeric_limits<std::uint64_t>::max();
    bool writable = true;
    bool failReads = false;  //!< every read fails (an unreadable medium)
    //! The next write writes at most this many bytes [bytes], then fails (a medium failing
    //! mid-write); later writes work again.
    std::optional<std::size_t> failNextWriteAfter = std::nullopt;
    bool closed = false;
    //! The file's lock is held, by one of the files on this storage or, set by a test, by another
    //! program that keeps it: a lock() through any other file then fails at once.
    bool locked = false;
    //! Counts the writes and resizes, standing for the file's modification time.
    std::int64_t changes = 0;
    //! False once another program has deleted the file at its path or put another in its place.
    bool atPath = true;
  };

  explicit MemoryByteFile(std::shared_ptr<Storage> storage) : m_storage(std::move(storage)) {}

  FileError length(std::uint64_t& bytes) override;
  FileError version(FileVersion& version) override;
  FileError stillAtPath(bool& atPath) override;
  FileError readAt(std::uint64_t offset, std::size_t size, std::string& into) override;
  FileError writeAt(std::uint64_t offset, std::string_view data) override;
  FileError resize(std::uint64_t bytes) override;
  bool writable() const override { return m_storage->writable; }
  FileError lock(std::chrono::milliseconds wait) override;
  void unlock() override;
  void close() override;

 private:
  std::shared_ptr<Storage> m_storage;
  bool m_holdsLock = false;  //!< the storage's lock was taken through this file
};

}  // namespace tess::files
