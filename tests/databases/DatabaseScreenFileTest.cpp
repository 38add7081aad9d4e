// The two database screens on record files that are odd or cannot be used: the screen says which
// file and why, stays usable, and nothing that was in a file is lost. Also on record files that
// another program (a backup or synchronising tool) replaces, deletes or rewrites while the program
// runs: every record that a Save reports saved is in the file at the record file's path, and a
// Search reads that file as it is.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>

#include "state/SetUp.h"
#include "support/ProgramFixture.h"

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

enum class Road { RenamedOver, Deleted, RewrittenInPlace };

class ReplacedFileTest : public ProgramFixture, public ::testing::WithParamInterface<Road> {
 protected:
  //! Does to the file at path what another program does on the road: puts a new file holding
  //! after in its place, deletes it, or writes after over it (of the same length). False when the
  //! system refuses it (Windows keeps an open file from being deleted or renamed over).
  static bool changeFile(Road road, const std::filesystem::path& path, const std::string& after) {
    std::error_code error;
    const std::filesystem::path fresh = path.string() + ".new";
    if (road == Road::RenamedOver) writeBytes(fresh, after), std::filesystem::rename(fresh, path, error);
    if (road == Road::Deleted) std::filesystem::remove(path, error);
    if (road == Road::RewrittenInPlace) {
      const auto before = std::filesystem::last_write_time(path);
      writeBytes(path, after);
      // A time of its own, as the rewrite may fall in the clock tick of the program's last write.
      std::filesystem::last_write_time(path, before + std::chrono::seconds(2));
    }
    return !error;
  }
  bool deleted() const { return GetParam() == Road::Deleted; }
};

// On the vapor screen Save comes first, of a name on file: nothing read the file since it changed,
// and the revise goes over the record that holds the name now. On the cartridge screen Search comes
// first, and shows the record that holds the name now; then the Save of a new name.
TEST_P(ReplacedFileTest, SavesLandInTheFileAtThePathAndSearchesReadThatFile) {
  const std::string toluene = vaporRecord("Toluene", "108-88-3").toBytes();
  const std::string benzene = vaporRecord("Benzene", "71-43-2").toBytes();
  const std::string typeA = cartridgeRecord("Type A", "8.1").toBytes();
  const std::string typeB = cartridgeRecord("Type B", "8.2").toBytes();
  writeBytes(vaporPath(), toluene + benzene);
  writeBytes(cartridgePath(), typeA + typeB);
  openVaporSlot(1);
  openCartridge();
  const bool changed = changeFile(GetParam(), vaporPath(), benzene + toluene) &&
                       changeFile(GetParam(), cartridgePath(), typeB + typeA);
  if (!changed) GTEST_SKIP() << "the system keeps an open file in place";

  openVaporSlot(1);
  typeVapor("Toluene", "108-88-3", "92.14");
  if (!deleted()) app.expectMessage(reviseQuestion("chemical"), "Revise a Record", forms::MsgAnswer::Yes);
  app.click(vapor.cmdSave);
  EXPECT_EQ(fileBytes(vaporPath()),
            (deleted() ? "" : benzene) + vaporRecord("Toluene", "108-88-3", "92.14").toBytes());

  openCartridge();
  app.editText(cartridge.CartName, "Type A");
  if (deleted()) app.expectMessage("Can't find TYPE A.", "Search for a Record");
  app.click(cartridge.cmdSearch);
  EXPECT_EQ(cartridge.BedDiam.text(), deleted() ? "" : "8.1");
  typeCartridge("Type C", "50", "0.061");
  app.click(cartridge.cmdSave);
  EXPECT_EQ(fileBytes(cartridgePath()),
            (deleted() ? "" : typeB + typeA) + cartridgeRecord("Type C").toBytes());
}

INSTANTIATE_TEST_SUITE_P(Roads, ReplacedFileTest,
                         ::testing::Values(Road::RenamedOver, Road::Deleted, Road::RewrittenInPlace));

}  // namespace
}  // namespace tess::databases
