// Two copies of the program on one folder, each with its own screens and record files open: what
// one saves is never lost by the other's Save, and each finds the other's records under their names.
#include <gtest/gtest.h>

#include "records/VaporRecord.h"
#include "support/ProgramFixture.h"

namespace tess::databases {
using namespace testing;
using Texts = std::vector<std::string>;

namespace {

// Copy A is the fixture's program; copy B a second program on the same folder.
class TwoCopiesTest : public ProgramFixture {
 protected:
  TwoCopiesTest() {
    appB.setFailureHandler([](const std::string& what) { ADD_FAILURE() << "copy B: " << what; });
  }
  void TearDown() override {
    ProgramFixture::TearDown();
    appB.checkDone();
  }
  //! Copy B shows its data-input screen and opens the screen behind button.
  void openInB(forms::Control& button) {
    programB.inputMaster().show();
    ASSERT_TRUE(appB.click(button));
  }

  forms::ScriptedApplication appB;
  program::Program programB{appB, programFolder.string()};
  frmVaporMulti& vaporB = programB.vaporScreen();
  frmCartridgeMulti& cartridgeB = programB.cartridgeScreen();
};

TEST_F(TwoCopiesTest, BothCopiesSavesStayOnFileAndEachCopyFindsTheOthersRecords) {
  const std::string onFile = vaporRecord("Toluene", "108-88-3").toBytes() + vaporRecord("Acetone").toBytes();
  writeBytes(vaporPath(), onFile);
  openVaporSlot(1);
  openInB(programB.inputMaster().SelectVap[1]);
  typeVapor("Alpha", "1-1-1");
  app.click(vapor.cmdSave);
  // B counted two records when it loaded; its Save still goes after A's record.
  appB.editText(vaporB.ChemName, "Beta");
  appB.editText(vaporB.CAS, "2-2-2");
  appB.click(vaporB.cmdSave);
  EXPECT_EQ(fileBytes(vaporPath()), onFile + vaporRecord("Alpha", "1-1-1").toBytes() +
                                        records::VaporRecord::assemble("Beta", "", "", "", "", "", "", "", "", "2-2-2")
                                            .toBytes());
  const Texts fourKeys{listKey("ACETONE"), listKey("ALPHA"), listKey("BETA"), listKey("TOLUENE")};
  EXPECT_EQ(vaporB.ChemName.items(), fourKeys);

  // A reads the file again before its Search: each name shows its own record, the list all four.
  app.editText(vapor.ChemName, "Alpha");
  app.click(vapor.cmdSearch);
  EXPECT_EQ(texts({&vapor.ChemName, &vapor.CAS}), (Texts{"Alpha", "1-1-1"}));
  app.editText(vapor.ChemName, "Beta");
  app.click(vapor.cmdSearch);
  EXPECT_EQ(texts({&vapor.ChemName, &vapor.CAS}), (Texts{"Beta", "2-2-2"}));
  EXPECT_EQ(vapor.ChemName.items(), fourKeys);

  // Opening a slot refills A's list with what B saved since.
  appB.editText(vaporB.ChemName, "Gamma");
  appB.click(vaporB.cmdSave);
  openVaporSlot(2);
  EXPECT_EQ(vapor.ChemName.itemCount(), 5);
}

TEST_F(TwoCopiesTest, SaveOfANameTheOtherCopyAddedRevisesThatRecord) {
  writeRecords(cartridgePath(), {cartridgeRecord("Cart A")});
  openCartridge();
  openInB(programB.inputMaster().SelectCart);
  for (const char* name : {"Cart B", "Cart C"}) {
    appB.editText(cartridgeB.CartName, name);
    appB.click(cartridgeB.cmdSave);
  }
  const std::string before = fileBytes(cartridgePath());
  ASSERT_EQ(before.size(), 3 * 99u);

  // A's list still holds Cart A alone, but its Save looks the name up on the file as it is now.
  typeCartridge("cart b", "60");
  app.expectMessage(reviseQuestion("cartridge"), "Revise a Record", forms::MsgAnswer::Yes);
  app.click(cartridge.cmdSave);
  const std::string after = fileBytes(cartridgePath());
  EXPECT_EQ(after.substr(0, 99) + after.substr(198), before.substr(0, 99) + before.substr(198));
  EXPECT_EQ(after.substr(99, 99), records::CartridgeRecord::assemble("cart b", "8.4", "1.9", "42", "0.45",
                                                                     "60", "0.15", "28.0", "0.1")
                                      .toBytes());
  // A cartridge Search finds B's other record; the list is left as it was.
  app.editText(cartridge.CartName, "Cart C");
  app.click(cartridge.cmdSearch);
  EXPECT_EQ(cartridge.CartName.text(), "Cart C");
  EXPECT_EQ(cartridge.CartName.items(), Texts{listKey("CART A")});
}

// The file deleted twice while both copies run: each time both copies' Saves make it again, one
// going after the other's record.
TEST_F(TwoCopiesTest, AfterEachDeletionBothCopiesSaveInTheFileAtThePath) {
  writeRecords(vaporPath(), {vaporRecord("Acetone")});
  openVaporSlot(1);
  openInB(programB.inputMaster().SelectVap[1]);
  std::error_code error;
  for (const std::string round : {"1", "2"}) {
    std::filesystem::remove(vaporPath(), error);
    if (error) GTEST_SKIP() << "the system keeps an open file in place";
    typeVapor("Alpha " + round, "67-64-1");
    app.click(vapor.cmdSave);
    appB.editText(vaporB.ChemName, "Beta " + round);
    appB.click(vaporB.cmdSave);
    const auto beta = records::VaporRecord::assemble("Beta " + round, "", "", "", "", "", "", "", "", "");
    EXPECT_EQ(fileBytes(vaporPath()), vaporRecord("Alpha " + round).toBytes() + beta.toBytes());
  }
}

}  // namespace
}  // namespace tess::databases
