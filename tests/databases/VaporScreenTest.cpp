// The vapor screen driven headless through the data-input screen: loading the vapor file, the
// name list, Search by name and by CAS number, Save's append and revise, Clear, the numeric boxes
// and Return's roads.
#include <gtest/gtest.h>

#include "ScreenFixture.h"
#include "databases/modVapor.h"
#include "platform/forms/KeyCodes.h"
#include "platform/text/LeadingNumber.h"
#include "platform/text/NumberText.h"
#include "state/SetUp.h"

using tess::testing::DatabaseScreenTest;
using tess::testing::listKey;

namespace {

class VaporScreenTest : public DatabaseScreenTest {};

TEST_F(VaporScreenTest, MissingFileIsCreatedEmptyAndTheFirstSaveAppendsRecordOne) {
  openVaporSlot(1);
  ASSERT_TRUE(std::filesystem::exists(vaporPath()));
  EXPECT_EQ(fileBytes(vaporPath()).size(), 0u);
  EXPECT_EQ(vapor().NumVaporRecords(), 0);
  EXPECT_EQ(vapor().ChemName.itemCount(), 0);

  // Searching an empty file finds nothing.
  app.editText(vapor().ChemName, "Acetone");
  app.expectMessage("Can't find ACETONE.", "Search for a Record");
  app.click(vapor().cmdSearch);

  typeVapor("Acetone", "67-64-1");
  app.click(vapor().cmdSave);
  EXPECT_EQ(fileBytes(vaporPath()), vaporRecord("Acetone", "67-64-1").toBytes());
  EXPECT_EQ(vapor().NumVaporRecords(), 1);
  ASSERT_EQ(vapor().ChemName.itemCount(), 1);
  EXPECT_EQ(vapor().ChemName.items()[0], listKey("ACETONE"));
  EXPECT_EQ(vapor().ChemName.text(), "Acetone");
  EXPECT_EQ(vapor().AntoineC.text(), "-35.93");
}

TEST_F(VaporScreenTest, AppendStoresTextsCutToTheirFieldsAndShowsThemSo) {
  openVaporSlot(1);
  // Leading blanks are kept; the value of 11 characters and the CAS number of 21 are cut.
  typeVapor("  Methyl ethyl ketone", "123456789012345678901", "72.10600001");
  app.click(vapor().cmdSave);

  const std::string bytes = fileBytes(vaporPath());
  ASSERT_EQ(bytes.size(), 117u);
  EXPECT_EQ(bytes.substr(0, 35), "  Methyl ethyl ketone" + std::string(14, ' '));
  EXPECT_EQ(bytes.substr(35, 8), "72.10600");
  EXPECT_EQ(bytes.substr(99, 18), "123456789012345678");
  EXPECT_EQ(vapor().ChemName.text(), "  Methyl ethyl ketone");
  EXPECT_EQ(vapor().MolWt.text(), "72.10600");
  EXPECT_EQ(vapor().CAS.text(), "123456789012345678");
  EXPECT_EQ(vapor().ChemName.items(), std::vector<std::string>{listKey("METHYL ETHYL KETONE")});

  // A new name takes its place in the sorted list.
  typeVapor("Acetone", "67-64-1");
  app.click(vapor().cmdSave);
  EXPECT_EQ(vapor().ChemName.items(),
            (std::vector<std::string>{listKey("ACETONE"), listKey("METHYL ETHYL KETONE")}));
  EXPECT_EQ(fileBytes(vaporPath()).size(), 2 * 117u);
}

TEST_F(VaporScreenTest, SavingANameOnFileAsksAndRevisesInPlaceOrNot) {
  writeVaporFile({vaporRecord("Benzene", "71-43-2", "78.11"), vaporRecord("Acetone", "67-64-1")});
  openVaporSlot(1);
  const std::vector<std::string> listBefore = vapor().ChemName.items();

  // Another case, and a value longer than its field: the question, Yes rewrites record 2.
  typeVapor("ACETONE", "67-64-1", "58.0800001");
  // The CAS box was left last: Save still looks the chemical up by its name.
  app.expectMessage("This chemical is already on file.\r\nDo you want to save \r\na revised record?",
                    "Revise a Record", forms::MsgAnswer::Yes);
  app.click(vapor().cmdSave);
  EXPECT_EQ(app.messages().back().buttons, forms::MsgButtons::YesNo);
  const std::string bytes = fileBytes(vaporPath());
  ASSERT_EQ(bytes.size(), 2 * 117u);
  EXPECT_EQ(bytes.substr(0, 117), vaporRecord("Benzene", "71-43-2", "78.11").toBytes());
  EXPECT_EQ(bytes.substr(117, 117), vaporRecord("ACETONE", "67-64-1", "58.08000").toBytes());
  // The boxes and the list stay as they were before Save: the box keeps what was typed.
  EXPECT_EQ(vapor().MolWt.text(), "58.0800001");
  EXPECT_EQ(vapor().ChemName.text(), "ACETONE");
  EXPECT_EQ(vapor().ChemName.items(), listBefore);
  EXPECT_EQ(vapor().NumVaporRecords(), 2);

  // No writes nothing.
  app.editText(vapor().MolWt, "99");
  app.expectMessage("This chemical is already on file.\r\nDo you want to save \r\na revised record?",
                    "Revise a Record", forms::MsgAnswer::No);
  app.click(vapor().cmdSave);
  EXPECT_EQ(fileBytes(vaporPath()), bytes);
  EXPECT_EQ(vapor().MolWt.text(), "99");
}

TEST_F(VaporScreenTest, ALongNameSavedTwiceRevisesItsOwnRecord) {
  openVaporSlot(1);
  const std::string longName = "Dipropylene glycol monomethyl ether acetate";  // 43 characters
  typeVapor(longName, "88917-22-0");
  app.click(vapor().cmdSave);
  EXPECT_EQ(vapor().ChemName.text(), longName.substr(0, 35));

  typeVapor(longName, "88917-22-0");
  app.expectMessage("This chemical is already on file.\r\nDo you want to save \r\na revised record?",
                    "Revise a Record", forms::MsgAnswer::Yes);
  app.click(vapor().cmdSave);
  EXPECT_EQ(vapor().NumVaporRecords(), 1);
  EXPECT_EQ(fileBytes(vaporPath()).size(), 117u);
}

TEST_F(VaporScreenTest, SaveWithABlankNameAsksForOne) {
  openVaporSlot(1);
  app.editText(vapor().ChemName, "   ");
  app.editText(vapor().MolWt, "58");
  app.expectMessage("Enter a chemical name.", "Add a Record");
  app.click(vapor().cmdSave);
  EXPECT_EQ(fileBytes(vaporPath()).size(), 0u);
  EXPECT_EQ(vapor().MolWt.text(), "58");
}

// What the screen shows after each kind of search.
TEST_F(VaporScreenTest, SearchResultsByNameAndByCASNumber) {
  writeVaporFile({vaporRecord("Benzene", "71-43-2", "78.11"), vaporRecord("Propanone", "67-64-1", "58.1"),
                  vaporRecord("Acetone", " 67-64-1 ", "58.08")});
  openVaporSlot(1);
  frmVaporMulti& v = vapor();
  const std::vector<std::string> fullList{listKey("ACETONE"), listKey("BENZENE"), listKey("PROPANONE")};
  ASSERT_EQ(v.ChemName.items(), fullList);

  // By name, found: the full list, the stored name, the record, flag 0.
  app.editText(v.ChemName, "  benzene ");
  app.click(v.cmdSearch);
  EXPECT_EQ(v.ChemName.items(), fullList);
  EXPECT_EQ(v.ChemName.text(), "Benzene");
  EXPECT_EQ(v.MolWt.text(), "78.11");
  EXPECT_EQ(v.CAS.text(), "71-43-2");
  EXPECT_EQ(v.SearchByCAS, 0);

  // By name, not found: the full list, an empty name box, the boxes as before, flag 0.
  app.editText(v.ChemName, "Toluene");
  app.editText(v.MolWt, "92.14");
  app.expectMessage("Can't find TOLUENE.", "Search for a Record");
  app.click(v.cmdSearch);
  EXPECT_EQ(v.ChemName.items(), fullList);
  EXPECT_EQ(v.ChemName.text(), "");
  EXPECT_EQ(v.MolWt.text(), "92.14");
  EXPECT_EQ(v.SearchByCAS, 0);

  // By CAS number, found twice: the keys of both in index order, the last one shown, flag 0.
  app.editText(v.CAS, "67-64-1");
  app.click(v.cmdSearch);
  EXPECT_EQ(v.ChemName.items(), (std::vector<std::string>{"ACETONE", "PROPANONE"}));
  EXPECT_EQ(v.ChemName.text(), "Propanone");
  EXPECT_EQ(v.MolWt.text(), "58.1");
  EXPECT_EQ(v.SearchByCAS, 0);

  // By CAS number, not found: an empty list and name box, the boxes as before, flag 1.
  app.editText(v.CAS, "67-64-2");
  app.expectMessage("Can't find 67-64-2.", "Search for a Record");
  app.click(v.cmdSearch);
  EXPECT_TRUE(v.ChemName.items().empty());
  EXPECT_EQ(v.ChemName.text(), "");
  EXPECT_EQ(v.MolWt.text(), "58.1");
  EXPECT_EQ(v.CAS.text(), "67-64-2");
  EXPECT_EQ(v.SearchByCAS, 1);
}

TEST_F(VaporScreenTest, CASSearchUsesTheIndexAsLastBuilt) {
  writeVaporFile({vaporRecord("Benzene", "71-43-2"), vaporRecord("Water", ""), vaporRecord("Air", "  ")});
  openVaporSlot(1);
  frmVaporMulti& v = vapor();

  // An empty CAS box lists every record without a CAS number and shows the last of them.
  app.focus(v.CAS);
  app.click(v.cmdSearch);
  EXPECT_EQ(v.ChemName.items(), (std::vector<std::string>{"AIR", "WATER"}));
  EXPECT_EQ(v.ChemName.text(), "Water");

  // A revise with a new CAS number reaches the index only at its next build.
  app.editText(v.ChemName, "Benzene");
  app.click(v.cmdSearch);
  app.editText(v.CAS, "71-43-X");
  app.expectMessage("This chemical is already on file.\r\nDo you want to save \r\na revised record?",
                    "Revise a Record", forms::MsgAnswer::Yes);
  app.click(v.cmdSave);
  app.editText(v.CAS, "71-43-X");
  app.expectMessage("Can't find 71-43-X.", "Search for a Record");
  app.click(v.cmdSearch);
  app.editText(v.CAS, "71-43-2");
  app.click(v.cmdSearch);
  EXPECT_EQ(v.ChemName.text(), "Benzene");
  EXPECT_EQ(v.CAS.text(), "71-43-X");
}

TEST_F(VaporScreenTest, SearchByCASFollowsTheKeyBoxLeftLast) {
  writeVaporFile({vaporRecord("Acetone", "67-64-1")});
  openVaporSlot(1);
  frmVaporMulti& v = vapor();
  EXPECT_EQ(v.SearchByCAS, 0);

  app.editText(v.CAS, "67-64-1");
  app.focus(v.MolWt);
  EXPECT_EQ(v.SearchByCAS, 1);
  // Typing in the name box returns to the name search and empties the CAS box.
  app.editText(v.ChemName, "A");
  EXPECT_EQ(v.SearchByCAS, 0);
  EXPECT_EQ(v.CAS.text(), "");

  // Choosing a list entry leaves the boxes as they were.
  app.editText(v.MolWt, "58");
  app.focus(v.ChemName);
  app.chooseItem(v.ChemName, 0);
  EXPECT_EQ(v.ChemName.text(), listKey("ACETONE"));
  EXPECT_EQ(v.MolWt.text(), "58");
  // The padded key is trimmed again by the search.
  app.click(v.cmdSearch);
  EXPECT_EQ(v.ChemName.text(), "Acetone");
  EXPECT_EQ(v.MolWt.text(), "58.08");
}

TEST_F(VaporScreenTest, ClearLeavesNoneSelectedAndTheSlotUntouched) {
  openVaporSlot(1);
  typeVapor("Acetone", "67-64-1");
  app.click(vapor().cmdExit);
  openVaporSlot(1);
  app.editText(vapor().CAS, "1");
  app.click(vapor().cmdClear);
  frmVaporMulti& v = vapor();
  EXPECT_EQ(v.ChemName.text(), "None Selected");
  EXPECT_EQ(v.ChemName.selLength(), 13);
  EXPECT_TRUE(v.ChemName.hasFocus());
  for (const forms::TextBox* box : {&v.MolWt, &v.LiqDensity, &v.MolPol, &v.WaterSol, &v.AvgVapConc, &v.AntoineA,
                                    &v.AntoineB, &v.AntoineC, &v.CAS}) {
    EXPECT_EQ(box->text(), "") << box->name();
  }
  EXPECT_EQ(v.SearchByCAS, 0);
  EXPECT_EQ(state().Vapor[1].ChemName, "Acetone");
}

TEST_F(VaporScreenTest, SetOldVaporFieldsShowsSinglePrecisionTexts) {
  VaporData& slot = state().Vapor[2];
  slot = VaporData{};
  slot.ChemName = "Benzene ";
  slot.MolWt = 78.11f;
  slot.LiqDensity = 1000;
  slot.AntoineC = -48.78f;
  slot.AvgVapConc = 0.000015f;
  slot.CAS = "71-43-2";
  vapor().SetOldVaporFields(2);
  frmVaporMulti& v = vapor();
  EXPECT_EQ(v.ChemName.text(), "Benzene ");
  EXPECT_EQ(v.MolWt.text(), "78.11");
  EXPECT_EQ(v.LiqDensity.text(), "1000");
  EXPECT_EQ(v.MolPol.text(), "0");
  EXPECT_EQ(v.AntoineC.text(), "-48.78");
  EXPECT_EQ(static_cast<float>(tess::text::leadingNumber(v.AvgVapConc.text())), 0.000015f);
  EXPECT_EQ(v.CAS.text(), "71-43-2");
}

TEST_F(VaporScreenTest, NumericBoxesCheckOnEnterAndChainToReturn) {
  openVaporSlot(1);
  frmVaporMulti& v = vapor();
  app.editText(v.AntoineC, "-40");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(v.cmdExit.hasFocus());
  EXPECT_TRUE(v.visible());  // Return got the focus, it was not pressed

  app.editText(v.MolWt, "0");
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(v.MolWt.hasFocus());

  // WaterSol accepts 0 and moves on; AntoineB shows its bound texts.
  app.editText(v.MolWt, "58");
  app.editText(v.WaterSol, "0");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(v.AvgVapConc.hasFocus());
  // Opening the slot wrote "0" into this box, which its check refuses until it is changed.
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  app.editText(v.AvgVapConc, "500");
  app.editText(v.AntoineB, "999");
  app.expectMessage("This entry must be greater than or equal to 1,000 ", "Invalid Entry");
  app.click(v.cmdExit);
  EXPECT_TRUE(v.AntoineB.hasFocus());
  EXPECT_TRUE(v.visible());
}

// ---- Return ----

TEST_F(VaporScreenTest, ReturnStoresTheSlotAndMovesToTheNextButton) {
  openVaporSlot(1);
  typeVapor("Acetone  ", "67-64-1");
  app.editText(vapor().MolPol, "12abc");  // passes its check as 12 and keeps its text
  // Texts that reach a box without its check (as from a record) are taken as they stand.
  vapor().WaterSol.setText(" ");
  vapor().AntoineA.setText("abc");
  app.click(vapor().cmdExit);

  const VaporData& slot = state().Vapor[1];
  EXPECT_EQ(slot.ChemName, "Acetone  ");
  EXPECT_EQ(slot.MolWt, 58.08f);
  EXPECT_EQ(slot.MolPol, 12.0f);
  EXPECT_EQ(slot.WaterSol, 0.0f);
  EXPECT_EQ(slot.AntoineA, 0.0f);
  EXPECT_EQ(slot.AntoineC, -35.93f);
  EXPECT_EQ(slot.CAS, "67-64-1");
  EXPECT_FALSE(vapor().visible());
  EXPECT_TRUE(input().visible());
  EXPECT_EQ(input().Vap[1].caption(), "Acetone  ");
  EXPECT_TRUE(input().SelectVap[2].hasFocus());
  EXPECT_EQ(state().TotalVapors, 1);
}

TEST_F(VaporScreenTest, ReturnFromSlotFiveMovesToUseConditions) {
  for (int k = 1; k <= 5; ++k) {
    openVaporSlot(k);
    typeVapor("Vapor " + std::to_string(k), "1-" + std::to_string(k));
    app.click(vapor().cmdExit);
  }
  EXPECT_EQ(input().Vap[5].caption(), "Vapor 5");
  EXPECT_TRUE(input().SelectUse.hasFocus());
  EXPECT_EQ(state().TotalVapors, 5);
}

TEST_F(VaporScreenTest, NoneSelectedOnAJustOpenedSlotCountsItOutAgain) {
  openVaporSlot(1);
  typeVapor("Acetone", "67-64-1");
  app.click(vapor().cmdExit);
  openVaporSlot(2);
  ASSERT_EQ(state().TotalVapors, 2);
  ASSERT_EQ(state().MixVapors, 2);
  app.editText(vapor().ChemName, "  none selected ");
  app.click(vapor().cmdExit);  // empty boxes, yet no dialog

  EXPECT_EQ(app.modalForms().size(), 0u);
  EXPECT_EQ(state().TotalVapors, 1);
  EXPECT_EQ(state().MixVapors, 1);
  EXPECT_EQ(input().Vap[2].caption(), "None Selected");
  EXPECT_FALSE(vapor().visible());
  EXPECT_TRUE(input().visible());
  EXPECT_TRUE(input().SelectVap[2].hasFocus());  // where it was

  // Slot 2 is the next to open again, slot 3 is locked.
  app.expectMessage("Lower numbered Organic Vapors must be set first.", "Note");
  app.click(input().SelectVap[3]);
  openVaporSlot(2);
  EXPECT_EQ(state().TotalVapors, 2);
  // Opening refilled the list, which emptied the name box. The close box is Return too.
  EXPECT_EQ(vapor().ChemName.text(), "");
  app.editText(vapor().ChemName, "None Selected");
  app.closeWindow(vapor());
  EXPECT_EQ(state().TotalVapors, 1);
  EXPECT_FALSE(vapor().visible());
  // And so is Esc.
  openVaporSlot(2);
  app.editText(vapor().ChemName, "None Selected");
  app.pressKey(forms::KeyEscape);
  EXPECT_EQ(state().TotalVapors, 1);
  EXPECT_FALSE(vapor().visible());
}

TEST_F(VaporScreenTest, NoneSelectedOnAReopenedSlotKeepsItsVapor) {
  openVaporSlot(1);
  typeVapor("Acetone", "67-64-1");
  app.click(vapor().cmdExit);
  openVaporSlot(2);
  typeVapor("Benzene", "71-43-2");
  app.click(vapor().cmdExit);
  ASSERT_EQ(state().MixVapors, 2);

  openVaporSlot(1);
  app.click(vapor().cmdClear);
  app.click(vapor().cmdExit);
  EXPECT_EQ(state().Vapor[1].ChemName, "Acetone");
  EXPECT_EQ(input().Vap[1].caption(), "Acetone");
  EXPECT_EQ(state().TotalVapors, 2);
  EXPECT_EQ(state().MixVapors, 1);
}

TEST_F(VaporScreenTest, IncompleteEntryGoesThroughTheDialogAndStoresNothing) {
  openVaporSlot(1);
  typeVapor("Acetone", "");
  app.scriptModal("ExitDialog", [&] { app.click(exitDialog().ReturnButton); });
  app.click(vapor().cmdExit);
  EXPECT_EQ(app.modalForms(), std::vector<std::string>{"ExitDialog"});
  EXPECT_TRUE(vapor().visible());
  EXPECT_TRUE(vapor().ChemName.hasFocus());
  EXPECT_EQ(vapor().MolWt.text(), "58.08");
  EXPECT_EQ(state().Vapor[1].ChemName, "");
  EXPECT_EQ(input().Vap[1].caption(), "None Selected");

  // An empty name box is no "None Selected": the dialog, then the name box reads "None Selected"
  // and the other boxes are empty.
  app.editText(vapor().ChemName, "");
  app.editText(vapor().MolWt, "58.08");
  app.editText(vapor().CAS, "67-64-1");
  app.scriptModal("ExitDialog", [&] { app.click(exitDialog().ReturnButton); });
  app.click(vapor().cmdExit);
  EXPECT_EQ(vapor().ChemName.text(), "None Selected");
  EXPECT_EQ(vapor().MolWt.text(), "");
  EXPECT_EQ(vapor().CAS.text(), "");
  EXPECT_EQ(state().TotalVapors, 1);
}

TEST_F(VaporScreenTest, DialogExitAnsweredNoStaysAndYesEndsWithTheFileClosed) {
  openVaporSlot(1);
  typeVapor("Acetone", "");
  app.scriptModal("ExitDialog", [&] {
    app.expectMessage("Are you sure you want to quit?", "", forms::MsgAnswer::No);
    app.click(exitDialog().ExitButton);
  });
  app.scriptModal("ExitDialog", [&] {
    EXPECT_TRUE(exitDialog().ReturnButton.hasFocus());
    app.expectMessage("Are you sure you want to quit?", "", forms::MsgAnswer::Yes);
    app.click(exitDialog().ExitButton);
  });
  app.click(vapor().cmdExit);
  EXPECT_TRUE(app.programEnded());
  EXPECT_FALSE(vapor().vaporFile().isOpen());
  EXPECT_FALSE(vapor().visible());
  EXPECT_EQ(state().Vapor[1].ChemName, "");
}

}  // namespace
