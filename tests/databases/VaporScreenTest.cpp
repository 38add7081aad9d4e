// The vapor screen driven headless through the data-input screen: loading the vapor file, the
// name list, Search by name and by CAS number, Save's append and revise, Clear, the numeric boxes
// and Return's roads.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/forms/KeyCodes.h"
#include "records/modVapor.h"
#include "state/SetUp.h"
#include "support/ProgramFixture.h"

namespace tess::databases {
using namespace testing;
using Texts = std::vector<std::string>;

namespace {

constexpr forms::MsgAnswer Yes = forms::MsgAnswer::Yes, No = forms::MsgAnswer::No;

class VaporScreenTest : public ProgramFixture {
 protected:
  //! Types text into box (a key box, or one the search must leave as it is) and clicks Search;
  //! notFound: the key that the "Can't find" message then names.
  void searchWith(forms::TextControl& box, const std::string& text, const std::string& notFound = "") {
    app.editText(box, text);
    if (!notFound.empty()) app.expectMessage("Can't find " + notFound + ".", "Search for a Record");
    app.click(v.cmdSearch);
  }
  //! Clicks Save, which must show the messages given in turn, each answered as given: the revise
  //! question in a box titled "Revise a Record", any other in one titled "Add a Record".
  void save(std::initializer_list<std::pair<std::string, forms::MsgAnswer>> messages = {}) {
    for (const auto& [text, answer] : messages)
      app.expectMessage(text, text == revise ? "Revise a Record" : "Add a Record", answer);
    app.click(v.cmdSave);
  }
  //! What the screen shows: the name list; the name, molecular weight and CAS boxes; the flag.
  std::tuple<Texts, Texts, int> shown() const {
    return {v.ChemName.items(), texts({&v.ChemName, &v.MolWt, &v.CAS}), v.SearchByCAS};
  }
  //! The slots counted, as the data-input screen does: in all and in the mixture.
  std::pair<int, int> counted() const { return {state.TotalVapors, state.MixVapors}; }

