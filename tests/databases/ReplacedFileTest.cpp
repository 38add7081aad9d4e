// A record file that another program (a backup or synchronising tool) replaces, deletes or
// rewrites while the program runs: every record that a Save reports saved is in the file at the
// record file's path, and a Search reads that file as it is.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/ProgramFixture.h"

namespace tess::databases {
using namespace testing;

namespace {

enum class Road { RenamedOver, Deleted, RewrittenInPlace };

class ReplacedFileTest : public ProgramFixture, public ::testing::WithParamInterface<Road> {
 protected:
  //! Does to the file at path what another program does on the road: puts a new file holding
  //! after in its place, deletes it, or writes after over it (of the same length). False when the
  //! system refuses it (Windows keeps an open file from being deleted or renamed over).
  static bool changeFile(Road road, const std::filesystem::path& path, const std::string& after) {
    std::error_code error;
    if (road == Road::RenamedOver) {
      const std::filesystem::path fresh = path.string() + ".new";
      writeBytes(fresh, after);
      std::filesystem::rename(fresh, path, error);
    } else if (road == Road::Deleted) {
      std::filesystem::remove(path, error);
    } else {
      const auto before = std::filesystem::last_write_time(path);
      writeBytes(path, after);
      // A time of its own, as the rewrite may fall in the clock tick of the program's last write.
      std::filesystem::last_write_time(path, before + std::chrono::seconds(2));
    }
    return !error;
  }
  bool deleted() const { return GetParam() == Road::Deleted; }
};

// Save first, of a name on file: nothing read the file since it changed, and the revise goes over
// the record that holds the name now.
TEST_P(ReplacedFileTest, AVaporSavedAfterwardsIsInTheFileAtThePathAndSearchFindsItsOwnRecords) {
  const std::string toluene = vaporRecord("Toluene", "108-88-3").toBytes();
  const std::string acetone = vaporRecord("Acetone").toBytes();
  const std::string benzene = vaporRecord("Benzene", "71-43-2").toBytes();
  writeBytes(vaporPath(), toluene + acetone + benzene);
  openVaporSlot(1);
  if (!changeFile(GetParam(), vaporPath(), benzene + acetone + toluene)) {
    GTEST_SKIP() << "the system keeps the open file in place";
  }

  typeVapor("Toluene", "108-88-3", "92.14");
  if (!deleted()) app.expectMessage(reviseQuestion("chemical"), "Revise a Record", forms::MsgAnswer::Yes);
  app.click(vapor.cmdSave);
  const std::string revised = vaporRecord("Toluene", "108-88-3", "92.14").toBytes();
  EXPECT_EQ(fileBytes(vaporPath()), deleted() ? revised : benzene + acetone + revised);

  app.editText(vapor.ChemName, "Benzene");
  if (deleted()) app.expectMessage("Can't find BENZENE.", "Search for a Record");
  app.click(vapor.cmdSearch);
  EXPECT_EQ(vapor.CAS.text(), deleted() ? "" : "71-43-2");
}

// Search first, then Save.
TEST_P(ReplacedFileTest, ACartridgeSearchReadsTheFileAtThePathAndASaveLandsInIt) {
  const std::string typeA = cartridgeRecord("Type A", "8.1").toBytes();
  const std::string typeB = cartridgeRecord("Type B", "8.2").toBytes();
  writeBytes(cartridgePath(), typeA + typeB);
  openCartridge();
  const std::string after = typeB + typeA;
  if (!changeFile(GetParam(), cartridgePath(), after)) GTEST_SKIP() << "the system keeps the open file in place";

  app.editText(cartridge.CartName, "Type A");
  if (deleted()) app.expectMessage("Can't find TYPE A.", "Search for a Record");
  app.click(cartridge.cmdSearch);
  EXPECT_EQ(cartridge.BedDiam.text(), deleted() ? "" : "8.1");

  typeCartridge("Type C");
  app.click(cartridge.cmdSave);
  EXPECT_EQ(fileBytes(cartridgePath()),
            (deleted() ? "" : after) +
                records::CartridgeRecord::assemble("Type C", "8.4", "1.9", "42", "0.45", "50", "0.15", "28.0", "0.1")
                    .toBytes());
}

std::string roadName(const ::testing::TestParamInfo<Road>& road) {
  return road.param == Road::RenamedOver ? "RenamedOver" : road.param == Road::Deleted ? "Deleted" : "RewrittenInPlace";
}

INSTANTIATE_TEST_SUITE_P(Roads, ReplacedFileTest,
                         ::testing::Values(Road::RenamedOver, Road::Deleted, Road::RewrittenInPlace), roadName);

}  // namespace
}  // namespace tess::databases
