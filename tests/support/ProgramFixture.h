// A whole program on a headless application, its record files in a fresh temporary folder, driven
// as a user drives it. Every message box and modal screen must be expected by the test; an
// unexpected one, or an expected one not shown, fails.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "databases/ExitDialog.h"
#include "databases/frmCartridgeMulti.h"
#include "databases/frmVaporMulti.h"
#include "input/About.h"
#include "input/InputMasterFive.h"
#include "input/Opening.h"
#include "input/UseOneM.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/KeyCodes.h"
#include "platform/forms/ScriptedApplication.h"
#include "program/Program.h"
#include "records/RecordFixtures.h"
#include "results/BreakTimeFive.h"
#include "results/LimitsMessage.h"
#include "support/CommaTexts.h"
#include "support/Solvents.h"
#include "support/StandInOpener.h"
#include "support/TemporaryFolder.h"

namespace tess::testing {

inline const std::string QuitQuestion = "Are you sure you want to quit?";

//! The question Save asks when the name is on file already; what names the record is the kind.
inline std::string reviseQuestion(const std::string& kind) {
  return "This " + kind + " is already on file.\r\nDo you want to save \r\na revised record?";
}

//! The question Save asks before it stores a name otherwise than typed: reasons are its lines
//! that say why, stored the name as the file will hold it.
inline std::string storedNameQuestion(const std::string& reasons, const std::string& stored) {
  return "This name cannot be stored as it is typed.\r\n" + reasons + "It will be stored as \"" + stored +
         "\".\r\nDo you want to save it under that name?";
}
inline const std::string NameTooLong = "The database file keeps only the first 35 characters of a name.\r\n";

//! An index key as the name list shows it: upper case, blank-padded to 41 characters.
inline std::string listKey(const std::string& upperName) {
  return upperName + std::string(41 - upperName.size(), ' ');
}

class ProgramFixture : public ::testing::Test {
 protected:
  //! subfolder: the program's folder inside the temporary folder (made by the test), if not that.
  explicit ProgramFixture(const std::string& subfolder = "")
      : programFolder(subfolder.empty() ? folder.path() : files::joinPath(folder.path(), subfolder)) {
    app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  }
  void TearDown() override { app.checkDone(); }

  //! Start-up screen, then "Continue": the data-input screen is in front.
  void continueToDataInput() {
    program.start();
    ASSERT_TRUE(app.click(program.opening().Continue));
  }
  //! Opens vapor slot k with its button on the data-input screen (its first show loads it).
  void openVaporSlot(int k) {
    if (!input.visible()) input.show();
    ASSERT_TRUE(app.click(input.SelectVap[k]));
    ASSERT_TRUE(vapor.visible());
  }
  void openCartridge() {
    if (!input.visible()) input.show();
    ASSERT_TRUE(app.click(input.SelectCart));
    ASSERT_TRUE(cartridge.visible());
  }
  //! Answers the incomplete-information dialog with its Return button.
  void expectIncompleteDialog() {
    app.scriptModal("ExitDialog", [&] { app.click(exitDialog.ReturnButton); });
  }

