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

#include "platform/files/RecordFile.h"
#include "records/RecordIndex.h"

#include "state/SetUp.h"
#include "support/ProgramFixture.h"

namespace tess::databases {
using namespace testing;
using records::CartridgeRecord;
using Texts = std::vector<std::string>;
using ::testing::Values;

namespace {

class DatabaseScreenFileTest : public ProgramFixture {
 protected:
  explicit DatabaseScreenFileTest(const std::string& subfolder = "") : ProgramFixture(subfolder) {}
  //! Clicks the button, which must show one message naming the file and saying what went wrong.
  void clickExpectingReport(forms::Control& button, const std::filesystem::path& file,
                            const std::string& what, const std::string& title) {
    app.expectMessage();
    app.click(button);
    ASSERT_FALSE(app.messages().empty());
    const forms::MessageRequest& message = app.messages().back();
    EXPECT_NE(message.text.find(file.string()), std::string::npos) << message.text;
    EXPECT_NE(message.text.find(what), std::string::npos) << message.text;
    EXPECT_EQ(message.title, title);
  }
};

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

TEST_F(DatabaseScreenFileTest, AReadOnlyFileIsListedButNotWritten) {
  writeRecords(vaporPath(), {vaporRecord("Acetone", "67-64-1")});
  const std::string before = fileBytes(vaporPath());
  using std::filesystem::perms;
  std::filesystem::permissions(folder.path(), perms::owner_read | perms::owner_exec);
  // Permissions do not bind the superuser, and Windows has no folder write bits.
  if (std::ofstream(folder.path() / "probe").is_open()) GTEST_SKIP() << "file permissions do not apply here";
  std::filesystem::permissions(vaporPath(), perms::owner_read);

  input.show();
  clickExpectingReport(input.SelectVap[1], vaporPath(), "can only be read", "Vapor Database");
  EXPECT_EQ(vapor.ChemName.items(), std::vector<std::string>{listKey("ACETONE")});
  typeVapor("Benzene", "71-43-2");
  clickExpectingReport(vapor.cmdSave, vaporPath(), "not saved", "Add a Record");
  EXPECT_EQ(vapor.ChemName.text(), "Benzene");
  EXPECT_EQ(fileBytes(vaporPath()), before);
  // Made writable again: the next Save lands, with no restart.
  std::filesystem::permissions(folder.path(), perms::owner_all);
  std::filesystem::permissions(vaporPath(), perms::owner_read | perms::owner_write);
  app.click(vapor.cmdSave);
  EXPECT_EQ(fileBytes(vaporPath()), before + vaporRecord("Benzene", "71-43-2").toBytes());
}

TEST_F(DatabaseScreenFileTest, AFullFileRefusesANewRecordButRevisesOne) {
  constexpr int MaxRecords = 32767;
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(MaxRecords) * 99);
  char name[16];
  for (int i = 1; i <= MaxRecords; ++i) {
    std::snprintf(name, sizeof name, "Cart %05d", i);
    bytes += cartridgeRecord(name).toBytes();
  }
  writeBytes(cartridgePath(), bytes);
  openCartridge();
  EXPECT_EQ(cartridge.NumCartRecords(), MaxRecords);
  EXPECT_EQ(cartridge.CartName.itemCount(), MaxRecords);

  typeCartridge("One more");
  clickExpectingReport(cartridge.cmdSave, cartridgePath(), "32,767", "Add a Record");
  EXPECT_EQ(texts({&cartridge.CartName, &cartridge.BedDiam}), (Texts{"One more", "8.4"}));
  EXPECT_EQ(fileBytes(cartridgePath()).size(), bytes.size());

