// The record files on the platform's file system: the program's folder, file names in another
// case, and files the system marks read-only.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/files/ProgramFolder.h"
#include "platform/files/RecordFile.h"
#include "records/ModCartridge.h"
#include "records/RecordFixtures.h"
#include "records/modVapor.h"
#include "support/TemporaryFolder.h"

namespace tess::files {
using namespace records;
using namespace testing;

namespace {

// Whether the folder's file system finds a file under another case of its name.
bool caseInsensitive(const std::filesystem::path& folder) {
  writeBytes(folder / "probe.txt", "x");
  const bool found = std::filesystem::exists(folder / "PROBE.TXT");
  std::filesystem::remove(folder / "probe.txt");
  return found;
}

TEST(ProgramFolder, HoldsThisExecutableAndJoinsWithOneSeparator) {
  const std::filesystem::path folder = programFolder();
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(std::filesystem::exists(folder / "windows_tests") ||
              std::filesystem::exists(folder / "windows_tests.exe"));
  const std::filesystem::path joined = joinPath(folder, "VaporB30.DB");
  EXPECT_EQ(joined.parent_path(), folder);
  EXPECT_EQ(pathToUtf8(joined.filename()), "VaporB30.DB");
#ifdef _WIN32
  // A drive or share, and the name behind one backslash.
  EXPECT_TRUE(folder.has_root_name());
  EXPECT_EQ(joined.native(), folder.native() + L"\\VaporB30.DB");
  EXPECT_EQ(joined.native().find(L'/'), std::wstring::npos);
#endif
}

TEST(RecordFiles, AFileNamedInAnotherCaseIsTheSameFile) {
  // Copied by hand as "VAPORB30.DB" and "cartridgeb30.db": opened, not replaced by new empty files.
  TemporaryFolder folder;
  if (!caseInsensitive(folder.path())) GTEST_SKIP() << "this file system tells cases apart";
  writeBytes(folder.path() / "VAPORB30.DB", vaporRecord("Acetone").toBytes() + vaporRecord("Benzene").toBytes());
  writeBytes(folder.path() / "cartridgeb30.db", cartridgeRecord("Cart A").toBytes());
  modVapor vapors;
  EXPECT_FALSE(vapors.open(folder.path()));
  EXPECT_EQ(vapors.NumVaporRecords(), 2);
  ModCartridge cartridges;
  EXPECT_FALSE(cartridges.open(folder.path()));
  EXPECT_EQ(cartridges.NumCartRecords(), 1);
  ASSERT_FALSE(vapors.append(vaporRecord("Toluene")));
  vapors.close();
  cartridges.close();

  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++entries;
  EXPECT_EQ(entries, 2);
  EXPECT_EQ(fileBytes(folder.path() / "VAPORB30.DB").substr(2 * VaporRecord::Length),
            vaporRecord("Toluene").toBytes());
}

#ifdef _WIN32
TEST(RecordFiles, AFileMarkedReadOnlyIsListedButNotWritten) {
  // Windows has no write bits on folders, but a file can carry the read-only attribute.
  TemporaryFolder folder;
  const auto path = folder.path() / "VaporB30.DB";
  const std::string bytes = vaporRecord("Acetone").toBytes();
  writeBytes(path, bytes);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  // Wine run by the superuser lets it be written all the same; Windows does not.
  if (std::FILE* probe = ::_wfopen(path.c_str(), L"r+b")) {
    std::fclose(probe);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    GTEST_SKIP() << "the read-only attribute does not refuse writing here";
  }
  modVapor db;
  const FileReport report = db.open(folder.path());
  ASSERT_TRUE(report);
  EXPECT_EQ(report->kind, FileErrorKind::ReadOnly);
  EXPECT_NE(report->message.find("can only be read"), std::string::npos) << report->message;
  EXPECT_EQ(db.NumVaporRecords(), 1);
  EXPECT_FALSE(db.canSave());
  EXPECT_TRUE(db.append(vaporRecord("Benzene")));
  db.close();
  EXPECT_EQ(fileBytes(path), bytes);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}
#endif

}  // namespace
}  // namespace tess::files
