#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#endif

#include "platform/files/MemoryByteFile.h"
#include "platform/files/ProgramFolder.h"
#include "platform/files/RecordFile.h"
#include "support/TemporaryFolder.h"

namespace tess::files {
using testing::fileBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

namespace {

constexpr std::size_t Length = 117;  // [bytes]

std::string record(char fill) { return std::string(Length, fill); }

std::shared_ptr<MemoryByteFile::Storage> storageOf(const std::string& bytes) {
  return std::make_shared<MemoryByteFile::Storage>(MemoryByteFile::Storage{.bytes = bytes});
}
RecordFile memoryFile(std::shared_ptr<MemoryByteFile::Storage> storage) {
  return RecordFile(std::make_unique<MemoryByteFile>(std::move(storage)), Length);
}

TEST(RecordFile, RecordsOnARealFileReadBackByteForByteAfterReopening) {
  TemporaryFolder folder;
  const auto path = joinPath(folder.path(), "VaporB30.DB");
  FileError error;
  bool created = false;
  RecordFile file = RecordFile::open(path, Length, error, &created);
  ASSERT_TRUE(file.isOpen());
  EXPECT_FALSE(error);
  EXPECT_TRUE(created);
  // Every byte value, line ends and the end-of-file mark included, goes through unchanged.
  std::string all(Length, ' ');
  for (std::size_t k = 0; k < Length; ++k) all[k] = static_cast<char>((k * 37 + 10) % 256);
  all[0] = '\r', all[1] = '\n', all[2] = '\x1A';
  for (std::uint64_t n = 1; n <= 3; ++n) ASSERT_FALSE(file.writeRecord(n, n == 2 ? all : record('a')));
  ASSERT_FALSE(file.writeRecord(3, record('z')));  // a revise in place
  file.close();
  EXPECT_EQ(fileBytes(path), record('a') + all + record('z'));
  RecordFile again = RecordFile::open(path, Length, error, &created);
  EXPECT_FALSE(created);
  std::uint64_t count = 0;
  EXPECT_FALSE(again.recordCount(count));
  EXPECT_EQ(count, 3u);
  std::string bytes;
  EXPECT_FALSE(again.readRecords(2, 2, bytes));
  EXPECT_EQ(bytes, all + record('z'));
  EXPECT_EQ(again.writeRecord(5, record('d')).kind, FileErrorKind::Argument);  // beyond the end
  EXPECT_EQ(again.writeRecord(2, "short").kind, FileErrorKind::Argument);
}

// The count rounds a trailing part to the nearest record: 59 of 117 bytes count (and read padded
// with blanks; the file is padded before the next write), 58 do not (the next append replaces them).
TEST(RecordFile, TrailingPartsAreCountedToTheNearestRecordAndNoRecordGoesOutOfAlignment) {
  const std::uint64_t cases[][3] = {{58, 117, 0},         {59, 117, 1},
                                    {1170 + 58, 117, 10}, {1170 + 59, 117, 11},
                                    {990 + 49, 99, 10},   {990 + 50, 99, 11}};  // [bytes], [bytes], records
  for (const auto& c : cases) EXPECT_EQ(RecordFile::recordCountForLength(c[0], c[1]), c[2]) << c[0];
  std::string bytes;
  auto counted = storageOf(record('a') + record('b') + std::string(59, 'c'));
  RecordFile file = memoryFile(counted);
  ASSERT_FALSE(file.readRecord(3, bytes));
  EXPECT_EQ(bytes, std::string(59, 'c') + std::string(Length - 59, ' '));
  ASSERT_FALSE(file.writeRecord(1, record('x')));  // a revise pads record 3 first
  EXPECT_EQ(counted->bytes.size(), 3 * Length);
  ASSERT_FALSE(file.writeRecord(4, record('d')));
  EXPECT_EQ(counted->bytes,
            record('x') + record('b') + std::string(59, 'c') + std::string(58, ' ') + record('d'));

  auto uncounted = storageOf(record('a') + std::string(58, 'c'));
  RecordFile shortPart = memoryFile(uncounted);
  ASSERT_FALSE(shortPart.writeRecord(2, record('b')));
  EXPECT_EQ(uncounted->bytes, record('a') + record('b'));
}

TEST(RecordFile, FailedWritesLoseNothingThatWasInTheFile) {
  // A full disk at every byte count that cuts an append: the old bytes stay, the length too.
  const std::string original = record('a') + record('b') + std::string(70, 'c');
  for (std::uint64_t limit = original.size(); limit < 4 * Length; limit += 13) {
    auto storage = storageOf(original);
    storage->lengthLimit = limit;
    const FileError error = memoryFile(storage).writeRecord(4, record('d'));
    EXPECT_EQ(error.kind, FileErrorKind::Write) << limit;
    EXPECT_EQ(error.reason, "No space left on device");
    EXPECT_EQ(storage->bytes, original) << limit;
  }

  // A revise that fails after writing 50 bytes: the old record is written back.
  auto storage = storageOf(record('a') + record('b'));
  storage->failNextWriteAfter = 50;
  RecordFile file = memoryFile(storage);
  EXPECT_EQ(file.writeRecord(1, record('x')).kind, FileErrorKind::Write);
  EXPECT_EQ(storage->bytes, record('a') + record('b'));

  // Unreadable and closed files report their kind of failure and keep their bytes.
  std::string bytes;
  auto unreadable = storageOf(record('a'));
  unreadable->failReads = true;
  EXPECT_EQ(memoryFile(unreadable).readRecord(1, bytes).kind, FileErrorKind::Read);
  RecordFile closed = memoryFile(storageOf(record('a')));
  closed.close();
  EXPECT_EQ(closed.readRecord(1, bytes).kind, FileErrorKind::Closed);
  EXPECT_EQ(closed.writeRecord(1, record('b')).kind, FileErrorKind::Closed);
}

// Two opens of one path stand for two copies of the program: one lock at a time, reads allowed to
// both while it is held, released by unlock and by closing.
TEST(RecordFile, TwoOpensOfOneFileTakeItsLockInTurn) {
  TemporaryFolder folder;
  const auto path = joinPath(folder.path(), "VaporB30.DB");
  FileError error;
  RecordFile first = RecordFile::open(path, Length, error);
  RecordFile second = RecordFile::open(path, Length, error);
  const std::chrono::milliseconds shortWait{20};
  ASSERT_FALSE(first.lock(shortWait));
  ASSERT_FALSE(first.writeRecord(1, record('a')));
  EXPECT_EQ(second.lock(shortWait).kind, FileErrorKind::Locked);
  std::string bytes;
  EXPECT_FALSE(second.readRecord(1, bytes));
  EXPECT_EQ(bytes, record('a'));
  first.unlock();
  ASSERT_FALSE(second.lock(shortWait));
  EXPECT_EQ(first.lock(shortWait).kind, FileErrorKind::Locked);
  second.close();
  EXPECT_FALSE(first.lock(shortWait));
}

// Another copy creates the missing file and saves a record in it after this copy found the file
// missing and before it creates it: this copy opens that file for writing and empties nothing.
TEST(RecordFile, AFileThatAnotherCopyCreatesWhileThisOneOpensItIsKeptAndWritable) {
  struct OtherCopyFirst : PathOpener {
    std::unique_ptr<ByteFile> createNew(const std::filesystem::path& path, int& error) override {
      FileError ignored;
      EXPECT_FALSE(RecordFile::open(path, Length, ignored).writeRecord(1, record('b')));
      return PathOpener::createNew(path, error);
    }
  } opener;
  TemporaryFolder folder;
  const auto path = joinPath(folder.path(), "CartridgeB30.DB");
  RecordFile file(openOrCreate(path, opener).file, Length);
  ASSERT_FALSE(file.writeRecord(2, record('a')));
  EXPECT_EQ(fileBytes(path), record('b') + record('a'));
}

#ifndef _WIN32
// A named pipe at the path is named by what it is and never opened (an open for reading would wait
// until some program wrote to it): one there at the look is not opened at all; one that another
// program puts there between the look and the open is refused by the open, which never waits on
// it, and the next round says what is there.
TEST(RecordFile, ANamedPipeAtThePathIsNamedAndNeverWaitedOn) {
  enum class Road { Before, Update, Reading, EveryRound };
  struct PipeFirst : PathOpener {
    Road road;
    explicit PipeFirst(Road road) : road(road) {}
    std::unique_ptr<ByteFile> openForUpdate(const std::filesystem::path& path, int& error) override {
      if (road == Road::Before) ADD_FAILURE() << "opened " << path;
      // Writable by its owner, so that the open for update reaches it even when not run as root.
      std::filesystem::remove(path);
      EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0);
      // As for a file that cannot be written: the pipe is then opened for reading.
      if (road == Road::Reading) {
        error = EACCES;
        return nullptr;
      }
      std::unique_ptr<ByteFile> file = PathOpener::openForUpdate(path, error);
      EXPECT_FALSE(file);
      // The file is back at every look, the pipe at every open.
      if (road == Road::EveryRound) {
        std::filesystem::remove(path);
        writeBytes(path, record('a'));
      }
      return file;
    }
  };
  const std::pair<Road, const char*> roads[] = {
      {Road::Before, "it is a named pipe (FIFO)"},
      {Road::Update, "it is a named pipe (FIFO)"},
      {Road::Reading, "it is a named pipe (FIFO)"},
      {Road::EveryRound, "something other than a file keeps being put there"}};
  for (const auto& [road, reason] : roads) {
    SCOPED_TRACE(static_cast<int>(road));
    TemporaryFolder folder;
    const auto path = joinPath(folder.path(), "VaporB30.DB");
    if (road == Road::Before) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0444), 0);
    } else {
      writeBytes(path, record('a'));
    }
    PipeFirst opener(road);
    // Should an open wait on the pipe, a writer opened on it after a few seconds releases it.
    std::atomic<bool> released = false;
    std::jthread watchdog([&](std::stop_token returned) {
      std::mutex mutex;
      std::condition_variable_any timer;
      std::unique_lock lock(mutex);
      while (!timer.wait_for(lock, returned, std::chrono::seconds(3),
                             [&] { return returned.stop_requested(); })) {
        if (const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK); writer >= 0) {
          released = true;
          ::close(writer);
        }
      }
    });
    const OpenedFile opened = openOrCreate(path, opener);
    watchdog.request_stop();
    watchdog.join();
    EXPECT_FALSE(released) << "the open waited on the pipe";
    EXPECT_FALSE(opened.file);
    EXPECT_EQ(opened.error.kind, FileErrorKind::NotAFile);
    EXPECT_EQ(opened.error.reason, reason);
  }
}
#endif

}  // namespace
}  // namespace tess::files