  frmVaporMulti& v = vapor;
  const std::string revise = reviseQuestion("chemical");
};
using Shown = std::tuple<Texts, Texts, int>;

TEST_F(VaporScreenTest, SaveAppendsNamesCutToTheirFieldsAndRevisesNamesOnFileInPlaceOrNot) {
  openVaporSlot(1);
  ASSERT_TRUE(std::filesystem::exists(vaporPath()));  // the missing file is created empty
  EXPECT_EQ(v.NumVaporRecords(), 0);
  searchWith(v.ChemName, "Acetone", "ACETONE");
  type({{&v.ChemName, "   "}, {&v.MolWt, "58"}});  // a blank name is refused
  save({{"Enter a chemical name.", forms::MsgAnswer::OK}});
  EXPECT_EQ(fileBytes(vaporPath()).size(), 0u);
  EXPECT_EQ(v.MolWt.text(), "58");

  // Leading blanks are kept; the value of 11 characters is rounded to its 8, the CAS number of 21
  // is cut.
  typeVapor("  Methyl ethyl ketone", "123456789012345678901", "72.10600001");
  save();
  const std::string first = fileBytes(vaporPath());
  ASSERT_EQ(first.size(), 117u);
  EXPECT_EQ(first.substr(0, 35), "  Methyl ethyl ketone" + std::string(14, ' '));
  EXPECT_EQ(first.substr(35, 8), "72.106  ");
  EXPECT_EQ(first.substr(99, 18), "123456789012345678");
  EXPECT_EQ(texts({&v.ChemName, &v.MolWt, &v.AntoineC, &v.CAS}),
            (Texts{"  Methyl ethyl ketone", "72.106", "-35.93", "123456789012345678"}));
  EXPECT_EQ(v.ChemName.items(), Texts{listKey("METHYL ETHYL KETONE")});
  typeVapor("Acetone", "67-64-1");  // a new name takes its place in the sorted list
  save();
  const Texts list{listKey("ACETONE"), listKey("METHYL ETHYL KETONE")};
  EXPECT_EQ(v.ChemName.items(), list);
  EXPECT_EQ(fileBytes(vaporPath()), first + vaporRecord("Acetone", "67-64-1").toBytes());

  // Another case, a value longer than its field, the CAS box left last (Save still looks the
  // chemical up by its name): the question, and Yes rewrites record 2. The boxes and the list
  // stay as they were before Save: the box keeps what was typed.
  typeVapor("ACETONE", "67-64-1", "58.0800001");
  save({{revise, Yes}});
  EXPECT_EQ(app.messages().back().buttons, forms::MsgButtons::YesNo);
  const std::string revised = fileBytes(vaporPath());
  EXPECT_EQ(revised, first + vaporRecord("ACETONE", "67-64-1", "58.08").toBytes());
  EXPECT_EQ(texts({&v.ChemName, &v.MolWt}), (Texts{"ACETONE", "58.0800001"}));
  EXPECT_EQ(v.ChemName.items(), list);  // the count stays as well: see the count of 3 below
  app.editText(v.MolWt, "99");  // No writes nothing
  save({{revise, No}});
  EXPECT_EQ(fileBytes(vaporPath()), revised);
  EXPECT_EQ(v.MolWt.text(), "99");

  // A name longer than the 35 characters of its field is stored cut once the user agrees, and is
  // looked up by what the field holds.
  const std::string longName = "Dipropylene glycol monomethyl ether acetate";  // 43 characters
  const std::string cutQuestion = storedNameQuestion(NameTooLong, longName.substr(0, 35));
  typeVapor(longName, "88917-22-0");
  save({{cutQuestion, Yes}});
  EXPECT_EQ(v.ChemName.text(), longName.substr(0, 35));
  typeVapor(longName, "88917-22-0");
  save({{cutQuestion, Yes}, {revise, Yes}});
  EXPECT_EQ(v.NumVaporRecords(), 3);
  EXPECT_EQ(fileBytes(vaporPath()).size(), 3 * 117u);

  // A water solubility typed as 1.234e-5, shown again as "1.234E-05" when its slot is reopened,
  // is saved as "1.23E-05" (never cut to "1.234E-0", which reads as 1.234).
  typeVapor("Acetone", "67-64-1");
  app.editText(v.WaterSol, "1.234e-5");
  app.click(v.cmdExit);
  openVaporSlot(1);
  EXPECT_EQ(v.WaterSol.text(), "1.234E-05");
  save({{revise, Yes}});
  EXPECT_EQ(fileBytes(vaporPath()).substr(117 + 59, 8), "1.23E-05");
}

// What the screen shows after each kind of search: the list, the name box, the boxes, the flag.
TEST_F(VaporScreenTest, SearchResultsByNameAndByCASNumberAndTheKeyBoxLeftLast) {
  writeRecords(vaporPath(), {vaporRecord("Benzene", "71-43-2", "78.11"),
                             vaporRecord("Propanone", "67-64-1", "58.1"), vaporRecord("Acetone", " 67-64-1 "),
                             vaporRecord("Water", "  ")});
  openVaporSlot(1);
  const Texts fullList{listKey("ACETONE"), listKey("BENZENE"), listKey("PROPANONE"), listKey("WATER")};
  ASSERT_EQ(v.ChemName.items(), fullList);
  // The flag follows the key box left last; typing a name empties the CAS box.
  EXPECT_EQ(v.SearchByCAS, 0);
  app.editText(v.CAS, "67-64-1");
  app.focus(v.MolWt);
  EXPECT_EQ(v.SearchByCAS, 1);
  app.editText(v.ChemName, "A");
  EXPECT_EQ(shown(), Shown(fullList, {"A", "", ""}, 0));
  // Choosing a list entry is a change of the name: it empties the boxes and returns to the name
  // search (that a Search then finds the chosen entry is the test of a vapor chosen from the list).
  type({{&v.MolWt, "58"}, {&v.CAS, "67-64-1"}});
  app.focus(v.ChemName);  // the CAS box left last, as above
  app.chooseItem(v.ChemName, 0);
  EXPECT_EQ(shown(), Shown(fullList, {listKey("ACETONE"), "", ""}, 0));

  // By name, found: the full list, the stored name and record, flag 0.
  searchWith(v.ChemName, "  benzene ");
  EXPECT_EQ(shown(), Shown(fullList, {"Benzene", "78.11", "71-43-2"}, 0));
  // By name, not found: the full list, an empty name box, the boxes as before, flag 0.
  app.editText(v.ChemName, "Toluene");
  searchWith(v.MolWt, "92.14", "TOLUENE");
  EXPECT_EQ(shown(), Shown(fullList, {"", "92.14", ""}, 0));
  // By CAS number, found twice: the keys of both in index order, the last one shown, flag 0.
  searchWith(v.CAS, "67-64-1");
  EXPECT_EQ(shown(), Shown({"ACETONE", "PROPANONE"}, {"Propanone", "58.1", "67-64-1"}, 0));
  // By CAS number, not found: an empty list and name box, the boxes as before, flag 1.
  searchWith(v.CAS, "67-64-2", "67-64-2");
  EXPECT_EQ(shown(), Shown({}, {"", "58.1", "67-64-2"}, 1));
  // An empty CAS box lists the records without a CAS number and shows the last of them.
  searchWith(v.CAS, "");
  EXPECT_EQ(v.ChemName.items(), Texts{"WATER"});
  EXPECT_EQ(v.ChemName.text(), "Water");
}

TEST_F(VaporScreenTest, NumericBoxesCheckOnEnterAndChainToReturn) {
  openVaporSlot(1);
  app.editText(v.AntoineC, "-40");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(v.cmdExit.hasFocus());  // Return got the focus, it was not pressed
  EXPECT_TRUE(v.visible());
  app.editText(v.MolWt, "0");
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(v.MolWt.hasFocus());
  // WaterSol accepts 0 and moves on to AvgVapConc, whose "0" from the opening is refused.
  type({{&v.MolWt, "58"}, {&v.WaterSol, "0"}});
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(v.AvgVapConc.hasFocus());
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  type({{&v.AvgVapConc, "500"}, {&v.AntoineB, "999"}});
  app.expectMessage("This entry must be greater than or equal to 1,000 ", "Invalid Entry");
  app.click(v.cmdExit);
  EXPECT_TRUE(v.AntoineB.hasFocus());
  EXPECT_TRUE(v.visible());
}

// A number box holding a comma is refused, typed (by the box's check when Save or Return takes the
// focus) or unchecked as from a record (by Save and Return themselves); the CAS number is a name and
// may hold one.
TEST_F(VaporScreenTest, ANumberHoldingACommaIsRefusedBySaveAndByReturn) {
  openVaporSlot(1);
  typeVapor("Acetone", "67,64-1");
  expectCommaTextsRefused(v.MolWt, v.AntoineC, {&v.cmdSave, &v.cmdExit});
  EXPECT_EQ(fileBytes(vaporPath()).size(), 0u);
  EXPECT_EQ(state.Vapor[1].ChemName, "");
  save();
  EXPECT_EQ(texts({&v.ChemName, &v.AntoineC, &v.CAS}), (Texts{"Acetone", "-35.93", "67,64-1"}));
  EXPECT_EQ(v.NumVaporRecords(), 1);
}

// ---- Return ----

TEST_F(VaporScreenTest, ReturnStoresTheSlotAndMovesToTheNextButtonOrUseConditions) {
  openVaporSlot(1);
  typeVapor("Acetone  ", "67-64-1");
  app.editText(v.MolPol, "12abc");  // passes its check as 12 and keeps its text
  // Texts that reach a box without its check (as from a record) are taken as they stand.
  v.WaterSol.setText(" ");
  v.AntoineA.setText("abc");
  app.click(v.cmdExit);
  const VaporData& slot = state.Vapor[1];
  EXPECT_EQ(std::pair(slot.ChemName, slot.CAS), std::pair(std::string("Acetone  "), std::string("67-64-1")));
  EXPECT_EQ((std::vector<float>{slot.MolWt, slot.MolPol, slot.WaterSol, slot.AntoineA, slot.AntoineC}),
            (std::vector<float>{58.08f, 12.0f, 0.0f, 0.0f, -35.93f}));
  EXPECT_FALSE(v.visible());
  EXPECT_EQ(input.Vap[1].caption(), "Acetone  ");
  EXPECT_TRUE(input.SelectVap[2].hasFocus());
  EXPECT_EQ(state.TotalVapors, 1);

  // A value beyond the range of a 32-bit number (from a record, unchecked) is refused by name;
  // the focus goes to its box and nothing is stored.
  const struct { forms::TextBox* box; const char* text; const char* message; } tooLarge[] = {
      {&vapor.MolWt, "1e39", "The molecular weight 1e39 is too large. Enter a value from 2 to 1,000."},
      {&vapor.AntoineC, "-4e38 ",
       "The Antoine parameter C -4e38 is too large a negative number. Enter a value from -120 to 50."}};
  for (const auto& test : tooLarge) {
    openVaporSlot(2);
    typeVapor("Vapor 2", "1-2");
    test.box->setText(test.text);
    app.expectMessage(test.message, "Invalid Entry");
    app.click(v.cmdExit);
    EXPECT_TRUE(test.box->hasFocus());
    EXPECT_EQ(state.Vapor[2].ChemName, "");
    v.hide();
    input.show();
  }
  for (int k = 2; k <= 5; ++k) {
    openVaporSlot(k);
    typeVapor("Vapor " + std::to_string(k), "1-" + std::to_string(k));
    app.click(v.cmdExit);
  }
  EXPECT_EQ(input.Vap[5].caption(), "Vapor 5");
  EXPECT_TRUE(input.SelectUse.hasFocus());
  EXPECT_EQ(state.TotalVapors, 5);
}

// A slot just opened and left with "None Selected" (by Return, the close box or Esc) is counted
// out again; a slot reopened, cleared and left so keeps its vapor.
TEST_F(VaporScreenTest, NoneSelectedCountsAJustOpenedSlotOutAgainAndClearKeepsAReopenedOne) {
  openVaporSlot(1);
  typeVapor("Acetone", "67-64-1");
  app.click(v.cmdExit);
  const std::function<void()> leaves[] = {[&] { app.click(v.cmdExit); }, [&] { app.closeWindow(v); },
                                          [&] { app.pressKey(forms::KeyEscape); }};
  for (const auto& leave : leaves) {
    openVaporSlot(2);
    ASSERT_EQ(counted(), std::pair(2, 2));
    app.editText(v.ChemName, "  none selected ");
    leave();  // empty boxes, yet no dialog (the fixture fails on any dialog not scripted)
    EXPECT_EQ(counted(), std::pair(1, 1));
    EXPECT_EQ(input.Vap[2].caption(), "None Selected");
    EXPECT_FALSE(v.visible());
    EXPECT_TRUE(input.SelectVap[2].hasFocus());  // where it was
    app.expectMessage("Lower numbered Organic Vapors must be set first.", "Note");  // slot 2 opens next
    app.click(input.SelectVap[3]);
  }
  openVaporSlot(2);
  typeVapor("Benzene", "71-43-2");
  app.click(v.cmdExit);
  // Clear leaves "None Selected", selected, and empty boxes; the slot stays as it was.
  openVaporSlot(1);
  app.editText(v.CAS, "1");
  app.click(v.cmdClear);
  EXPECT_EQ(v.ChemName.text(), "None Selected");
  EXPECT_EQ(v.ChemName.selLength(), 13);
  EXPECT_TRUE(v.ChemName.hasFocus());
  EXPECT_EQ(texts({&v.MolWt, &v.LiqDensity, &v.MolPol, &v.WaterSol, &v.AvgVapConc, &v.AntoineA, &v.AntoineB,
                   &v.AntoineC, &v.CAS}),
            Texts(9, ""));
  EXPECT_EQ(v.SearchByCAS, 0);
  app.click(v.cmdExit);
  EXPECT_EQ(state.Vapor[1].ChemName, "Acetone");
  EXPECT_EQ(input.Vap[1].caption(), "Acetone");
  EXPECT_EQ(counted(), std::pair(2, 1));
}

// A name that the file cannot hold as typed is shown as it would be stored before Save goes on;
// Search and Save look a typed name up as stored. Letters that the file holds are stored as typed.
TEST_F(VaporScreenTest, ANameStoredOtherwiseThanTypedIsAskedAboutAndFoundAsStored) {
  openVaporSlot(1);
  const std::string typedName = "\u03A9mega\u2192test \u4E2D";  // Omega, an arrow, a CJK character
  const std::string question = storedNameQuestion(
      "The database file cannot hold some of its characters; each is written as \"?\".\r\n", "?mega?test ?");
  typeVapor(typedName, "1-1-1");
  save({{question, No}});
  EXPECT_EQ(fileBytes(vaporPath()), "");
  EXPECT_EQ(v.ChemName.text(), typedName);
  save({{question, Yes}});
  EXPECT_EQ(fileBytes(vaporPath()).substr(0, 13), "?mega?test ? ");
  EXPECT_EQ(v.ChemName.text(), "?mega?test ?");

  searchWith(v.ChemName, typedName);
  EXPECT_EQ(texts({&v.ChemName, &v.CAS}), (Texts{"?mega?test ?", "1-1-1"}));
  typeVapor(typedName, "1-1-2");
  save({{question, Yes}, {revise, Yes}});
  EXPECT_EQ(fileBytes(vaporPath()).substr(99, 5), "1-1-2");

  const std::string accented = "\u00C9th\u00E9r \u00FC\u00F1\u00DF \u00B0\u00B5\u20AC";
  typeVapor(accented, "2-2-2");
  save();
  searchWith(v.ChemName, accented);
  EXPECT_EQ(texts({&v.ChemName, &v.CAS}), (Texts{accented, "2-2-2"}));
  EXPECT_EQ(v.NumVaporRecords(), 2);
}

// A slot opened after another keeps the previous vapor's numbers in its boxes until the name
// changes; a name chosen from the list is such a change, so Return cannot store another vapor's
// numbers under it. A Search then finds the chosen entry by its padded key.
TEST_F(VaporScreenTest, AVaporChosenFromTheListNeverTakesThePreviousVaporsNumbers) {
  writeRecords(vaporPath(),
               {vaporRecord(Toluene.name, Toluene.cas, typed(Toluene.MolWt)), vaporRecord("Acetone")});
  openVaporSlot(1);
  app.chooseItem(v.ChemName, 1);
  app.click(v.cmdSearch);
  app.click(v.cmdExit);
  openVaporSlot(2);
  ASSERT_EQ(texts({&v.ChemName, &v.MolWt, &v.CAS}), (Texts{"", "92.14", "108-88-3"}));
  app.chooseItem(v.ChemName, 0);
  EXPECT_EQ(texts({&v.ChemName, &v.MolWt, &v.CAS}), (Texts{listKey("ACETONE"), "", ""}));
  expectIncompleteDialog();
  app.click(v.cmdExit);
  EXPECT_EQ(state.Vapor[2].ChemName, "");
  app.click(v.cmdSearch);
  app.click(v.cmdExit);
  EXPECT_EQ(std::pair(state.Vapor[2].ChemName, state.Vapor[2].MolWt),
            std::pair(std::string("Acetone"), 58.08f));
  EXPECT_EQ(state.Vapor[1].MolWt, 92.14f);
}

// An incomplete entry goes through the incomplete-information dialog and stores nothing. The
// dialog is shown over the screen with the focus on Exit; Exit answered No keeps it with the focus
// on Return; its close box is Return, which brings back the screen as it was, the focus on the
// name. An empty name box is no "None Selected": the dialog, then "None Selected" and empty boxes.
// Exit answered Yes ends the program with the record file closed.
TEST_F(VaporScreenTest, IncompleteEntryGoesThroughTheDialogWhoseReturnBringsBackTheScreenAndExitEnds) {
  openVaporSlot(1);
  typeVapor("Acetone", "");
  app.expectMessage(QuitQuestion, "", No);
  app.scriptModal("ExitDialog", [&] {
    EXPECT_FALSE(v.visible());
    EXPECT_TRUE(exitDialog.ExitButton.hasFocus());
    app.click(exitDialog.ExitButton);
  });
  app.scriptModal("ExitDialog", [&] {
    EXPECT_TRUE(exitDialog.ReturnButton.hasFocus());
    app.closeWindow(exitDialog);
  });
  ASSERT_TRUE(app.click(v.cmdExit));  // the fixture fails on a dialog left open
  EXPECT_TRUE(v.visible());
  EXPECT_TRUE(v.ChemName.hasFocus());
  EXPECT_EQ(texts({&v.ChemName, &v.MolWt}), (Texts{"Acetone", "58.08"}));
  EXPECT_EQ(state.Vapor[1].ChemName, "");
  EXPECT_EQ(input.Vap[1].caption(), "None Selected");
  EXPECT_FALSE(app.programEnded());

  type({{&v.ChemName, ""}, {&v.MolWt, "58.08"}, {&v.CAS, "67-64-1"}});
  expectIncompleteDialog();
  app.click(v.cmdExit);
  EXPECT_EQ(texts({&v.ChemName, &v.MolWt, &v.CAS}), (Texts{"None Selected", "", ""}));
  EXPECT_EQ(state.TotalVapors, 1);

  typeVapor("Acetone", "");
  app.scriptModal("ExitDialog", [&] {
    app.expectMessage(QuitQuestion, "", Yes);
    app.click(exitDialog.ExitButton);
  });
  app.click(v.cmdExit);
  EXPECT_TRUE(app.programEnded());
  EXPECT_FALSE(v.vaporFile().isOpen());
  EXPECT_FALSE(v.visible());
  EXPECT_EQ(state.Vapor[1].ChemName, "");
}

}  // namespace
}  // namespace tess::databases
