// A whole program on a scripted application, with its record files in a fresh temporary folder,
// for driving the two database screens headless through the data-input screen.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "RecordSamples.h"
#include "databases/frmCartridgeMulti.h"
#include "databases/frmVaporMulti.h"
#include "files/TemporaryFolder.h"
#include "input/ExitDialog.h"
#include "input/InputMasterFive.h"
#include "platform/forms/ScriptedApplication.h"
#include "program/Program.h"

namespace tess::testing {

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

  // The helpers of RecordSamples.h, as the tests derived from this fixture call them.
  static std::string fileBytes(const std::filesystem::path& path) { return tess::testing::fileBytes(path); }
  static void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    tess::testing::writeBytes(path, bytes);
  }
  static tess::databases::VaporRecord vaporRecord(const std::string& name, const std::string& cas,
                                                  const std::string& molWt = "58.08") {
    return tess::testing::vaporRecord(name, cas, molWt);
  }
  static tess::databases::CartridgeRecord cartridgeRecord(const std::string& name, const std::string& bedDiam = "8.4") {
    return tess::testing::cartridgeRecord(name, bedDiam);
  }
  void writeVaporFile(std::initializer_list<tess::databases::VaporRecord> records) {
    std::string bytes;
    for (const auto& record : records) bytes += record.toBytes();
    writeBytes(vaporPath(), bytes);
  }
  void writeCartridgeFile(std::initializer_list<tess::databases::CartridgeRecord> records) {
    std::string bytes;
    for (const auto& record : records) bytes += record.toBytes();
    writeBytes(cartridgePath(), bytes);
  }

  //! Shows the data-input screen (its first show loads it).
  void showInput() {
    if (!input().visible()) input().show();
  }
  //! Opens vapor slot k with its button on the data-input screen.
  void openVaporSlot(int k) {
    showInput();
    ASSERT_TRUE(app.click(input().SelectVap[k]));
    ASSERT_TRUE(vapor().visible());
  }
  //! Opens the cartridge screen with its button on the data-input screen.
  void openCartridge() {
    showInput();
    ASSERT_TRUE(app.click(input().SelectCart));
    ASSERT_TRUE(cartridge().visible());
  }

  //! Types a whole vapor entry: the name first (its change empties the other boxes).
  void typeVapor(const std::string& name, const std::string& cas, const std::string& molWt = "58.08") {
    frmVaporMulti& v = vapor();
    app.editText(v.ChemName, name);
    app.editText(v.MolWt, molWt);
    app.editText(v.LiqDensity, "0.791");
    app.editText(v.MolPol, "16.2");
    app.editText(v.WaterSol, "1");
    app.editText(v.AvgVapConc, "500");
    app.editText(v.AntoineA, "18.5");
    app.editText(v.AntoineB, "2940.46");
    app.editText(v.AntoineC, "-35.93");
    app.editText(v.CAS, cas);
  }

  //! Types a whole cartridge entry: the name first (its change empties the eight fields).
  void typeCartridge(const std::string& name, const std::string& relHumPre = "50",
                     const std::string& affinity = "0.1") {
    app.editText(cartridge().CartName, name);
    typeCartridgeFields(relHumPre, affinity);
  }
  //! Types the eight fields of a cartridge entry.
  void typeCartridgeFields(const std::string& relHumPre = "50", const std::string& affinity = "0.1") {
    frmCartridgeMulti& c = cartridge();
    app.editText(c.BedDiam, "8.4");
    app.editText(c.Bed_Depth, "1.9");
    app.editText(c.CarbWgt, "42");
    app.editText(c.MicVol, "0.45");
    app.editText(c.RelHumPre, relHumPre);
    app.editText(c.DiamGran, "0.15");
    app.editText(c.APBenzene, "28.0");
    app.editText(c.AffinityForWater, affinity);
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
