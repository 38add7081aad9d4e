#include "platform/files/RecordFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "files/TemporaryFolder.h"
#include "platform/files/MemoryByteFile.h"
#include "platform/files/ProgramFolder.h"

using namespace tess::files;
using tess::testing::TemporaryFolder;

namespace {

constexpr std::size_t Length = 117;

std::string record(char fill) { return std::string(Length, fill); }

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

RecordFile memoryFile(std::shared_ptr<MemoryByteFile::Storage> storage) {
  return RecordFile(std::make_unique<MemoryByteFile>(std::move(storage)), Length);
}

TEST(RecordFile, CountRoundsTheLengthToTheNearestRecord) {
  EXPECT_EQ(RecordFile::recordCountForLength(0, 117), 0u);
  EXPECT_EQ(RecordFile::recordCountForLength(58, 117), 0u);
  EXPECT_EQ(RecordFile::recordCountForLength(59, 117), 1u);
  EXPECT_EQ(RecordFile::recordCountForLength(10 * 117 + 58, 117), 10u);
  EXPECT_EQ(RecordFile::recordCountForLength(10 * 117 + 59, 117), 11u);
  EXPECT_EQ(RecordFile::recordCountForLength(10 * 99 + 49, 99), 10u);
  EXPECT_EQ(RecordFile::recordCountForLength(10 * 99 + 50, 99), 11u);
}

TEST(RecordFile, MissingFileIsCreatedEmptyAndRecordsReadBackByteForByte) {
  TemporaryFolder folder;
  const auto path = joinPath(folder.path(), "VaporB30.DB");
  FileError error;
  bool created = false;
  RecordFile file = RecordFile::open(path, Length, error, &created);
  ASSERT_TRUE(file.isOpen());
  EXPECT_FALSE(error);
  EXPECT_TRUE(created);
  std::uint64_t count = 99;
  EXPECT_FALSE(file.recordCount(count));
  EXPECT_EQ(count, 0u);

  // Every byte value, line ends included, goes through unchanged.
  std::string all(Length, ' ');
  for (std::size_t k = 0; k < Length; ++k) all[k] = static_cast<char>((k * 37 + 10) % 256);
  all[0] = '\r', all[1] = '\n', all[2] = '\x1A';
  for (std::uint64_t n = 1; n <= 10; ++n) ASSERT_FALSE(file.writeRecord(n, n == 5 ? all : record(char('A' + n))));
  EXPECT_EQ(std::filesystem::file_size(path), 10 * Length);
  std::string bytes;
  EXPECT_FALSE(file.readRecord(5, bytes));
  EXPECT_EQ(bytes, all);

  // Revise in place, then reopen: the count and bytes are what was written.
  ASSERT_FALSE(file.writeRecord(3, record('z')));
  file.close();
  EXPECT_EQ(fileBytes(path).substr(2 * Length, Length), record('z'));
  RecordFile again = RecordFile::open(path, Length, error, &created);
  EXPECT_FALSE(created);
  EXPECT_FALSE(again.recordCount(count));
  EXPECT_EQ(count, 10u);
  EXPECT_FALSE(again.readRecords(4, 2, bytes));
  EXPECT_EQ(bytes, record('E') + all);
}

TEST(RecordFile, TrailingPartialRecordReadsPaddedAndIsPaddedBeforeTheNextWrite) {
  TemporaryFolder folder;
  const auto path = joinPath(folder.path(), "VaporB30.DB");
  // Two whole records and 60 bytes of a third: three records.
  writeBytes(path, record('a') + record('b') + std::string(60, 'c'));
  FileError error;
  RecordFile file = RecordFile::open(path, Length, error);
  std::uint64_t count = 0;
  ASSERT_FALSE(file.recordCount(count));
  EXPECT_EQ(count, 3u);
  std::string bytes;
  ASSERT_FALSE(file.readRecord(3, bytes));
  EXPECT_EQ(bytes, std::string(60, 'c') + std::string(Length - 60, ' '));

  // Revising record 1 pads record 3 first; appending then lands on a record boundary.
  ASSERT_FALSE(file.writeRecord(1, record('x')));
  EXPECT_EQ(std::filesystem::file_size(path), 3 * Length);
  ASSERT_FALSE(file.writeRecord(4, record('d')));
  EXPECT_EQ(fileBytes(path), record('x') + record('b') + std::string(60, 'c') +
                                 std::string(Length - 60, ' ') + record('d'));
}

TEST(RecordFile, ShortTrailingPartIsNotCountedAndTheNextAppendReplacesIt) {
  TemporaryFolder folder;
  const auto path = joinPath(folder.path(), "VaporB30.DB");
  writeBytes(path, record('a') + std::string(58, 'c'));
  FileError error;
  RecordFile file = RecordFile::open(path, Length, error);
  std::uint64_t count = 0;
  ASSERT_FALSE(file.recordCount(count));
  EXPECT_EQ(count, 1u);
  ASSERT_FALSE(file.writeRecord(2, record('b')));
  EXPECT_EQ(fileBytes(path), record('a') + record('b'));
  // Record 3 would lie beyond the end.
  EXPECT_EQ(file.writeRecord(4, record('d')).kind, FileErrorKind::Argument);
  EXPECT_EQ(file.writeRecord(2, "short").kind, FileErrorKind::Argument);
}

TEST(RecordFile, FullDiskLosesNothingThatWasInTheFile) {
  // A file limit at every byte count that cuts the append: the old bytes stay, the length too.
  const std::string original = record('a') + record('b') + std::string(70, 'c');
  for (std::uint64_t limit = original.size(); limit < 4 * Length; limit += 13) {
    auto storage = std::make_shared<MemoryByteFile::Storage>(
        MemoryByteFile::Storage{.bytes = original, .lengthLimit = limit});
    RecordFile file = memoryFile(storage);
    const FileError error = file.writeRecord(4, record('d'));
    if (limit >= 4 * Length) {
      EXPECT_FALSE(error);
      continue;
    }
    EXPECT_EQ(error.kind, FileErrorKind::Write) << limit;
    EXPECT_EQ(error.reason, "No space left on device");
    EXPECT_EQ(storage->bytes, original) << limit;
  }
}

TEST(RecordFile, FailedReviseWritesTheOldRecordBack) {
  // A file that fails every write after having written 50 bytes of it: the revise fails midway;
  // the old record is put back by the restoring write.
  class FailingOnce : public ByteFile {
   public:
    explicit FailingOnce(std::shared_ptr<MemoryByteFile::Storage> s) : m_inner(std::move(s)) {}
    FileError length(std::uint64_t& b) override { return m_inner.length(b); }
    FileError readAt(std::uint64_t o, std::size_t s, std::string& i) override { return m_inner.readAt(o, s, i); }
    FileError writeAt(std::uint64_t o, std::string_view d) override {
      if (m_failNext) {
        m_failNext = false;
        m_inner.writeAt(o, d.substr(0, 50));
        return {FileErrorKind::Write, "Input/output error"};
      }
      return m_inner.writeAt(o, d);
    }
    FileError resize(std::uint64_t b) override { return m_inner.resize(b); }
    bool writable() const override { return true; }
    void close() override {}

   private:
    MemoryByteFile m_inner;
    bool m_failNext = true;
  };
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  storage->bytes = record('a') + record('b');
  RecordFile file(std::make_unique<FailingOnce>(storage), Length);
  EXPECT_EQ(file.writeRecord(1, record('x')).kind, FileErrorKind::Write);
  EXPECT_EQ(storage->bytes, record('a') + record('b'));
}

TEST(RecordFile, UnreadableAndClosedFilesReportErrors) {
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  storage->bytes = record('a');
  storage->failReads = true;
  RecordFile file = memoryFile(storage);
  std::string bytes;
  EXPECT_EQ(file.readRecord(1, bytes).kind, FileErrorKind::Read);
  file.close();
  EXPECT_EQ(file.readRecord(1, bytes).kind, FileErrorKind::Closed);
  EXPECT_EQ(file.writeRecord(1, record('b')).kind, FileErrorKind::Closed);
  RecordFile never;
  std::uint64_t count = 0;
  EXPECT_EQ(never.recordCount(count).kind, FileErrorKind::Closed);
}

TEST(RecordFile, FolderThatCannotHoldTheFileReportsTheReason) {
  TemporaryFolder folder;
  // The "folder" is a plain file, so nothing can be created in it.
  const auto notAFolder = joinPath(folder.path(), "plain");
  writeBytes(notAFolder, "x");
  FileError error;
  RecordFile file = RecordFile::open(joinPath(notAFolder, "VaporB30.DB"), Length, error);
  EXPECT_FALSE(file.isOpen());
  EXPECT_NE(error.kind, FileErrorKind::None);
  EXPECT_FALSE(error.reason.empty());
  std::uint64_t count = 7;
  EXPECT_EQ(file.recordCount(count).kind, FileErrorKind::Closed);
  EXPECT_EQ(count, 0u);
}

TEST(RecordFile, FileOpenedForReadingOnlyRefusesWritesAndKeepsItsBytes) {
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  storage->bytes = record('a');
  storage->writable = false;
  RecordFile file = memoryFile(storage);
  EXPECT_FALSE(file.isWritable());
  EXPECT_EQ(file.writeRecord(2, record('b')).kind, FileErrorKind::ReadOnly);
  EXPECT_EQ(file.writeRecord(1, record('b')).kind, FileErrorKind::ReadOnly);
  EXPECT_EQ(storage->bytes, record('a'));
}

// Permissions do not bind the superuser, and Windows has no folder write bits; skip there.
bool permissionsApply(const std::filesystem::path& folder) {
  const auto probe = folder / "probe";
  std::filesystem::create_directory(probe);
  std::filesystem::permissions(probe, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool applies = !std::ofstream(probe / "x").is_open();
  std::filesystem::permissions(probe, std::filesystem::perms::owner_all);
  std::filesystem::remove_all(probe);
  return applies;
}

TEST(RecordFile, ReadOnlyFolderReportsTheReasonAndKeepsExistingRecordsReadable) {
  TemporaryFolder folder;
  if (!permissionsApply(folder.path())) GTEST_SKIP() << "file permissions do not apply here";
  const auto existing = joinPath(folder.path(), "CartridgeB30.DB");
  writeBytes(existing, std::string(99, 'k'));
  std::filesystem::permissions(existing, std::filesystem::perms::owner_read);
  std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);

  FileError error;
  RecordFile missing = RecordFile::open(joinPath(folder.path(), "VaporB30.DB"), Length, error);
  EXPECT_FALSE(missing.isOpen());
  EXPECT_EQ(error.kind, FileErrorKind::Create);
  EXPECT_EQ(error.reason, "Permission denied");

  RecordFile readOnly = RecordFile::open(existing, 99, error);
  ASSERT_TRUE(readOnly.isOpen());
  EXPECT_FALSE(readOnly.isWritable());
  EXPECT_EQ(error.kind, FileErrorKind::ReadOnly);
  std::string bytes;
  EXPECT_FALSE(readOnly.readRecord(1, bytes));
  EXPECT_EQ(bytes, std::string(99, 'k'));
  EXPECT_EQ(readOnly.writeRecord(2, std::string(99, 'm')).kind, FileErrorKind::ReadOnly);
  readOnly.close();
  EXPECT_EQ(fileBytes(existing), std::string(99, 'k'));
}

TEST(ProgramFolder, IsTheFolderOfThisTestExecutable) {
  const auto folder = programFolder();
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::exists(folder / "CTestTestfile.cmake") ||
              std::filesystem::exists(joinPath(folder, "files_tests")) ||
              std::filesystem::exists(joinPath(folder, "files_tests.exe")));
  EXPECT_EQ(pathToUtf8(joinPath(utf8ToPath("base"), "VaporB30.DB")),
            pathToUtf8(std::filesystem::path("base") / "VaporB30.DB"));
  EXPECT_EQ(pathToUtf8(utf8ToPath("\xC3\xA9t\xC3\xA9")), "\xC3\xA9t\xC3\xA9");
}

}  // namespace

#ifdef __linux__
namespace {
// The system's always-full device: a real failing write through the disk file.
TEST(RecordFile, WriteToAFullDeviceReportsTheSystemsReason) {
  FileError error;
  RecordFile file = RecordFile::open("/dev/full", Length, error);
  if (!file.isOpen() || !file.isWritable()) GTEST_SKIP() << "no writable /dev/full";
  const FileError failure = file.writeRecord(1, record('a'));
  EXPECT_EQ(failure.kind, FileErrorKind::Write);
  EXPECT_EQ(failure.reason, "No space left on device");
}
}  // namespace
#endif
