// ByteFile on a real file through the C runtime's streams, unbuffered, always in binary mode.
//
// Whether an open file is still the one at its path: on Linux, the device and inode numbers of the
// open file and of the path are compared, since the path may be deleted or renamed over while the
// file stays open. On Windows neither can happen: the C runtime opens files without the share
// mode that allows deleting them, so deleting the path, or renaming another file over it, is
// refused while the file is open, and the open file is always the one at its path.
//
// The lock is the operating system's: flock on Linux (whole-file and advisory: it binds only
// programs that lock too, and it is held per open file, so two opens of one path contend even in
// one process), LockFileEx on Windows. A Windows lock forbids the locked bytes to every other
// handle, reads included, so it is put on one byte far beyond any record (LockOffset): copies
// that read the file while another one writes it are never refused.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/files/ByteFile.h"
#include "platform/files/ProgramFolder.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tess::files {
namespace {

std::string osReason(int error) {
  const char* text = std::strerror(error);
  return text != nullptr ? std::string(text) : "error " + std::to_string(error);
}

// Opens the existing regular file at path for reading and writing, or for reading only; null, with
// error saying why, when it cannot. Something else at the path is refused with NotARegularFile.
// On Linux the open never waits: a named pipe put at the path would hold an open for reading until
// some program wrote to it.
std::FILE* openStream(const std::filesystem::path& path, bool forUpdate, int& error) {
#ifdef _WIN32
  std::FILE* stream = ::_wfopen(path.c_str(), forUpdate ? L"r+b" : L"rb");
  if (stream == nullptr) error = errno != 0 ? errno : EIO;
  return stream;
#else
  const int descriptor = ::open(path.c_str(), (forUpdate ? O_RDWR : O_RDONLY) | O_NONBLOCK);
  if (descriptor < 0) {
    error = errno;
    return nullptr;
  }
  struct stat status {};
  const bool known = ::fstat(descriptor, &status) == 0;
  if (!known || !S_ISREG(status.st_mode)) {
    error = known ? NotARegularFile : errno;
    ::close(descriptor);
    return nullptr;
  }
  // A regular file never blocks; the stream's reads and writes are plain ones.
  ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  std::FILE* stream = ::fdopen(descriptor, forUpdate ? "r+b" : "rb");
  if (stream == nullptr) {
    error = errno;
    ::close(descriptor);
  }
  return stream;
#endif
}

// Creates a new file at path and opens it for reading and writing; null, with error saying why,
// when it cannot. The create is exclusive, so that a file that another program created since the
// file was found missing is never emptied.
std::FILE* createStream(const std::filesystem::path& path, int& error) {
#ifdef _WIN32
  const int descriptor =
      ::_wopen(path.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  std::FILE* stream = descriptor < 0 ? nullptr : ::_fdopen(descriptor, "r+b");
  const auto closeDescriptor = ::_close;
#else
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
  std::FILE* stream = descriptor < 0 ? nullptr : ::fdopen(descriptor, "r+b");
  const auto closeDescriptor = ::close;
#endif
  if (stream == nullptr) {
    error = errno != 0 ? errno : EIO;
    if (descriptor >= 0) closeDescriptor(descriptor);
  }
  return stream;
}

// What is at path when no record file can be there, in words ("it is a folder"); empty when the
// path names a file, a link to one, or nothing (which is then created). Looked at before any open,
// so that nothing is ever opened that could hold the program up or be read as records.
std::string notARecordFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  const fs::file_type own = fs::symlink_status(path, ignored).type();
  const fs::file_type kind = fs::status(path, ignored).type();
  if (own == fs::file_type::symlink && kind == fs::file_type::not_found) {
    return "it is a link to \"" + pathToUtf8(fs::read_symlink(path, ignored)) + "\", which does not exist";
  }
  switch (kind) {
    case fs::file_type::directory: return "it is a folder";
    case fs::file_type::fifo: return "it is a named pipe (FIFO)";
    case fs::file_type::block:
    case fs::file_type::character: return "it is a device";
    case fs::file_type::socket: return "it is a socket";
    default: return {};
  }
}

int seekTo(std::FILE* stream, std::uint64_t offset, int origin) {
#ifdef _WIN32
  return ::_fseeki64(stream, static_cast<__int64>(offset), origin);
#else
  return ::fseeko(stream, static_cast<off_t>(offset), origin);
#endif
}

std::int64_t position(std::FILE* stream) {
#ifdef _WIN32
  return ::_ftelli64(stream);
#else
  return ::ftello(stream);
#endif
}

int resizeStream(std::FILE* stream, std::uint64_t bytes) {
#ifdef _WIN32
  return ::_chsize_s(::_fileno(stream), static_cast<__int64>(bytes)) == 0 ? 0 : -1;
#else
  return ::ftruncate(::fileno(stream), static_cast<off_t>(bytes));
#endif
}

//! How long to sleep between two attempts to take a lock that another program holds [ms].
constexpr std::chrono::milliseconds LockRetryInterval{50};

const FileError LockedByAnother = {FileErrorKind::Locked, "Another program holds the file's lock."};

// One attempt to take the exclusive lock without waiting. Returns true when it is held; otherwise
// false, with contended set when another holds it and reason saying why it failed.
#ifdef _WIN32
//! Offset of the one byte that the Windows lock covers [bytes]: 2^62, beyond any record.
constexpr DWORD LockOffsetHigh = 0x40000000;

HANDLE osHandle(std::FILE* stream) { return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream))); }

