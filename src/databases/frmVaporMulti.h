// frmVaporMulti, "Organic Vapor Data": the screen that fills one vapor slot of the shared state.
//
// The user picks a chemical from the vapor file's name list or types a name or a CAS number,
// fetches its properties with "Search for Data", types or corrects the eight numbers, may keep the
// entry in the vapor file with "Save Entry in Database", and goes back to the data-input screen
// with "Return", which copies the entry into slot selectedVapIdx of Vapor.
//
// The screen owns the vapor file VaporB30.DB in the program's folder: it opens (or creates) it on
// its first load, keeps it open and keeps its in-memory index sorted by upper-case name. A file
// that cannot be opened, read or written is reported in a message naming the file and the reason;
// the screen stays usable with what it has (an empty list when nothing could be read).
//
// The flag SearchByCAS says which key box the user left last: 1 the CAS box (the next search looks
// the CAS number up), 0 the name box. Any change of the name box's text, typed, set by the program
// or chosen from the list, clears it and empties the nine data boxes.
//
// Save and Return refuse a number box whose text holds a comma, with the entry check's message,
// so that no such text is written to the file or read as the digits before the comma. The CAS box
// holds a name, not a number, and is not refused.
//
// The screen is created once and never destroyed; its close box acts as Return.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/TextBox.h"
#include "screens/NumericField.h"
#include "screens/Screens.h"

namespace tess::records {
class modVapor;
struct VaporRecord;
}  // namespace tess::records

namespace tess::databases {

class frmVaporMulti : public forms::Form {
 public:
  explicit frmVaporMulti(screens::ScreenContext context);
  ~frmVaporMulti() override;

