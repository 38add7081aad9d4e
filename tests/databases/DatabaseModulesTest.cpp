#include <gtest/gtest.h>

#include "RecordSamples.h"
#include "databases/ModCartridge.h"
#include "databases/modVapor.h"
#include "files/TemporaryFolder.h"
#include "platform/files/MemoryByteFile.h"

using namespace tess::databases;
using tess::files::FileErrorKind;
using tess::files::MemoryByteFile;
using tess::testing::cartridgeRecord;
using tess::testing::fileBytes;
using tess::testing::TemporaryFolder;
using tess::testing::vaporRecord;
using tess::testing::writeBytes;

namespace {

TEST(RecordLayout, FieldsLieAtTheirOffsetsBlankPaddedAndCut) {
  const VaporRecord r = VaporRecord::assemble("  Acetone", "58.0812345", "0.791", "", "1", "500", "7.1171",
                                              "1210.595", "229.664", "67-64-1-and-more-than-18");
  const std::string bytes = r.toBytes();
  ASSERT_EQ(bytes.size(), 117u);
  EXPECT_EQ(bytes.substr(0, 35), "  Acetone" + std::string(26, ' '));
  EXPECT_EQ(bytes.substr(35, 8), "58.08123");  // cut to 8
  EXPECT_EQ(bytes.substr(43, 8), "0.791   ");
  EXPECT_EQ(bytes.substr(51, 8), std::string(8, ' '));
  EXPECT_EQ(bytes.substr(91, 8), "229.664 ");
  EXPECT_EQ(bytes.substr(99, 18), "67-64-1-and-more-t");
  EXPECT_EQ(VaporRecord::fromBytes(bytes), r);
  EXPECT_EQ(r.MolWt, "58.08123");

  const CartridgeRecord c = cartridgeRecord("Cart A");
  const std::string cbytes = c.toBytes();
  ASSERT_EQ(cbytes.size(), 99u);
  EXPECT_EQ(cbytes.substr(35, 8), "8.4     ");
  EXPECT_EQ(cbytes.substr(67, 8), "50      ");
  EXPECT_EQ(cbytes.substr(91, 8), "0.061   ");
  EXPECT_EQ(CartridgeRecord::fromBytes(cbytes), c);
}

TEST(RecordLayout, TextIsWindows1252InTheFileAndUtf8InMemory) {
  const VaporRecord r = vaporRecord("\xC3\xA9thyl \xCE\xB1-ether \xE2\x82\xAC");  // éthyl α-ether €
  const std::string bytes = r.toBytes();
  EXPECT_EQ(bytes.substr(0, 15), "\xE9thyl ?-ether \x80");
  EXPECT_EQ(r.ChemName.substr(0, 18), "\xC3\xA9thyl ?-ether \xE2\x82\xAC");
  EXPECT_EQ(VaporRecord::fromBytes(bytes), r);
  // 35 characters, not 35 bytes, of a name with two-byte characters.
  const VaporRecord wide = vaporRecord(std::string(20, 'a') + "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
  EXPECT_EQ(wide.toBytes().substr(0, 35), std::string(20, 'a') + std::string(15, '\xE9'));
}

TEST(VaporDatabase, MissingFileIsCreatedAndTenRecordsAreExactly1170Bytes) {
  TemporaryFolder folder;
  modVapor db;
  EXPECT_FALSE(db.open(folder.path()));
  EXPECT_TRUE(db.isOpen());
  EXPECT_EQ(db.NumVaporRecords(), 0);
  EXPECT_TRUE(db.VaporIndex().empty());
  EXPECT_EQ(db.Search("", 0).position, 0);
  const auto path = folder.path() / "VaporB30.DB";
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);

  ASSERT_FALSE(db.append(vaporRecord("Zeta")));
  EXPECT_EQ(std::filesystem::file_size(path), 117u);
  for (int i = 1; i < 10; ++i) ASSERT_FALSE(db.append(vaporRecord("Name " + std::to_string(10 - i))));
  EXPECT_EQ(std::filesystem::file_size(path), 1170u);
  EXPECT_EQ(db.NumVaporRecords(), 10);
  EXPECT_EQ(db.VaporRec(), vaporRecord("Name 1"));  // the last record, as the rebuild leaves it
  EXPECT_EQ(db.VaporIndex()[1].Name, makeIndexKey("NAME 1"));
  EXPECT_EQ(db.VaporIndex()[10].RecNum, 1);  // ZETA

  // Byte for byte on disk, and after reopening.
  EXPECT_EQ(fileBytes(path).substr(117, 117), vaporRecord("Name 9").toBytes());
  db.close();
  modVapor again;
  EXPECT_FALSE(again.open(folder.path()));
  EXPECT_EQ(again.NumVaporRecords(), 10);
  ASSERT_FALSE(again.readRecord(2));
  EXPECT_EQ(again.VaporRec(), vaporRecord("Name 9"));
  EXPECT_EQ(again.AppPath(), folder.path());
}

TEST(VaporDatabase, Windows1252TextRoundTripsThroughARealFile) {
  TemporaryFolder folder;
  modVapor db;
  ASSERT_FALSE(db.open(folder.path()));
  ASSERT_FALSE(db.append(vaporRecord("\xC3\xA9thanol \xE2\x84\xA2", "\xC2\xB5-1")));  // éthanol ™, µ-1
  const std::string onDisk = fileBytes(folder.path() / "VaporB30.DB");
  ASSERT_EQ(onDisk.size(), 117u);
  EXPECT_EQ(onDisk.substr(0, 9), "\xE9thanol \x99");
  EXPECT_EQ(onDisk.substr(99, 5), "\xB5-1  ");
  db.close();
  modVapor again;
  ASSERT_FALSE(again.open(folder.path()));
  EXPECT_EQ(again.VaporIndex()[1].Name, makeIndexKey("\xC3\x89THANOL \xE2\x84\xA2"));
  EXPECT_EQ(again.Search("\xC2\xB5-1", 1).position, 1);
  ASSERT_FALSE(again.readRecord(1));
  EXPECT_EQ(again.VaporRec(), vaporRecord("\xC3\xA9thanol \xE2\x84\xA2", "\xC2\xB5-1"));
}

TEST(VaporDatabase, CountsTrailingPartialRecordsToTheNearest) {
  for (const auto& [trailing, expected] : {std::pair{58, 10}, std::pair{59, 11}}) {
    TemporaryFolder folder;
    std::string bytes;
    for (int i = 0; i < 10; ++i) bytes += vaporRecord("V" + std::to_string(i)).toBytes();
    bytes += vaporRecord("Partial").toBytes().substr(0, static_cast<std::size_t>(trailing));
    writeBytes(folder.path() / "VaporB30.DB", bytes);
    modVapor db;
    EXPECT_FALSE(db.open(folder.path()));
    EXPECT_EQ(db.NumVaporRecords(), expected) << trailing;
    // Appending keeps every record aligned: the partial one is padded or replaced.
    ASSERT_FALSE(db.append(vaporRecord("New")));
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "VaporB30.DB"), 117u * static_cast<unsigned>(expected + 1));
    ASSERT_FALSE(db.readRecord(static_cast<std::int16_t>(expected + 1)));
    EXPECT_EQ(db.VaporRec(), vaporRecord("New"));
    ASSERT_FALSE(db.readRecord(10));
    EXPECT_EQ(db.VaporRec(), vaporRecord("V9"));
  }
}

