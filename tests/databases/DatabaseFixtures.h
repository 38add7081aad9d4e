// The database screens of a running program on record files that fail or that other programs
// change: what the tests of both screens share.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/files/RecordFile.h"
#include "records/RecordIndex.h"
#include "support/ProgramFixture.h"

namespace tess::databases {
using namespace testing;
using records::CartridgeRecord;
using Texts = std::vector<std::string>;

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
  //! From here on, at every message box: nothing holds the lock of the file at path, so another
  //! copy of the program can save while the user reads; and a message that says the list stays
  //! empty, or that the entries are listed, stands beside a list that is so.
  void watchEveryMessage(const std::filesystem::path& path, const forms::ComboBox& list) {
    app.watchMessages([path, &list](const forms::MessageRequest& message) {
      int ignored = 0;
      if (auto other = files::PathOpener().openForUpdate(path, ignored)) {
        EXPECT_FALSE(other->lock(std::chrono::milliseconds{0})) << "lock held at: " << message.text;
      }
      const auto says = [&](const char* words) { return message.text.find(words) != std::string::npos; };
      EXPECT_TRUE(!says("stays empty") || list.itemCount() == 0) << "beside a list: " << message.text;
      EXPECT_TRUE(!says("are listed") || list.itemCount() > 0) << "beside no list: " << message.text;
    });
  }
};

enum class Database { Vapor, Cartridge };

// One database screen of the running program, driven alike whichever it is.
class EachDatabaseTest : public DatabaseScreenFileTest, public ::testing::WithParamInterface<Database> {
 protected:
  bool vapors() const { return GetParam() == Database::Vapor; }
  //! What the messages call the file and its entries.
  std::string namedFile() const {
    return std::string(vapors() ? "vapor" : "cartridge") + " database file \"" + path().string() + "\"";
  }
  const char* entries() const { return vapors() ? "chemicals" : "cartridges"; }
  const char* fileTitle() const { return vapors() ? "Vapor Database" : "Cartridge Database"; }
  std::string onFileQuestion() const { return reviseQuestion(vapors() ? "chemical" : "cartridge"); }
  //! The list as it shows upperNames.
  static Texts keys(std::initializer_list<std::string> upperNames) {
    Texts result;
    for (const std::string& name : upperNames) result.push_back(listKey(name));
    return result;
  }
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

}  // namespace tess::databases