  // Controls, in tab order.
  forms::ComboBox ChemName{*this, "ChemName"};
  forms::TextBox MolWt{*this, "MolWt"};
  forms::TextBox LiqDensity{*this, "LiqDensity"};
  forms::TextBox MolPol{*this, "MolPol"};
  forms::TextBox WaterSol{*this, "WaterSol"};
  forms::TextBox AvgVapConc{*this, "AvgVapConc"};
  forms::TextBox AntoineA{*this, "AntoineA"};
  forms::TextBox AntoineB{*this, "AntoineB"};
  forms::TextBox AntoineC{*this, "AntoineC"};
  forms::Button cmdExit{*this, "cmdExit"};
  forms::Button cmdSearch{*this, "cmdSearch"};
  forms::Button cmdSave{*this, "cmdSave"};
  forms::Button cmdClear{*this, "cmdClear"};
  forms::TextBox CAS{*this, "CAS"};
  // Labels and lines (never focused).
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label12{*this, "Label12"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label4{*this, "Label4"};
  forms::Label Label5{*this, "Label5"};
  forms::Label Label6{*this, "Label6"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label8{*this, "Label8"};
  forms::Label Label9{*this, "Label9"};
  forms::Label Label10{*this, "Label10"};
  forms::Label Label11{*this, "Label11"};
  forms::Line Line1{*this, "Line1"};
  forms::Line Line2{*this, "Line2"};
  forms::Line Line3{*this, "Line3"};
  forms::Line Line4{*this, "Line4"};

  //! 1: the CAS box was the last key box left, so Search looks up the CAS number; 0: the name.
  std::int16_t SearchByCAS = 0;

  // Public procedures (each loads the screen first if it has not been loaded).
  //! Rebuilds VaporIndex from every record of the vapor file.
  void CreateIndex();
  //! Shows vapor slot vapIndex (1 to MaxVapors) of the shared state in the boxes: the name first,
  //! then the eight numbers as single-precision text, then the CAS number.
  void SetOldVaporFields(int vapIndex);
  //! Searches VaporIndex, refreshed first, for findText by name or, when SearchByCAS is 1, by CAS
  //! number; returns the last matching index position, 0 when none matches.
  std::int16_t Search(const std::string& findText);
  //! Adds the keys of index positions 1 to numVapors to the end of the name list.
  void FillChemicalList(int numVapors);
  //! Empties the name list (which empties the name box without a Change), then fills it.
  void RefillChemicalList(int numVapors);
  //! Empties the nine data boxes; the name box is not touched.
  void ClearVaporData();
  //! Empties the nine data boxes and the name box.
  void ClearVaporForm();
  //! Reads the vapor file again, its count and VaporIndex, when another program has written or
  //! replaced it since it was read, and fills the name list again from it (RefillChemicalList); a
  //! file that cannot be read is reported after that.
  void refreshRecords();
  //! The number of records of the vapor file; 0 before the screen is loaded.
  std::int16_t NumVaporRecords() const;
  //! Reads record n of the vapor file and shows it: the name first, then the other boxes.
  void ShowVaporRecord(std::int16_t n);
  //! Closes the vapor file (the program's closing step).
  void closeFile();
  //! The vapor file with its index (VaporIndex) and record buffer (VaporRec).
  const records::modVapor& vaporFile() const { return *m_vaporFile; }

  // Event handlers.
  void frmVaporMulti_Form_Load();
  void frmVaporMulti_ChemName_Change();
  void frmVaporMulti_ChemName_Click();
  void frmVaporMulti_ChemName_GotFocus();
  void frmVaporMulti_ChemName_LostFocus();
  void frmVaporMulti_CAS_GotFocus();
  void frmVaporMulti_CAS_LostFocus();
  void frmVaporMulti_cmdSearch_Click();
  void frmVaporMulti_cmdSave_Click();
  void frmVaporMulti_cmdClear_Click();
  void frmVaporMulti_cmdExit_Click();
  void frmVaporMulti_MolWt_GotFocus();
  void frmVaporMulti_MolWt_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_MolWt_Validate(bool& Cancel);
  void frmVaporMulti_LiqDensity_GotFocus();
  void frmVaporMulti_LiqDensity_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_LiqDensity_Validate(bool& Cancel);
  void frmVaporMulti_MolPol_GotFocus();
  void frmVaporMulti_MolPol_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_MolPol_Validate(bool& Cancel);
  void frmVaporMulti_WaterSol_GotFocus();
  void frmVaporMulti_WaterSol_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_WaterSol_Validate(bool& Cancel);
  void frmVaporMulti_AvgVapConc_GotFocus();
  void frmVaporMulti_AvgVapConc_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_AvgVapConc_Validate(bool& Cancel);
  void frmVaporMulti_AntoineA_GotFocus();
  void frmVaporMulti_AntoineA_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_AntoineA_Validate(bool& Cancel);
  void frmVaporMulti_AntoineB_GotFocus();
  void frmVaporMulti_AntoineB_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_AntoineB_Validate(bool& Cancel);
  void frmVaporMulti_AntoineC_GotFocus();
  void frmVaporMulti_AntoineC_KeyDown(int KeyCode, int Shift);
  void frmVaporMulti_AntoineC_Validate(bool& Cancel);

 private:
  void setUpControls();
  void wireHandlers();
  //! Hides the screen, shows the incomplete-information dialog modally, shows the screen again.
  void ShowExitDialog();
  //! Shows a record as the file holds it: the name first, trailing blanks removed, then the eight
  //! numbers likewise, then the CAS number trimmed at both ends.
  void showRecord(const records::VaporRecord& record);
  //! The nine data boxes (eight numbers, then CAS) in the order in which they are emptied.
  std::array<forms::TextBox*, 9> dataBoxes();

  screens::ScreenContext m_context;
  //! The vapor file with its count, index and record buffer.
  std::unique_ptr<records::modVapor> m_vaporFile;
  screens::ValidDataEntry::NumericField m_MolWt{MolWt, {2, 1000, "2", "1,000"}};
  screens::ValidDataEntry::NumericField m_LiqDensity{LiqDensity, {0.5, 4.0, "0.5", "4.0"}};
  screens::ValidDataEntry::NumericField m_MolPol{MolPol, {5, 100, "5", "100"}};
  screens::ValidDataEntry::NumericField m_WaterSol{WaterSol, {0, 1.0, "0", "1.0"}};
  screens::ValidDataEntry::NumericField m_AvgVapConc{AvgVapConc,
                                                     screens::ValidDataEntry::rangeBounds(VapConcRange)};
  screens::ValidDataEntry::NumericField m_AntoineA{AntoineA, {10, 30, "10", "30"}};
  screens::ValidDataEntry::NumericField m_AntoineB{AntoineB, {1000, 10000, "1,000", "10,000"}};
  screens::ValidDataEntry::NumericField m_AntoineC{AntoineC, {-120, 50, "-120", "50"}};
};

}  // namespace tess::databases
