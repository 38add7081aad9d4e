// Records and record files for the database tests, and a whole program on a scripted application
// with its record files in a fresh temporary folder, for driving the two database screens headless
// through the data-input screen.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "databases/ExitDialog.h"
#include "databases/frmCartridgeMulti.h"
#include "databases/frmVaporMulti.h"
#include "files/TemporaryFolder.h"
#include "input/InputMasterFive.h"
#include "platform/forms/ScriptedApplication.h"
#include "program/Program.h"
#include "records/RecordFixtures.h"

namespace tess::testing {

inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

//! The question Save asks when the name is on file already; what names the record is the kind.
inline std::string reviseQuestion(const std::string& kind) {
  return "This " + kind + " is already on file.\r\nDo you want to save \r\na revised record?";
}

class DatabaseScreenTest : public ::testing::Test {
 protected:
  DatabaseScreenTest() {
    app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
  }
  void TearDown() override { app.checkDone(); }

  //! The program, built on first use, so that a test can lay out its files first.
  Program& program() {
    if (!m_program) m_program = std::make_unique<Program>(app, programFolder.string());
    return *m_program;
  }
  ::SetUp& state() { return program().state(); }
  InputMasterFive& input() { return program().inputMaster(); }
  frmVaporMulti& vapor() { return program().vaporScreen(); }
  frmCartridgeMulti& cartridge() { return program().cartridgeScreen(); }
  ExitDialog& exitDialog() { return program().exitDialog(); }

  std::filesystem::path vaporPath() const { return programFolder / "VaporB30.DB"; }
  std::filesystem::path cartridgePath() const { return programFolder / "CartridgeB30.DB"; }
  static std::string fileBytes(const std::filesystem::path& path) { return tess::testing::fileBytes(path); }
  //! Writes the records, one after another, as the whole file at path.
  template <class Record>
  static void writeRecords(const std::filesystem::path& path, std::initializer_list<Record> records) {
    std::string bytes;
    for (const auto& record : records) bytes += record.toBytes();
    writeBytes(path, bytes);
  }

  //! Opens vapor slot k with its button on the data-input screen (its first show loads it).
  void openVaporSlot(int k) {
    if (!input().visible()) input().show();
    ASSERT_TRUE(app.click(input().SelectVap[k]));
    ASSERT_TRUE(vapor().visible());
  }
  void openCartridge() {
    if (!input().visible()) input().show();
    ASSERT_TRUE(app.click(input().SelectCart));
    ASSERT_TRUE(cartridge().visible());
  }
  //! Answers the incomplete-information dialog with its Return button.
  void expectIncompleteDialog() {
    app.scriptModal("ExitDialog", [&] { app.click(exitDialog().ReturnButton); });
  }

  //! Types into each box in turn, as a user does.
  void type(std::initializer_list<std::pair<forms::TextControl*, std::string>> entries) {
    for (const auto& [box, text] : entries) app.editText(*box, text);
  }
  //! Types a whole vapor entry: the name first (its change empties the other boxes).
  void typeVapor(const std::string& name, const std::string& cas, const std::string& molWt = "58.08") {
    frmVaporMulti& v = vapor();
    type({{&v.ChemName, name}, {&v.MolWt, molWt}, {&v.LiqDensity, "0.791"}, {&v.MolPol, "16.2"},
          {&v.WaterSol, "1"}, {&v.AvgVapConc, "500"}, {&v.AntoineA, "18.5"}, {&v.AntoineB, "2940.46"},
          {&v.AntoineC, "-35.93"}, {&v.CAS, cas}});
  }

  //! Types a whole cartridge entry: the name first (its change empties the eight fields).
  void typeCartridge(const std::string& name, const std::string& relHumPre = "50",
                     const std::string& affinity = "0.1") {
    app.editText(cartridge().CartName, name);
    typeCartridgeFields(relHumPre, affinity);
  }
  void typeCartridgeFields(const std::string& relHumPre = "50", const std::string& affinity = "0.1") {
    frmCartridgeMulti& c = cartridge();
    type({{&c.BedDiam, "8.4"}, {&c.Bed_Depth, "1.9"}, {&c.CarbWgt, "42"}, {&c.MicVol, "0.45"},
          {&c.RelHumPre, relHumPre}, {&c.DiamGran, "0.15"}, {&c.APBenzene, "28.0"},
          {&c.AffinityForWater, affinity}});
  }
  //! The texts of the boxes, in order, to compare in one go.
  static std::vector<std::string> texts(std::initializer_list<const forms::TextControl*> boxes) {
    std::vector<std::string> result;
    for (const forms::TextControl* box : boxes) result.push_back(box->text());
    return result;
  }

  TemporaryFolder folder;
  std::filesystem::path programFolder = folder.path();
  forms::ScriptedApplication app;

 private:
  std::unique_ptr<Program> m_program;
};

//! An index key as the name list shows it: upper case, blank-padded to 41 characters.
inline std::string listKey(const std::string& upperName) {
  return upperName + std::string(41 - upperName.size(), ' ');
}

}  // namespace tess::testing