TEST(CartridgeDatabase, CountsAndStoresWholeRecords) {
  for (const auto& [trailing, expected] : {std::pair{49, 10}, std::pair{50, 11}}) {
    TemporaryFolder folder;
    std::string bytes;
    for (int i = 0; i < 10; ++i) bytes += cartridgeRecord("C" + std::to_string(i)).toBytes();
    bytes += std::string(static_cast<std::size_t>(trailing), 'p');
    writeBytes(folder.path() / "CartridgeB30.DB", bytes);
    ModCartridge db;
    EXPECT_FALSE(db.open(folder.path()));
    EXPECT_EQ(db.NumCartRecords(), expected) << trailing;
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "CartridgeB30.DB"), 990u + static_cast<unsigned>(trailing));
  }
  TemporaryFolder folder;
  ModCartridge db;
  EXPECT_FALSE(db.open(folder.path()));
  for (int i = 0; i < 10; ++i) ASSERT_FALSE(db.append(cartridgeRecord("Cart " + std::to_string(i % 3))));
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "CartridgeB30.DB"), 990u);
  // Search finds one of the equal names and the record reads back byte for byte.
  const std::int16_t p = db.Search("CART 1");
  ASSERT_GT(p, 0);
  ASSERT_FALSE(db.readRecord(db.CartIndex()[static_cast<std::size_t>(p)].RecNum));
  EXPECT_EQ(db.CartRec(), cartridgeRecord("Cart 1"));
  // Revise in place: same count, same length, new bytes.
  ASSERT_FALSE(db.revise(3, cartridgeRecord("cart 2 revised")));
  EXPECT_EQ(db.NumCartRecords(), 10);
  EXPECT_EQ(fileBytes(folder.path() / "CartridgeB30.DB").substr(2 * 99, 99), cartridgeRecord("cart 2 revised").toBytes());
}