bool tryLock(std::FILE* stream, bool& contended, std::string& reason) {
  OVERLAPPED range{};
  range.OffsetHigh = LockOffsetHigh;
  if (::LockFileEx(osHandle(stream), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range)) {
    return true;
  }
  const DWORD code = ::GetLastError();
  contended = code == ERROR_LOCK_VIOLATION;
  reason = "Windows error " + std::to_string(code);
  return false;
}

void releaseLock(std::FILE* stream) {
  OVERLAPPED range{};
  range.OffsetHigh = LockOffsetHigh;
  ::UnlockFileEx(osHandle(stream), 0, 1, 0, &range);
}
#else
bool tryLock(std::FILE* stream, bool& contended, std::string& reason) {
  int result = 0;
  do {
    result = ::flock(::fileno(stream), LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) return true;
  contended = errno == EWOULDBLOCK;
  reason = osReason(errno);
  return false;
}

void releaseLock(std::FILE* stream) { ::flock(::fileno(stream), LOCK_UN); }
#endif

// The file's length and times; false, with the reason, when the system cannot tell them.
#ifdef _WIN32
bool readVersion(std::FILE* stream, FileVersion& version, std::string& reason) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(osHandle(stream), &info)) {
    reason = "Windows error " + std::to_string(::GetLastError());
    return false;
  }
  version.length = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  version.modified =
      static_cast<std::int64_t>((static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                                info.ftLastWriteTime.dwLowDateTime);
  version.changed = version.modified;
  return true;
}
#else
std::int64_t nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

bool readVersion(std::FILE* stream, FileVersion& version, std::string& reason) {
  struct stat status {};
  if (::fstat(::fileno(stream), &status) != 0) {
    reason = osReason(errno);
    return false;
  }
  version.length = static_cast<std::uint64_t>(status.st_size);
  version.modified = nanoseconds(status.st_mtim);
  version.changed = nanoseconds(status.st_ctim);
  return true;
}
#endif

class DiskFile final : public ByteFile {
 public:
  DiskFile(std::FILE* stream, std::filesystem::path path, bool writable)
      : m_stream(stream), m_path(std::move(path)), m_writable(writable) {
    // Unbuffered: every write reaches the operating system at once, and a failed write leaves no
    // buffered bytes behind that a later operation could put in the wrong place.
    std::setvbuf(m_stream, nullptr, _IONBF, 0);
  }
  ~DiskFile() override { close(); }
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  FileError length(std::uint64_t& bytes) override {
    if (m_stream == nullptr) return closedError();
    errno = 0;
    if (seekTo(m_stream, 0, SEEK_END) != 0) return error(FileErrorKind::Read);
    const std::int64_t end = position(m_stream);
    if (end < 0) return error(FileErrorKind::Read);
    bytes = static_cast<std::uint64_t>(end);
    return {};
  }

  FileError version(FileVersion& version) override {
    if (m_stream == nullptr) return closedError();
    std::string reason;
    if (!readVersion(m_stream, version, reason)) return {FileErrorKind::Read, reason};
    return {};
  }

  FileError stillAtPath(bool& atPath) override {
    atPath = true;
    if (m_stream == nullptr) return closedError();
#ifndef _WIN32
    struct stat open {};
    struct stat there {};
    if (::fstat(::fileno(m_stream), &open) != 0) return error(FileErrorKind::Read);
    if (::stat(m_path.c_str(), &there) != 0) {
      if (errno != ENOENT && errno != ENOTDIR) return error(FileErrorKind::Read);
      atPath = false;
      return {};
    }
    atPath = open.st_dev == there.st_dev && open.st_ino == there.st_ino;
#endif
    return {};
  }

  FileError readAt(std::uint64_t offset, std::size_t size, std::string& into) override {
    into.clear();
    if (m_stream == nullptr) return closedError();
    errno = 0;
    if (seekTo(m_stream, offset, SEEK_SET) != 0) return error(FileErrorKind::Read);
    into.resize(size);
    const std::size_t got = std::fread(into.data(), 1, size, m_stream);
    into.resize(got);
    if (got < size && std::ferror(m_stream) != 0) {
      std::clearerr(m_stream);
      return error(FileErrorKind::Read);
    }
    std::clearerr(m_stream);
    return {};
  }

