// The two database screens on record files that are odd or cannot be used: the screen says which
// file and why, stays usable, and nothing that was in a file is lost. Also on record files that
// another program (a backup or synchronising tool) replaces, deletes or rewrites again and again
// while the program runs, and on something other than a file put at a record file's path: a Search
// reads the file at the path as it is then, and a Save lands in it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <utility>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "databases/DatabaseFixtures.h"
#include "state/SetUp.h"

namespace tess::databases {
using ::testing::Values;

namespace {

// The program's folder is never made, so the files cannot be created there.
class MissingFolderTest : public DatabaseScreenFileTest {
 protected:
  MissingFolderTest() : DatabaseScreenFileTest("gone") {}
};

TEST_F(MissingFolderTest, AFolderWithoutTheFilesGivesMessagesAndUsableScreensUntilItIsMade) {
  input.show();
  clickExpectingReport(input.SelectVap[1], vaporPath(), "could not be created", "Vapor Database");
  // Save says again that the file cannot be made and keeps what was typed; Return stores the slot.
  typeVapor("Acetone", "67-64-1");
  clickExpectingReport(vapor.cmdSave, vaporPath(), "could not be created", "Add a Record");
  EXPECT_EQ(texts({&vapor.ChemName, &vapor.MolWt}), (Texts{"Acetone", "58.08"}));
  app.click(vapor.cmdExit);
  EXPECT_EQ(state.Vapor[1].ChemName, "Acetone");

  clickExpectingReport(input.SelectCart, cartridgePath(), "could not be created", "Cartridge Database");
  typeCartridge("Cart", "50", "0.061");
  clickExpectingReport(cartridge.cmdSave, cartridgePath(), "could not be created", "Add a Record");
  // Once the folder is there, the next Save makes the file from the boxes as typed, with no restart.
  std::filesystem::create_directory(programFolder);
  app.click(cartridge.cmdSave);
  EXPECT_EQ(fileBytes(cartridgePath()), cartridgeRecord("Cart").toBytes());
  EXPECT_EQ(cartridge.CartName.items(), std::vector<std::string>{listKey("CART")});
}

// A file that can only be read at start (the system's refusal stood in for: it binds no
// superuser) is listed with the message and not written until it can be, with no restart; an
// empty one says that it lists nothing.
TEST_F(DatabaseScreenFileTest, AReadOnlyFileIsListedButNotWrittenUntilItCanBe) {
  writeRecords(vaporPath(), {vaporRecord("Acetone", "67-64-1")});
  writeBytes(cartridgePath(), "");
  const std::string before = fileBytes(vaporPath());
  const std::string readOnly = "\" can only be read: Permission denied.\r\n";
  opener.faults.refuseUpdate = true;
  input.show();
  app.expectMessage("The vapor database file \"" + vaporPath().string() + readOnly +
                        "Its chemicals are listed, but entries cannot be saved.",
                    "Vapor Database");
  app.click(input.SelectVap[1]);
  EXPECT_EQ(vapor.ChemName.items(), std::vector<std::string>{listKey("ACETONE")});
  typeVapor("Benzene", "71-43-2");
  clickExpectingReport(vapor.cmdSave, vaporPath(), "not saved", "Add a Record");
  EXPECT_EQ(fileBytes(vaporPath()), before);
  opener.faults.refuseUpdate = false;
  app.click(vapor.cmdSave);
  EXPECT_EQ(fileBytes(vaporPath()), before + vaporRecord("Benzene", "71-43-2").toBytes());

  opener.faults.refuseUpdate = true;
  app.click(vapor.cmdExit);
  app.expectMessage("The cartridge database file \"" + cartridgePath().string() + readOnly +
                        "It holds no cartridges, and entries cannot be saved.",
                    "Cartridge Database");
  app.click(input.SelectCart);
  EXPECT_EQ(cartridge.CartName.itemCount(), 0);
}

// A full file (32,767 records) refuses a new name and revises one on file, with the lock free
// while the refusal is read. Once another program has added a record (only another can), the file
// is said to hold too many where it is counted again, and a Save of a name on file still revises it
// at once; a new name is still refused.
TEST_F(DatabaseScreenFileTest, AFullFileRefusesANewRecordButRevisesOneAsDoesAFileOfTooMany) {
  std::string bytes;
  char name[16];
  for (int i = 1; i <= 32768; ++i) {
    std::snprintf(name, sizeof name, "Cart %05d", i);
    bytes += cartridgeRecord(name).toBytes();
  }
  const std::string full = bytes.substr(0, bytes.size() - 99);
  writeBytes(cartridgePath(), full);
  openCartridge();
  watchEveryMessage(cartridgePath(), cartridge.CartName);
  EXPECT_EQ(cartridge.CartName.itemCount(), 32767);
  typeCartridge("One more");
  clickExpectingReport(cartridge.cmdSave, cartridgePath(), "32,767", "Add a Record");
  EXPECT_EQ(texts({&cartridge.CartName, &cartridge.BedDiam}), (Texts{"One more", "8.4"}));
  EXPECT_EQ(fileBytes(cartridgePath()), full);

  const auto reviseOnFile = [&](const char* name) {
    typeCartridge(name, "60");
    app.expectMessage(reviseQuestion("cartridge"), "Revise a Record", forms::MsgAnswer::Yes);
    app.click(cartridge.cmdSave);
  };
  reviseOnFile("CART 32767");
  std::ofstream(cartridgePath(), std::ios::binary | std::ios::app) << bytes.substr(full.size());
  app.expectMessage("The cartridge database file \"" + cartridgePath().string() +
                        "\" holds more than 32,767 records.\r\nOnly the first 32,767 are listed, and no new "
                        "entry can be saved.",
                    "Add a Record");
  reviseOnFile("Cart 00002");
  const std::string after = fileBytes(cartridgePath());
  const auto revised = [](const char* name) {
    return CartridgeRecord::assemble(name, "8.4", "1.9", "42", "0.45", "60", "0.15", "28.0", "0.1").toBytes();
  };
  EXPECT_EQ(after, bytes.substr(0, 99) + revised("Cart 00002") + full.substr(198, full.size() - 297) +
                       revised("CART 32767") + bytes.substr(bytes.size() - 99));
  typeCartridge("One more");
  clickExpectingReport(cartridge.cmdSave, cartridgePath(), "32,767", "Add a Record");
  EXPECT_EQ(fileBytes(cartridgePath()).size(), bytes.size());
}

// One screen open the whole time while another program puts something other than a file at its
// path, then replaces, copies over, deletes and rewrites the file, again and again. While no record
// file is there, each Save and each Search says what is, and the list is empty; after each change
// a Search or a Save shows the file at the path in the list, and a Save lands in it, with no
// message and no restart.
TEST_P(EachDatabaseTest, EveryChangeAtThePathInARowIsFollowed) {
  watchEveryMessage(path(), names());
  const std::filesystem::path nowhere = folder.path() / "nowhere";
  std::vector<std::pair<std::function<void()>, std::string>> kinds = {
      {[&] { std::filesystem::create_directory(path()); }, "it is a folder"}};
#ifndef _WIN32
  kinds.push_back({[&] { ASSERT_EQ(::mkfifo(path().c_str(), 0444), 0); }, "it is a named pipe (FIFO)"});
  kinds.push_back({[&] { std::filesystem::create_symlink(nowhere, path()); },
                   "it is a link to \"" + nowhere.string() + "\", which does not exist"});
  kinds.push_back({[&] { std::filesystem::create_symlink("/dev/null", path()); }, "it is a device"});
#endif
  for (const auto& [put, what] : kinds) {
    put();
    const std::string report = "\"" + path().string() + "\" is not a record file: " + what + ".";
    if (&put == &kinds.front().first) {
      input.show();
      clickExpectingReport(vapors() ? input.SelectVap[1] : input.SelectCart, path(), report,
                           vapors() ? "Vapor Database" : "Cartridge Database");
      EXPECT_EQ(names().itemCount(), 0);
    }
    typeEntry("Alpha");
    clickExpectingReport(saveTo(), path(), report, "Add a Record");
    EXPECT_EQ(names().itemCount(), 0);
    EXPECT_EQ(names().text(), "Alpha");
    app.expectMessage();  // then "Can't find"
    search("Alpha", false);
    EXPECT_NE(app.messages().end()[-2].text.find(report), std::string::npos);

    std::filesystem::remove(path());
    writeBytes(path(), recordsOf({"Alpha"}));
    search("Alpha", true);
    save("Beta");
    EXPECT_EQ(fileBytes(path()), recordsOf({"Alpha", "Beta"}));
    EXPECT_EQ(names().items(), (Texts{listKey("ALPHA"), listKey("BETA")}));
    std::error_code ignored;  // Windows keeps the open file; the folder is its only kind there
    std::filesystem::remove(path(), ignored);
  }

  if (!replaceWith(recordsOf({"Gamma", "Delta"}))) GTEST_SKIP() << "the system keeps an open file in place";
  search("Gamma", true);
  EXPECT_EQ(names().items(), (Texts{listKey("DELTA"), listKey("GAMMA")}));
  search("Alpha", false);
  save("Epsilon");
  std::string expected = recordsOf({"Gamma", "Delta", "Epsilon"});
  EXPECT_EQ(fileBytes(path()), expected);
  EXPECT_EQ(names().items(), (Texts{listKey("DELTA"), listKey("EPSILON"), listKey("GAMMA")}));

  for (int i = 0; i < 20; ++i) {
    backUp();
    save("Copy " + std::to_string(i));
    expected += recordOf("Copy " + std::to_string(i));
    ASSERT_EQ(fileBytes(path()), expected) << "after backup " << i;
  }
  search("Copy 7", true);

  std::filesystem::remove(path());
  search("Gamma", false);
  save("Zeta");
  std::filesystem::remove(path());
  save("Eta");  // a Save first, this time
  EXPECT_EQ(fileBytes(path()), recordsOf({"Eta"}));

  // Rewritten in place, at a time of its own, as it may fall in the clock tick of the last Save.
  const auto saved = std::filesystem::last_write_time(path());
  writeBytes(path(), recordsOf({"Iota"}));
  std::filesystem::last_write_time(path(), saved + std::chrono::seconds(2));
  search("Iota", true);
  ASSERT_TRUE(replaceWith(recordsOf({"Kappa", "Lambda"})));
  // The name is on file now: the revise goes over the record that holds it.
  const std::string onFile = reviseQuestion(vapors() ? "chemical" : "cartridge");
  app.expectMessage(onFile, "Revise a Record", forms::MsgAnswer::Yes);
  save("Lambda", true);
  EXPECT_EQ(fileBytes(path()), recordOf("Kappa") + recordOf("Lambda", true));
  EXPECT_EQ(names().items(), (Texts{listKey("KAPPA"), listKey("LAMBDA")}));
  EXPECT_EQ(names().text(), "Lambda");
  save("Mu");
  EXPECT_EQ(names().items(), (Texts{listKey("KAPPA"), listKey("LAMBDA"), listKey("MU")}));
}

INSTANTIATE_TEST_SUITE_P(Databases, EachDatabaseTest, Values(Database::Vapor, Database::Cartridge));

}  // namespace
}  // namespace tess::databases
