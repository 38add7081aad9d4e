// The vapor and cartridge databases on their own: the record layouts, the index after appends and
// revises, and files that fail. How a record file counts a trailing part of a record is the record
// file's own test (tests/files).
#include <gtest/gtest.h>

#include "platform/files/MemoryByteFile.h"
#include "records/ModCartridge.h"
#include "records/RecordFixtures.h"
#include "records/modVapor.h"
#include "support/TemporaryFolder.h"

namespace tess::records {
using namespace testing;
using files::FileErrorKind;
using files::MemoryByteFile;
using testing::fileBytes;
using testing::TemporaryFolder;
using testing::writeBytes;

namespace {

std::shared_ptr<MemoryByteFile::Storage> storageOf(const std::string& bytes) {
  return std::make_shared<MemoryByteFile::Storage>(MemoryByteFile::Storage{.bytes = bytes});
}

TEST(RecordLayout, FieldsLieAtTheirOffsetsBlankPaddedAndCutAndTextIsWindows1252) {
  const VaporRecord r = VaporRecord::assemble("  Acetone", "58.0812345", "0.791", "", "1", "500", "7.1171",
                                              "1210.595", "229.664", "67-64-1-and-more-than-18");
  const std::string bytes = r.toBytes();
  ASSERT_EQ(bytes.size(), 117u);
  EXPECT_EQ(bytes.substr(0, 35), "  Acetone" + std::string(26, ' '));
  EXPECT_EQ(bytes.substr(35, 24), "58.081230.791   " + std::string(8, ' '));  // cut to 8, padded
  EXPECT_EQ(bytes.substr(91, 26), "229.664 67-64-1-and-more-t");
  EXPECT_EQ(VaporRecord::fromBytes(bytes), r);
  EXPECT_EQ(r.MolWt, "58.08123");
  // A longer number keeps its magnitude, rounded to the digits that fit; texts that fit, and
  // longer texts without a number, are written as typed.
  const VaporRecord numbers = VaporRecord::assemble("X", "123456789", "12abc", "abcdefghijk", "1.234E-05",
                                                    " 1.5E-05", "0.000012345", "1210.5951", "-1.2345e-10", "");
  EXPECT_EQ(numbers.toBytes().substr(35, 64),
            "1.23E+0812abc   abcdefgh1.23E-05 1.5E-051.23E-051210.595-1.2E-10");
  const std::string cartridge = cartridgeRecord("Cart A").toBytes();
  ASSERT_EQ(cartridge.size(), 99u);
  EXPECT_EQ(cartridge.substr(35, 8) + cartridge.substr(67, 8) + cartridge.substr(91, 8),
            "8.4     50      0.061   ");
  EXPECT_EQ(CartridgeRecord::fromBytes(cartridge), cartridgeRecord("Cart A"));

  // UTF-8 in memory, Windows-1252 in the file; what 1252 lacks becomes "?"; 35 characters, not bytes.
  const VaporRecord named = vaporRecord("\xC3\xA9thyl \xCE\xB1-ether \xE2\x82\xAC");  // éthyl α-ether €
  EXPECT_EQ(named.toBytes().substr(0, 15), "\xE9thyl ?-ether \x80");
  EXPECT_EQ(named.ChemName.substr(0, 18), "\xC3\xA9thyl ?-ether \xE2\x82\xAC");
  EXPECT_EQ(VaporRecord::fromBytes(named.toBytes()), named);
  std::string wide = std::string(20, 'a');
  for (int i = 0; i < 16; ++i) wide += "\xC3\xA9";
  EXPECT_EQ(vaporRecord(wide).toBytes().substr(0, 35), std::string(20, 'a') + std::string(15, '\xE9'));
}

TEST(VaporDatabase, SaveLookupFindsLongNamesAndIgnoresCaseAndTheCASIndexWaitsForTheNextBuild) {
  modVapor db;
  EXPECT_FALSE(db.open(std::make_unique<MemoryByteFile>(storageOf("")), "VaporB30.DB"));
  const std::string longName = "Some chemical with a very long name, longer than the field";
  ASSERT_FALSE(db.append(vaporRecord(longName, "1-1-1")));
  EXPECT_EQ(db.findName(searchKey(longName)), 1);
  EXPECT_EQ(db.findName(searchKey("SOME CHEMICAL WITH A VERY LONG NAME, longer than that")), 1);
  ASSERT_FALSE(db.append(vaporRecord("  Acetone")));
  EXPECT_EQ(db.findName(searchKey("acetone")), 1);  // ACETONE sorts first
  EXPECT_EQ(db.findName(searchKey("benzene")), 0);
  ASSERT_FALSE(db.revise(2, vaporRecord("ACETONE", "999-99-9")));
  EXPECT_EQ(db.Search("67-64-1", 1).position, 1);
  EXPECT_EQ(db.Search("999-99-9", 1).position, 0);
  ASSERT_FALSE(db.append(vaporRecord("Benzene", "71-43-2")));
  EXPECT_EQ(db.Search("999-99-9", 1).position, 1);
}

// Two copies on one file: while one holds the lock for its Save, the other's Save is refused with a
// message and writes nothing; afterwards it goes after the last record of the file as it is then.
TEST(RecordDatabases, WhileAnotherCopyHoldsTheLockSaveWritesNothing) {
  auto storage = storageOf(vaporRecord("Acetone").toBytes());
  modVapor a;
  modVapor b;
  ASSERT_FALSE(a.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB"));
  ASSERT_FALSE(b.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB"));
  ASSERT_FALSE(a.lock());
  const std::string before = storage->bytes;
  for (const FileReport& report :
       {b.append(vaporRecord("Benzene")), b.revise(1, vaporRecord("ACETONE", "1-1-1")),
        b.lock(std::chrono::milliseconds{0})}) {
    ASSERT_TRUE(report);
    EXPECT_EQ(report->kind, FileErrorKind::Locked);
    EXPECT_EQ(report->message,
              "The entry was not saved: the vapor database file \"VaporB30.DB\" is in use by another "
              "program.\r\nNothing in the file has changed. Try Save again in a moment.");
  }
  EXPECT_EQ(storage->bytes, before);

  ASSERT_FALSE(a.append(vaporRecord("Cumene")));
  a.unlock();
  ASSERT_FALSE(b.append(vaporRecord("Benzene")));
  EXPECT_EQ(storage->bytes, before + vaporRecord("Cumene").toBytes() + vaporRecord("Benzene").toBytes());
  EXPECT_EQ(b.NumVaporRecords(), 3);
  EXPECT_FALSE(storage->locked);
}

// A Save looks its name up and writes under one lock, in one file: when another program that takes
// no lock (a synchronising tool) renames its own copy over the path in between, the record is
// neither written over a record of that copy nor added to it a second time, and the Save says so.
// Saved again, it goes where the name is in the file at the path.
TEST(RecordDatabases, ARecordLookedUpUnderTheLockIsNeverWrittenIntoAFilePutInItsPlace) {
  TemporaryFolder folder;
  const auto file = [](std::initializer_list<const char*> names) {
    std::string bytes;
    for (const char* name : names) bytes += vaporRecord(name).toBytes();
    return bytes;
  };
  const auto putInPlace = [&](const std::string& bytes) {
    writeBytes(folder.path() / "copy", bytes);
    std::error_code error;
    std::filesystem::rename(folder.path() / "copy", folder.path() / modVapor::FileName, error);
    return !error;
  };
  const auto recNum = [](const modVapor& db, const char* key) {
    return db.VaporIndex()[static_cast<std::size_t>(db.findName(key))].RecNum;
  };
  const auto expectNotSaved = [](const FileReport& report) {
    ASSERT_TRUE(report);
    EXPECT_NE(report->message.find("was replaced by another program while the entry was written"),
              std::string::npos);
  };
  ASSERT_TRUE(putInPlace(file({"Acetone", "Benzene"})));
  modVapor db;
  ASSERT_FALSE(db.open(folder.path()));
  const VaporRecord revised = vaporRecord("Acetone", "1-1-1");

  // A revise of record 1, while the copy holds Benzene there.
  ASSERT_FALSE(db.lock());
  const std::int16_t acetone = recNum(db, "ACETONE");
  if (!putInPlace(file({"Benzene", "Acetone"}))) GTEST_SKIP() << "the system keeps an open file in place";
  expectNotSaved(db.revise(acetone, revised));
  db.unlock();
  ASSERT_FALSE(db.lock());
  EXPECT_FALSE(db.revise(recNum(db, "ACETONE"), revised));
  db.unlock();
  EXPECT_EQ(fileBytes(folder.path() / modVapor::FileName), file({"Benzene"}) + revised.toBytes());

  // A new name, while the copy holds it already.
  ASSERT_FALSE(db.lock());
  EXPECT_EQ(db.findName("CUMENE"), 0);
  ASSERT_TRUE(putInPlace(file({"Cumene"})));
  expectNotSaved(db.append(vaporRecord("Cumene")));
  db.unlock();
  EXPECT_EQ(fileBytes(folder.path() / modVapor::FileName), file({"Cumene"}));
}

// A file longer than a record count can say (32,767) is listed up to the count, reported, and
// not written; one that cannot be read either is reported as such.
TEST(VaporDatabase, AFileOfMoreThan32767RecordsIsReportedAndNotWritten) {
  const std::string one = vaporRecord("Same").toBytes();
  std::string bytes;
  bytes.reserve(32768 * one.size());
  for (int i = 0; i < 32768; ++i) bytes += one;
  auto storage = storageOf(bytes);
  modVapor longer;
  ASSERT_TRUE(longer.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB"));
  EXPECT_EQ(longer.NumVaporRecords(), 32767);
  EXPECT_TRUE(longer.append(vaporRecord("More")));
  EXPECT_EQ(storage->bytes.size(), bytes.size());
  // Counted again under the lock after another program wrote it: the notice leaves the lock held,
  // and a revise is written.
  ++storage->changes;
  const FileReport notice = longer.lock();
  ASSERT_TRUE(notice && notice->notice);
  EXPECT_TRUE(storage->locked);
  EXPECT_FALSE(longer.revise(1, vaporRecord("Other")));
  longer.unlock();
  EXPECT_EQ(storage->bytes.substr(0, 117), vaporRecord("Other").toBytes());
  storage->failReads = true;  // then nothing is listed, and that is what the message says
  EXPECT_EQ(modVapor().open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB")->kind, FileErrorKind::Read);
}

}  // namespace
}  // namespace tess::records