  typeCartridge("CART 32767", "60");
  app.expectMessage(reviseQuestion("cartridge"), "Revise a Record", forms::MsgAnswer::Yes);
  app.click(cartridge.cmdSave);
  const std::string after = fileBytes(cartridgePath());
  ASSERT_EQ(after.size(), bytes.size());
  EXPECT_EQ(after.substr(after.size() - 99, 35), "CART 32767" + std::string(25, ' '));
  EXPECT_EQ(after.substr(0, after.size() - 99), bytes.substr(0, bytes.size() - 99));
}

enum class Database { Vapor, Cartridge };

// One database screen of the running program, driven alike whichever it is.
class EachDatabaseTest : public DatabaseScreenFileTest, public ::testing::WithParamInterface<Database> {
 protected:
  bool vapors() const { return GetParam() == Database::Vapor; }
  std::filesystem::path path() const { return vapors() ? vaporPath() : cartridgePath(); }
  forms::ComboBox& names() { return vapors() ? vapor.ChemName : cartridge.CartName; }
  forms::Button& saveTo() { return vapors() ? vapor.cmdSave : cartridge.cmdSave; }
  void open() { vapors() ? openVaporSlot(1) : openCartridge(); }

  //! The record of an entry as typeEntry types it; revised: with another molecular weight or
  //! preconditioning humidity.
  std::string recordOf(const std::string& name, bool revised = false) const {
    if (vapors()) return vaporRecord(name, "67-64-1", revised ? "92.14" : "58.08").toBytes();
    const char* h = revised ? "60" : "50";  // preconditioning humidity [%]
    return CartridgeRecord::assemble(name, "8.4", "1.9", "42", "0.45", h, "0.15", "28.0", "0.061").toBytes();
  }
  std::string recordsOf(std::initializer_list<std::string> names) const {
    std::string bytes;
    for (const std::string& name : names) bytes += recordOf(name);
    return bytes;
  }
  void typeEntry(const std::string& name, bool revised = false) {
    if (vapors()) return typeVapor(name, "67-64-1", revised ? "92.14" : "58.08");
    typeCartridge(name, revised ? "60" : "50", "0.061");
  }
  //! Types the entry and saves it; every message must be expected by the test.
  void save(const std::string& name, bool revised = false) { typeEntry(name, revised), app.click(saveTo()); }
  //! Searches the name: found, its record is shown with no message; otherwise "Can't find".
  void search(const std::string& name, bool found) {
    app.editText(names(), name);
    if (!found) app.expectMessage("Can't find " + records::searchKey(name) + ".", "Search for a Record");
    app.click(vapors() ? vapor.cmdSearch : cartridge.cmdSearch);
    if (found) {
      EXPECT_EQ((vapors() ? vapor.MolWt : cartridge.BedDiam).text(), vapors() ? "58.08" : "8.4") << name;
    }
  }

  //! Another program renames a new file holding bytes over the record file. False when the system
  //! refuses (Windows keeps an open file from being renamed over or deleted).
  bool replaceWith(const std::string& bytes) {
    const std::filesystem::path fresh = path().string() + ".new";
    writeBytes(fresh, bytes);
    std::error_code error;
    std::filesystem::rename(fresh, path(), error);
    return !error;
  }
  //! A backup tool: under the file's lock, it copies the file and renames the copy over it.
  void backUp() {
    files::FileError ignored;
    files::RecordFile tool = files::RecordFile::open(path(), 1, ignored);
    ASSERT_FALSE(tool.lock(std::chrono::milliseconds{0}));
    const std::filesystem::path copy = path().string() + ".bak";
    std::filesystem::copy_file(path(), copy, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::rename(copy, path());
  }
};

// One screen open the whole time while another program puts something other than a file at its
// path, then replaces, copies over, deletes and rewrites the file, again and again. While no record
// file is there, each Save and each Search says what is; after each change a Search shows the file
// at the path and a Save lands in it, with no message and no restart.
TEST_P(EachDatabaseTest, EveryChangeAtThePathInARowIsFollowed) {
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
  save("Mu");
  EXPECT_EQ(names().items(), (Texts{listKey("KAPPA"), listKey("LAMBDA"), listKey("MU")}));
}

INSTANTIATE_TEST_SUITE_P(Databases, EachDatabaseTest, Values(Database::Vapor, Database::Cartridge));

}  // namespace
}  // namespace tess::databases