TEST(VaporDatabase, SaveLookupFindsLongNamesAndIgnoresCase) {
  modVapor db;
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  EXPECT_FALSE(db.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB"));
  const std::string longName = "Some chemical with a very long name, longer than the field";
  ASSERT_FALSE(db.append(vaporRecord(longName, "1-1-1")));
  EXPECT_EQ(db.findName(saveLookupKey(longName)), 1);
  EXPECT_EQ(db.findName(saveLookupKey("SOME CHEMICAL WITH A VERY LONG NAME, longer than the field or not")), 1);
  ASSERT_FALSE(db.append(vaporRecord("  Acetone")));
  EXPECT_EQ(db.findName(saveLookupKey("acetone")), 1);  // ACETONE sorts first
  EXPECT_EQ(db.findName(saveLookupKey("benzene")), 0);
  // A revised CAS number reaches the index only at the next rebuild.
  ASSERT_FALSE(db.revise(2, vaporRecord("ACETONE", "999-99-9")));
  EXPECT_EQ(db.Search("67-64-1", 1).position, 1);
  EXPECT_EQ(db.Search("999-99-9", 1).position, 0);
  ASSERT_FALSE(db.append(vaporRecord("Benzene", "71-43-2")));
  EXPECT_EQ(db.Search("999-99-9", 1).position, 1);
}

TEST(VaporDatabase, FullDiskLosesNothingAndChangesNothing) {
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  modVapor db;
  EXPECT_FALSE(db.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB"));
  ASSERT_FALSE(db.append(vaporRecord("Acetone")));
  ASSERT_FALSE(db.append(vaporRecord("Benzene")));
  const std::string before = storage->bytes;
  const auto indexBefore = db.VaporIndex();
  storage->lengthLimit = before.size() + 60;  // room for half a record
  const FileReport report = db.append(vaporRecord("Cumene"));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->kind, FileErrorKind::Write);
  EXPECT_EQ(report->message,
            "The entry could not be saved in the vapor database file \"VaporB30.DB\": No space left on "
            "device.\r\nNothing in the file has changed.");
  EXPECT_EQ(storage->bytes, before);
  EXPECT_EQ(db.NumVaporRecords(), 2);
  EXPECT_EQ(db.VaporIndex(), indexBefore);
  // Once there is room again, the same Save succeeds.
  storage->lengthLimit = UINT64_MAX;
  EXPECT_FALSE(db.append(vaporRecord("Cumene")));
  EXPECT_EQ(db.NumVaporRecords(), 3);
}

TEST(VaporDatabase, UnreadableFileListsNothingAndRefusesToSave) {
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  storage->bytes = vaporRecord("Acetone").toBytes();
  storage->failReads = true;
  modVapor db;
  const FileReport report = db.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB");
  ASSERT_TRUE(report);
  EXPECT_EQ(report->kind, FileErrorKind::Read);
  EXPECT_EQ(db.NumVaporRecords(), 0);
  EXPECT_FALSE(db.canSave());
  EXPECT_TRUE(db.append(vaporRecord("Benzene")));
  EXPECT_EQ(storage->bytes, vaporRecord("Acetone").toBytes());
}

TEST(CartridgeDatabase, ReadOnlyFileListsItsRecordsButRefusesToSave) {
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  storage->bytes = cartridgeRecord("A").toBytes() + cartridgeRecord("B").toBytes();
  storage->writable = false;
  ModCartridge db;
  EXPECT_FALSE(db.open(std::make_unique<MemoryByteFile>(storage), "CartridgeB30.DB"));
  EXPECT_EQ(db.NumCartRecords(), 2);
  EXPECT_FALSE(db.canSave());
  const FileReport report = db.append(cartridgeRecord("C"));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->kind, FileErrorKind::ReadOnly);
  EXPECT_TRUE(db.revise(1, cartridgeRecord("a")));
  EXPECT_EQ(db.NumCartRecords(), 2);
}

TEST(CartridgeDatabase, FolderThatCannotHoldTheFileGivesAnEmptyUsableDatabase) {
  TemporaryFolder folder;
  writeBytes(folder.path() / "plain", "x");
  ModCartridge db;
  const FileReport report = db.open(folder.path() / "plain");
  ASSERT_TRUE(report);
  EXPECT_EQ(report->kind, FileErrorKind::Create);
  EXPECT_NE(report->message.find("CartridgeB30.DB\" could not be created: "), std::string::npos);
  EXPECT_EQ(db.NumCartRecords(), 0);
  EXPECT_EQ(db.Search("X"), 0);
  EXPECT_TRUE(db.append(cartridgeRecord("X")));
}

TEST(VaporDatabase, HoldsAtMost32767Records) {
  auto storage = std::make_shared<MemoryByteFile::Storage>();
  const std::string one = vaporRecord("Same").toBytes();
  storage->bytes.reserve(32768 * one.size());
  for (int i = 0; i < 32767; ++i) storage->bytes += one;
  modVapor db;
  EXPECT_FALSE(db.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB"));
  EXPECT_EQ(db.NumVaporRecords(), 32767);
  const FileReport full = db.append(vaporRecord("More"));
  ASSERT_TRUE(full);
  EXPECT_NE(full->message.find("already holds 32,767 records"), std::string::npos);
  EXPECT_EQ(storage->bytes.size(), 32767u * 117u);
  EXPECT_FALSE(db.revise(32767, vaporRecord("Last")));  // revising stays possible

  storage->bytes += one;  // a file longer than a count can say
  modVapor longer;
  const FileReport report = longer.open(std::make_unique<MemoryByteFile>(storage), "VaporB30.DB");
  ASSERT_TRUE(report);
  EXPECT_EQ(longer.NumVaporRecords(), 32767);
  EXPECT_TRUE(longer.append(vaporRecord("More")));
}

}  // namespace