  FileError writeAt(std::uint64_t offset, std::string_view data) override {
    if (m_stream == nullptr) return closedError();
    if (!m_writable) return {FileErrorKind::ReadOnly, "The file was opened for reading only."};
    errno = 0;
    if (seekTo(m_stream, offset, SEEK_SET) != 0) return error(FileErrorKind::Write);
    const std::size_t put = std::fwrite(data.data(), 1, data.size(), m_stream);
    const bool failed = put < data.size() || std::fflush(m_stream) != 0;
    if (failed) {
      FileError result = error(FileErrorKind::Write);
      std::clearerr(m_stream);
      return result;
    }
    return {};
  }

  FileError resize(std::uint64_t bytes) override {
    if (m_stream == nullptr) return closedError();
    if (!m_writable) return {FileErrorKind::ReadOnly, "The file was opened for reading only."};
    errno = 0;
    if (resizeStream(m_stream, bytes) != 0) return error(FileErrorKind::Write);
    return {};
  }

  bool writable() const override { return m_writable; }

  FileError lock(std::chrono::milliseconds wait) override {
    if (m_stream == nullptr) return closedError();
    if (m_locked) return {};
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
      bool contended = false;
      std::string reason;
      if (tryLock(m_stream, contended, reason)) {
        m_locked = true;
        return {};
      }
      if (!contended) return {FileErrorKind::Write, reason};
      const auto now = std::chrono::steady_clock::now();
      if (now >= deadline) return LockedByAnother;
      std::this_thread::sleep_for(
          std::min<std::chrono::steady_clock::duration>(LockRetryInterval, deadline - now));
    }
  }

  void unlock() override {
    if (m_stream != nullptr && m_locked) releaseLock(m_stream);
    m_locked = false;
  }

  void close() override {
    unlock();
    if (m_stream != nullptr) std::fclose(m_stream);
    m_stream = nullptr;
  }

 private:
  static FileError closedError() { return {FileErrorKind::Closed, "The file is not open."}; }
  static FileError error(FileErrorKind kind) {
    const int code = errno;
    return {kind, code != 0 ? osReason(code) : std::string("Input/output error")};
  }

  std::FILE* m_stream = nullptr;
  std::filesystem::path m_path;  //!< the path the file was opened by
  bool m_writable = false;
  bool m_locked = false;  //!< this file holds the lock
};

//! A file on stream as opened by path, or null when there is none (error then says why).
std::unique_ptr<ByteFile> diskFile(std::FILE* stream, const std::filesystem::path& path, bool writable) {
  if (stream == nullptr) return nullptr;
  return std::make_unique<DiskFile>(stream, path, writable);
}

//! How many times openOrCreate starts again when the file appears or disappears between two of its
//! steps: another copy of the program creating it, or a synchronising tool replacing it.
constexpr int OpenRounds = 8;

}  // namespace

std::unique_ptr<ByteFile> PathOpener::openForUpdate(const std::filesystem::path& path, int& error) {
  errno = 0;
  return diskFile(openStream(path, true, error), path, true);
}

std::unique_ptr<ByteFile> PathOpener::openForReading(const std::filesystem::path& path, int& error) {
  errno = 0;
  return diskFile(openStream(path, false, error), path, false);
}

std::unique_ptr<ByteFile> PathOpener::createNew(const std::filesystem::path& path, int& error) {
  errno = 0;
  return diskFile(createStream(path, error), path, true);
}

OpenedFile openOrCreate(const std::filesystem::path& path) {
  PathOpener opener;
  return openOrCreate(path, opener);
}

OpenedFile openOrCreate(const std::filesystem::path& path, PathOpener& opener) {
  OpenedFile opened;
  int error = 0;
  for (int round = 0; round < OpenRounds; ++round) {
    if (std::string what = notARecordFile(path); !what.empty()) {
      opened.error = {FileErrorKind::NotAFile, what};
      return opened;
    }
    if ((opened.file = opener.openForUpdate(path, error))) return opened;
    if (error == NotARegularFile) continue;  // put there since it was looked at: say what it is
    if (error == ENOENT) {
      if ((opened.file = opener.createNew(path, error))) {
        opened.created = true;
        return opened;
      }
      if (error == EEXIST) continue;  // created meanwhile: open it as it is
      opened.error = {FileErrorKind::Create, osReason(error)};
      return opened;
    }
    // The file exists but cannot be written: open it for reading so that its records can be used.
    const int updateError = error;
    if ((opened.file = opener.openForReading(path, error))) {
      opened.error = {FileErrorKind::ReadOnly, osReason(updateError)};
      return opened;
    }
    if (error != ENOENT && error != NotARegularFile) break;  // not gone meanwhile: it cannot be opened
  }
  opened.error = error == NotARegularFile
                     ? FileError{FileErrorKind::NotAFile, "something other than a file keeps being put there"}
                     : FileError{FileErrorKind::Open, osReason(error)};
  return opened;
}

}  // namespace tess::files
