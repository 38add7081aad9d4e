// Saves and Searches that fail, one after another on one running program, and what each leaves
// behind: at every message the file's lock is free and the list shows the file at the path; the
// file keeps every record it held; the message says what happened.
#include <gtest/gtest.h>

#include <filesystem>

#include "databases/DatabaseFixtures.h"

namespace tess::databases {
namespace {

using files::FileError;
using files::FileErrorKind;
using forms::MsgAnswer;

class FailedSaveTest : public EachDatabaseTest {
 protected:
  void SetUp() override { watchEveryMessage(path(), names()); }
  const FileError ioError{FileErrorKind::Read, "Input/output error"};
};

TEST_P(FailedSaveTest, EachFailureLeavesTheLockFreeTheRecordsWholeAndTheListAsTheFile) {
  writeBytes(path(), recordsOf({"Alpha"}));
  open();
  const std::string inFile = "the " + namedFile();
  const std::string theFile = "The " + namedFile();

  // A write that the system refuses, of a new entry and of a revise: nothing is written, and the
  // entry stays on the screen to be saved again.
  opener.faults.failWrites = FileError{FileErrorKind::Write, "File too large"};
  const std::string tooLarge =
      "The entry could not be saved in " + inFile + ": File too large.\r\nNothing in the file has changed.";
  app.expectMessage(tooLarge, "Add a Record");
  save("Beta");
  app.expectMessage(onFileQuestion(), "Revise a Record", MsgAnswer::Yes);
  app.expectMessage(tooLarge, "Revise a Record");
  save("Alpha", true);
  EXPECT_EQ(names().text(), "Alpha");
  EXPECT_EQ(names().items(), keys({"ALPHA"}));
  EXPECT_EQ(fileBytes(path()), recordsOf({"Alpha"}));
  opener.faults.failWrites.reset();

  // Written, then not read back: counted, listed and shown, and said to be saved.
  opener.faults.beforeWrite = [&] { opener.faults.failReads = ioError; };
  app.expectMessage("The entry was saved, but " + inFile +
                        " could not be read back: Input/output error.\r\nThe list shows the " + entries() +
                        " read before and the one saved.",
                    "Add a Record");
  save("Beta");
  EXPECT_EQ(fileBytes(path()), recordsOf({"Alpha", "Beta"}));
  EXPECT_EQ(names().items(), keys({"ALPHA", "BETA"}));
  // While it cannot be read, a Search lists nothing; once it can, the list is the file's again.
  app.expectMessage(theFile + " could not be read: Input/output error.\r\nThe list of " + entries() +
                        " stays empty, and entries cannot be saved.",
                    fileTitle());
  search("Alpha", false);
  opener.faults.failReads.reset();
  search("Beta", true);
  EXPECT_EQ(names().items(), keys({"ALPHA", "BETA"}));

  // The path cannot be checked after a write: the entry may be in the file, and is.
  opener.faults.beforeWrite = [&] { opener.faults.failPathCheck = ioError; };
  app.expectMessage("The entry may not have been saved: " + inFile +
                        " could not be read: Input/output error.\r\nSave it again.",
                    "Add a Record");
  save("Gamma");
  opener.faults.failPathCheck.reset();
  search("Gamma", true);

  // Deleted where no file can be created: the list empties and the entry stays; then it can be.
  std::error_code kept;
  std::filesystem::remove(path(), kept);
  if (kept) GTEST_SKIP() << "the system keeps an open file in place";
  opener.faults.refuseCreate = true;
  app.expectMessage(theFile + " could not be created: Permission denied.\r\nThe list of " + entries() +
                        " stays empty, and entries cannot be saved.",
                    "Add a Record");
  save("Delta");
  EXPECT_EQ(names().itemCount(), 0);
  EXPECT_EQ(names().text(), "Delta");
  EXPECT_TRUE(!vapors() || vapor.SearchByCAS == 1) << "left the CAS box last: the next Search goes by it";
  opener.faults.refuseCreate = false;
  save("Delta");
  EXPECT_EQ(fileBytes(path()), recordsOf({"Delta"}));
  EXPECT_EQ(names().items(), keys({"DELTA"}));

  // Replaced by a file that can only be read: listed, not written, until it can be written.
  opener.faults.refuseUpdate = true;
  ASSERT_TRUE(replaceWith(recordsOf({"Nu", "Xi"})));
  app.expectMessage(theFile + " can only be read: Permission denied.\r\nIts " + entries() +
                        " are listed, but entries cannot be saved.",
                    fileTitle());
  search("Xi", true);
  EXPECT_EQ(names().items(), keys({"NU", "XI"}));
  app.expectMessage(onFileQuestion(), "Revise a Record", MsgAnswer::Yes);
  app.expectMessage("The entry was not saved: " + inFile + " can only be read.", "Revise a Record");
  save("Nu", true);
  opener.faults.refuseUpdate = false;
  save("Omicron");
  EXPECT_EQ(fileBytes(path()), recordsOf({"Nu", "Xi", "Omicron"}));
  EXPECT_EQ(names().items(), keys({"NU", "OMICRON", "XI"}));

  // Replaced by an empty one that can only be read, met by a Save.
  opener.faults.refuseUpdate = true;
  ASSERT_TRUE(replaceWith(""));
  app.expectMessage(theFile + " can only be read: Permission denied.\r\nIt holds no " + entries() +
                        ", and entries cannot be saved.",
                    "Add a Record");
  save("Pi");
  EXPECT_EQ(names().itemCount(), 0);
  opener.faults.refuseUpdate = false;

  // Replaced as soon as it is opened, again and again: nothing is saved, and the list shows the
  // last file read.
  ASSERT_TRUE(replaceWith(recordsOf({"Rho"})));
  opener.faults.afterUpdate = [&] { replaceWith(recordsOf({"Rho"})); };
  app.expectMessage(theFile +
                        " is being replaced by another program.\r\nNothing has been saved in it. "
                        "Try again in a moment.",
                    "Add a Record");
  save("Sigma");
  opener.faults.afterUpdate = nullptr;
  EXPECT_EQ(fileBytes(path()), recordsOf({"Rho"}));
  EXPECT_EQ(names().items(), keys({"RHO"}));
  EXPECT_EQ(names().text(), "Sigma");
}

INSTANTIATE_TEST_SUITE_P(Databases, FailedSaveTest, ::testing::Values(Database::Vapor, Database::Cartridge));

}  // namespace
}  // namespace tess::databases
