// A PathOpener that stands in for the system's refusals and for another program at work on a
// record file. Without faults it opens as the system does. With them it refuses to open a file for
// writing or to create one (as a file or folder without write access does), runs another program's
// work around an open, and wraps every file it opens so that work can be put just before a write,
// or a read, a write or the check of the path made to fail.
#pragma once

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/files/ByteFile.h"

namespace tess::testing {

struct FileFaults {
  bool refuseUpdate = false;  //!< an existing file is opened for reading only (EACCES)
  bool refuseCreate = false;  //!< a missing file cannot be created (EACCES)
  //! Another program's work just after each open of the path for writing.
  std::function<void()> afterUpdate;
  //! Another program's work just before the next write of a record; runs once.
  std::function<void()> beforeWrite;
  std::optional<files::FileError> failWrites;     //!< every write fails so, writing nothing
  std::optional<files::FileError> failReads;      //!< every read fails so
  std::optional<files::FileError> failPathCheck;  //!< every check of the path fails so
};

//! A file opened through StandInOpener: the system's file, with the opener's faults.
class FaultyFile final : public files::ByteFile {
 public:
  FaultyFile(std::unique_ptr<files::ByteFile> file, FileFaults& faults)
      : m_file(std::move(file)), m_faults(faults) {}

  files::FileError length(std::uint64_t& bytes) override { return m_file->length(bytes); }
  files::FileError version(files::FileVersion& version) override { return m_file->version(version); }
  files::FileError stillAtPath(bool& atPath) override {
    if (m_faults.failPathCheck) return *m_faults.failPathCheck;
    return m_file->stillAtPath(atPath);
  }
  files::FileError readAt(std::uint64_t offset, std::size_t size, std::string& into) override {
    if (m_faults.failReads) return *m_faults.failReads;
    return m_file->readAt(offset, size, into);
  }
  files::FileError writeAt(std::uint64_t offset, std::string_view data) override {
    if (m_faults.beforeWrite) std::exchange(m_faults.beforeWrite, nullptr)();
    if (m_faults.failWrites) return *m_faults.failWrites;
    return m_file->writeAt(offset, data);
  }
  files::FileError resize(std::uint64_t bytes) override { return m_file->resize(bytes); }
  bool writable() const override { return m_file->writable(); }
  files::FileError lock(std::chrono::milliseconds wait) override { return m_file->lock(wait); }
  void unlock() override { m_file->unlock(); }
  void close() override { m_file->close(); }

 private:
  std::unique_ptr<files::ByteFile> m_file;
  FileFaults& m_faults;
};

class StandInOpener : public files::PathOpener {
 public:
  std::unique_ptr<files::ByteFile> openForUpdate(const std::filesystem::path& path, int& error) override {
    std::unique_ptr<files::ByteFile> file;
    if (faults.refuseUpdate && std::filesystem::exists(path)) {
      error = EACCES;
    } else {
      file = wrap(PathOpener::openForUpdate(path, error));
    }
    if (faults.afterUpdate) faults.afterUpdate();
    return file;
  }
  std::unique_ptr<files::ByteFile> createNew(const std::filesystem::path& path, int& error) override {
    if (!faults.refuseCreate) return wrap(PathOpener::createNew(path, error));
    error = EACCES;
    return nullptr;
  }
  std::unique_ptr<files::ByteFile> openForReading(const std::filesystem::path& path, int& error) override {
    return wrap(PathOpener::openForReading(path, error));
  }

  FileFaults faults;

 private:
  std::unique_ptr<files::ByteFile> wrap(std::unique_ptr<files::ByteFile> file) {
    if (!file) return nullptr;
    return std::make_unique<FaultyFile>(std::move(file), faults);
  }
};

}  // namespace tess::testing
