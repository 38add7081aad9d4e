// The two database screens on record files that are odd or cannot be used: the screen says which
// file and why, stays usable, and nothing that was in a file is lost.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ScreenFixture.h"
#include "databases/ModCartridge.h"
#include "databases/modVapor.h"
#include "state/SetUp.h"

using tess::testing::DatabaseScreenTest;
using tess::testing::listKey;

namespace {

class DatabaseScreenFileTest : public DatabaseScreenTest {
 protected:
  //! Whether file permissions keep this process from writing (they do not for the superuser).
  bool permissionsApply() {
    const auto probe = folder.path() / "probe";
    std::filesystem::create_directory(probe);
    std::filesystem::permissions(probe, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool applies = !std::ofstream(probe / "x").is_open();
    std::filesystem::permissions(probe, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(probe);
    return applies;
  }
  //! The last message shown, which must name the file and say what went wrong.
  void expectLastMessageNames(const std::filesystem::path& file, const std::string& what, const std::string& title) {
    ASSERT_FALSE(app.messages().empty());
    const forms::MessageRequest& message = app.messages().back();
    EXPECT_NE(message.text.find(file.string()), std::string::npos) << message.text;
    EXPECT_NE(message.text.find(what), std::string::npos) << message.text;
    EXPECT_EQ(message.title, title);
  }
};

TEST_F(DatabaseScreenFileTest, AFolderWithoutTheFilesGivesMessagesAndUsableScreens) {
  programFolder = folder.path() / "gone";  // the files cannot be created there

  app.expectMessage();
  showInput();
  app.click(input().SelectVap[1]);
  expectLastMessageNames(vaporPath(), "could not be created", "Vapor Database");
  ASSERT_TRUE(vapor().visible());
  EXPECT_EQ(vapor().NumVaporRecords(), 0);
  EXPECT_EQ(vapor().ChemName.itemCount(), 0);

  // Save reports that nothing was saved and keeps what was typed; Return still stores the slot.
  typeVapor("Acetone", "67-64-1");
  app.expectMessage();
  app.click(vapor().cmdSave);
  expectLastMessageNames(vaporPath(), "not saved", "Add a Record");
  EXPECT_EQ(vapor().ChemName.text(), "Acetone");
  EXPECT_EQ(vapor().MolWt.text(), "58.08");
  app.click(vapor().cmdExit);
  EXPECT_EQ(state().Vapor[1].ChemName, "Acetone");

  app.expectMessage();
  openCartridge();
  expectLastMessageNames(cartridgePath(), "could not be created", "Cartridge Database");
  typeCartridge("Cart");
  app.expectMessage();
  app.click(cartridge().cmdSave);
  expectLastMessageNames(cartridgePath(), "not saved", "Add a Record");
  EXPECT_EQ(cartridge().BedDiam.text(), "8.4");
  app.click(cartridge().cmdExit);
  EXPECT_EQ(state().Cart.CartName, "Cart");
}

TEST_F(DatabaseScreenFileTest, AFileThatCannotBeOpenedIsReportedByName) {
  std::filesystem::create_directory(vaporPath());  // a folder where the file should be
  app.expectMessage();
  showInput();
  app.click(input().SelectVap[1]);
  ASSERT_EQ(app.messages().size(), 1u);
  EXPECT_NE(app.messages()[0].text.find(vaporPath().string()), std::string::npos) << app.messages()[0].text;
  EXPECT_EQ(vapor().ChemName.itemCount(), 0);
  // Search finds nothing and says so.
  app.editText(vapor().ChemName, "Acetone");
  app.expectMessage("Can't find ACETONE.", "Search for a Record");
  app.click(vapor().cmdSearch);
}

TEST_F(DatabaseScreenFileTest, AReadOnlyFileIsListedButNotWritten) {
  if (!permissionsApply()) GTEST_SKIP() << "file permissions do not apply to this user";
  writeVaporFile({vaporRecord("Acetone", "67-64-1")});
  const std::string before = fileBytes(vaporPath());
  std::filesystem::permissions(vaporPath(), std::filesystem::perms::owner_read);
  std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);

  app.expectMessage();
  showInput();
  app.click(input().SelectVap[1]);
  expectLastMessageNames(vaporPath(), "can only be read", "Vapor Database");
  EXPECT_EQ(vapor().ChemName.items(), std::vector<std::string>{listKey("ACETONE")});

  typeVapor("Benzene", "71-43-2");
  app.expectMessage();
  app.click(vapor().cmdSave);
  expectLastMessageNames(vaporPath(), "not saved", "Add a Record");
  EXPECT_EQ(vapor().ChemName.text(), "Benzene");
  EXPECT_EQ(fileBytes(vaporPath()), before);
}

// The record count rounds a trailing part of a record: 59 of 117 bytes count, 58 do not; 50 of
// 99 count, 49 do not. An append after a counted part pads it to a whole record first.
TEST_F(DatabaseScreenFileTest, TrailingPartsOfARecordAreCountedByRoundingAndPaddedBeforeAnAppend) {
  struct Case {
    std::size_t trailing;  // [bytes]
    std::int16_t count;
  };
  for (const Case test : {Case{58, 10}, Case{59, 11}}) {
    tess::testing::TemporaryFolder own;
    programFolder = own.path();
    std::string bytes;
    for (int i = 0; i < 10; ++i) bytes += vaporRecord("Vapor " + std::to_string(i), "").toBytes();
    bytes += vaporRecord("Partial", "").toBytes().substr(0, test.trailing);
    writeBytes(vaporPath(), bytes);
    const std::string folderText = programFolder.string();
    frmVaporMulti screen(ScreenContext{app, state(), program().screens(), folderText});
    EXPECT_EQ(screen.NumVaporRecords(), 0);
    screen.ensureLoaded();
    EXPECT_EQ(screen.NumVaporRecords(), test.count) << test.trailing;
    EXPECT_EQ(screen.ChemName.itemCount(), test.count);
    screen.ChemName.setText("New vapor");
    screen.cmdSave.onClick();
    EXPECT_EQ(fileBytes(vaporPath()).size(), (test.count + 1) * 117u) << test.trailing;
    screen.closeFile();
  }
  for (const Case test : {Case{49, 10}, Case{50, 11}}) {
    tess::testing::TemporaryFolder own;
    programFolder = own.path();
    std::string bytes;
    for (int i = 0; i < 10; ++i) bytes += cartridgeRecord("Cart " + std::to_string(i)).toBytes();
    bytes += std::string(test.trailing, 'x');
    writeBytes(cartridgePath(), bytes);
    const std::string folderText = programFolder.string();
    frmCartridgeMulti screen(ScreenContext{app, state(), program().screens(), folderText});
    screen.ensureLoaded();
    EXPECT_EQ(screen.NumCartRecords(), test.count) << test.trailing;
    EXPECT_EQ(screen.CartName.itemCount(), test.count);
    screen.closeFile();
  }
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
  EXPECT_EQ(cartridge().NumCartRecords(), MaxRecords);
  EXPECT_EQ(cartridge().CartName.itemCount(), MaxRecords);

  typeCartridge("One more");
  app.expectMessage();
  app.click(cartridge().cmdSave);
  expectLastMessageNames(cartridgePath(), "32,767", "Add a Record");
  EXPECT_EQ(cartridge().CartName.text(), "One more");
  EXPECT_EQ(cartridge().BedDiam.text(), "8.4");
  EXPECT_EQ(fileBytes(cartridgePath()).size(), bytes.size());

  typeCartridge("CART 32767", "60");
  app.expectMessage("This cartridge is already on file.\r\nDo you want to save \r\na revised record?",
                    "Revise a Record", forms::MsgAnswer::Yes);
  app.click(cartridge().cmdSave);
  const std::string after = fileBytes(cartridgePath());
  ASSERT_EQ(after.size(), bytes.size());
  EXPECT_EQ(after.substr(after.size() - 99, 35), "CART 32767" + std::string(25, ' '));
  EXPECT_EQ(after.substr(0, after.size() - 99), bytes.substr(0, bytes.size() - 99));
}

}  // namespace
