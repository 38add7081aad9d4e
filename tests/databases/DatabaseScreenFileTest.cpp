// The two database screens on record files that are odd or cannot be used: the screen says which
// file and why, stays usable, and nothing that was in a file is lost.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "support/ProgramFixture.h"
#include "state/SetUp.h"

namespace tess::databases {
using namespace testing;

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

TEST_F(MissingFolderTest, AFolderWithoutTheFilesGivesMessagesAndUsableScreens) {
  input.show();
  clickExpectingReport(input.SelectVap[1], vaporPath(), "could not be created", "Vapor Database");
  ASSERT_TRUE(vapor.visible());
  EXPECT_EQ(vapor.NumVaporRecords(), 0);
  EXPECT_EQ(vapor.ChemName.itemCount(), 0);
  // Save reports that nothing was saved and keeps what was typed; Return still stores the slot.
  typeVapor("Acetone", "67-64-1");
  clickExpectingReport(vapor.cmdSave, vaporPath(), "not saved", "Add a Record");
  EXPECT_EQ(vapor.ChemName.text(), "Acetone");
  EXPECT_EQ(vapor.MolWt.text(), "58.08");
  app.click(vapor.cmdExit);
  EXPECT_EQ(state.Vapor[1].ChemName, "Acetone");

  clickExpectingReport(input.SelectCart, cartridgePath(), "could not be created", "Cartridge Database");
  typeCartridge("Cart");
  clickExpectingReport(cartridge.cmdSave, cartridgePath(), "not saved", "Add a Record");
  EXPECT_EQ(cartridge.BedDiam.text(), "8.4");
  app.click(cartridge.cmdExit);
  EXPECT_EQ(state.Cart.CartName, "Cart");
}

TEST_F(DatabaseScreenFileTest, AFileThatCannotBeOpenedIsReportedByName) {
  std::filesystem::create_directory(vaporPath());  // a folder where the file should be
  input.show();
  clickExpectingReport(input.SelectVap[1], vaporPath(), "", "Vapor Database");
  EXPECT_EQ(app.messages().size(), 1u);
  EXPECT_EQ(vapor.ChemName.itemCount(), 0);
  app.editText(vapor.ChemName, "Acetone");  // Search finds nothing and says so
  app.expectMessage("Can't find ACETONE.", "Search for a Record");
  app.click(vapor.cmdSearch);
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
  EXPECT_EQ(cartridge.CartName.text(), "One more");
  EXPECT_EQ(cartridge.BedDiam.text(), "8.4");
  EXPECT_EQ(fileBytes(cartridgePath()).size(), bytes.size());

  typeCartridge("CART 32767", "60");
  app.expectMessage(reviseQuestion("cartridge"), "Revise a Record", forms::MsgAnswer::Yes);
  app.click(cartridge.cmdSave);
  const std::string after = fileBytes(cartridgePath());
  ASSERT_EQ(after.size(), bytes.size());
  EXPECT_EQ(after.substr(after.size() - 99, 35), "CART 32767" + std::string(25, ' '));
  EXPECT_EQ(after.substr(0, after.size() - 99), bytes.substr(0, bytes.size() - 99));
}

}  // namespace
}  // namespace tess::databases