  //! Types into each box in turn, as a user does.
  void type(std::initializer_list<std::pair<forms::TextControl*, std::string>> entries) {
    for (const auto& [box, text] : entries) EXPECT_TRUE(app.editText(*box, text)) << box->displayName();
  }
  //! Types a whole vapor entry, the name first (its change empties the other boxes): a solvent at
  //! ppm, or the record sample (acetone at 500 ppm) under the name, CAS number and molecular weight
  //! given.
  void typeVapor(const Solvent& s, float ppm) { typeVapor(s.name, s.cas, typed(s.MolWt), s, ppm); }
  void typeVapor(const std::string& name, const std::string& cas, const std::string& molWt = "58.08",
                 const Solvent& s = Acetone, float ppm = 500) {
    type({{&vapor.ChemName, name}, {&vapor.MolWt, molWt}, {&vapor.LiqDensity, typed(s.LiqDensity)},
          {&vapor.MolPol, typed(s.MolPol)}, {&vapor.WaterSol, typed(s.WaterSol)}, {&vapor.AvgVapConc, typed(ppm)},
          {&vapor.AntoineA, typed(s.AntoineA)}, {&vapor.AntoineB, typed(s.AntoineB)},
          {&vapor.AntoineC, typed(s.AntoineC)}, {&vapor.CAS, cas}});
  }
  //! Types a whole cartridge entry: the name first (its change empties the eight fields).
  void typeCartridge(const std::string& name, const std::string& relHumPre = "50",
                     const std::string& affinity = "0.1") {
    app.editText(cartridge.CartName, name);
    typeCartridgeFields(relHumPre, affinity);
  }
  void typeCartridgeFields(const std::string& relHumPre = "50", const std::string& affinity = "0.1") {
    databases::frmCartridgeMulti& c = cartridge;
    type({{&c.BedDiam, "8.4"}, {&c.Bed_Depth, "1.9"}, {&c.CarbWgt, "42"}, {&c.MicVol, "0.45"},
          {&c.RelHumPre, relHumPre}, {&c.DiamGran, "0.15"}, {&c.APBenzene, "28.0"},
          {&c.AffinityForWater, affinity}});
  }
  //! Each text of CommaTexts, typed into typedBox and then set unchecked into uncheckedBox (as a
  //! record shows it), is refused with the comma message by each click on buttons, which leaves the
  //! focus in that box; both boxes get their texts back after each text.
  void expectCommaTextsRefused(forms::TextBox& typedBox, forms::TextBox& uncheckedBox,
                               std::initializer_list<forms::Button*> buttons) {
    const std::string typedBefore = typedBox.text();
    const std::string uncheckedBefore = uncheckedBox.text();
    const auto expectRefused = [&](forms::TextBox& box, const std::string& text) {
      for (forms::Button* button : buttons) {
        app.expectMessage(commaMessage(text), "Invalid Entry");
        app.click(*button);
        EXPECT_TRUE(box.hasFocus()) << box.displayName() << " " << text << " " << button->displayName();
      }
    };
    for (const char* text : CommaTexts) {
      app.editText(typedBox, text);
      expectRefused(typedBox, text);
      app.editText(typedBox, typedBefore);
      uncheckedBox.setText(text);
      expectRefused(uncheckedBox, text);
      uncheckedBox.setText(uncheckedBefore);
    }
  }
  //! The texts of the boxes, in order, to compare in one go.
  static std::vector<std::string> texts(std::initializer_list<const forms::TextControl*> boxes) {
    std::vector<std::string> result;
    for (const forms::TextControl* box : boxes) result.push_back(box->text());
    return result;
  }

  std::filesystem::path vaporPath() const { return programFolder / "VaporB30.DB"; }
  std::filesystem::path cartridgePath() const { return programFolder / "CartridgeB30.DB"; }
  //! Writes the records, one after another, as the whole file at path.
  template <class Record>
  static void writeRecords(const std::filesystem::path& path, std::initializer_list<Record> records) {
    std::string bytes;
    for (const auto& record : records) bytes += record.toBytes();
    writeBytes(path, bytes);
  }

  TemporaryFolder folder;
  std::filesystem::path programFolder;
  forms::ScriptedApplication app;
  //! Opens the record files as the system does until a test gives it faults.
  StandInOpener opener;
  program::Program program{app, programFolder.string(), &opener};
  tess::SetUp& state = program.state();
  input::InputMasterFive& input = program.inputMaster();
  databases::frmVaporMulti& vapor = program.vaporScreen();
  databases::frmCartridgeMulti& cartridge = program.cartridgeScreen();
  databases::ExitDialog& exitDialog = program.exitDialog();
  results::BreakTimeFive& results = program.results();
};

}  // namespace tess::testing
