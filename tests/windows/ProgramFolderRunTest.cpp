// The whole program with its record files in a folder named outside ASCII (the program's folder
// as a user may install it): the files are created and written in that very folder, their text is
// Windows-1252, and the numbers typed into the screens are read the same under any locale.
#include <gtest/gtest.h>

#include "support/ProgramFixture.h"
#include "platform/files/ProgramFolder.h"
#include "state/SetUp.h"

namespace tess::program {
using namespace testing;

namespace {

const std::string FolderName = "Tessaloran \xC3\xA9\xE2\x82\xAC";  // "Tessaloran é€"

class ProgramFolderRun : public ProgramFixture {
 protected:
  ProgramFolderRun() : ProgramFixture(FolderName) {}
};

TEST_F(ProgramFolderRun, RecordFilesLiveInAFolderNamedOutsideAscii) {
  ASSERT_TRUE(std::filesystem::create_directory(programFolder));

  openVaporSlot(1);
  typeVapor("\xC3\x84thylacetat", "141-78-6", "88.11");  // "Äthylacetat"
  app.click(vapor.cmdSave);
  app.click(vapor.cmdExit);
  openCartridge();
  typeCartridge("Filter \xC2\xBD \xE2\x80\x93 A2");  // "Filter ½ – A2"
  app.click(cartridge.cmdSave);
  app.click(cartridge.cmdExit);

  // One folder in the temporary folder, the one named; both files in it, nowhere else.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++entries;
    EXPECT_EQ(tess::files::pathToUtf8(entry.path().filename()), FolderName);
  }
  EXPECT_EQ(entries, 1);
  const std::string vaporBytes = fileBytes(vaporPath());
  ASSERT_EQ(vaporBytes.size(), 117u);
  EXPECT_EQ(vaporBytes.substr(0, 12), "\xC4thylacetat ");
  EXPECT_EQ(vaporBytes.substr(35, 8), "88.11   ");
  const std::string cartridgeBytes = fileBytes(cartridgePath());
  ASSERT_EQ(cartridgeBytes.size(), 99u);
  EXPECT_EQ(cartridgeBytes.substr(0, 14), "Filter \xBD \x96 A2 ");

  // Typed with a decimal point and stored as numbers, whatever the locale of the run.
  EXPECT_EQ(state.Vapor[1].ChemName, "\xC3\x84thylacetat");
  EXPECT_FLOAT_EQ(state.Vapor[1].MolWt, 88.11f);
  EXPECT_FLOAT_EQ(state.Vapor[1].AntoineC, -35.93f);
  EXPECT_EQ(state.Cart.CartName, "Filter \xC2\xBD \xE2\x80\x93 A2");
  EXPECT_FLOAT_EQ(state.Cart.BedDiam, 8.4f);
  EXPECT_FLOAT_EQ(state.Cart.MicVol, 0.45f);
}

}  // namespace
}  // namespace tess::program
