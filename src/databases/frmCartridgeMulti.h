// frmCartridgeMulti, "Cartridge or Carbon Bed Data": the screen that sets the cartridge in use.
//
// The user names the cartridge (or carbon bed) and gives its eight parameters, by typing them or
// by calling up a record of the cartridge file with "Search for Data"; "Save Entry in Database"
// keeps the entry in the file; "Return" checks that every field is filled, copies the values into
// the shared cartridge record Cart, derives the affinity coefficient for water that the model uses
// (setBetaH2O) and goes back to the data-input screen.
//
// The screen owns the cartridge file CartridgeB30.DB in the program's folder: it opens (or
// creates) it on its first load, keeps it open and keeps its in-memory index sorted by upper-case
// name. A file that cannot be opened, read or written is reported in a message naming the file
// and the reason; the screen stays usable with what it has.
//
// Any change of the name box's text, and choosing an entry from its list, empties the eight value
// fields; a stored cartridge's values appear only through "Search for Data".
//
// Save and Return refuse a value field whose text holds a comma, with the entry check's message,
// so that no such text is written to the file or read as the digits before the comma.
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
#include "platform/forms/TextBox.h"
#include "screens/NumericField.h"
#include "screens/Screens.h"

namespace tess::records {
class ModCartridge;
struct CartridgeRecord;
}  // namespace tess::records

namespace tess::databases {

class frmCartridgeMulti : public forms::Form {
 public:
  explicit frmCartridgeMulti(screens::ScreenContext context);
  ~frmCartridgeMulti() override;

  // Controls, in tab order.
  forms::ComboBox CartName{*this, "CartName"};
  forms::TextBox BedDiam{*this, "BedDiam"};
  forms::TextBox Bed_Depth{*this, "Bed_Depth"};
  forms::TextBox CarbWgt{*this, "CarbWgt"};
  forms::TextBox MicVol{*this, "MicVol"};
  forms::TextBox RelHumPre{*this, "RelHumPre"};
  forms::TextBox DiamGran{*this, "DiamGran"};
  forms::TextBox APBenzene{*this, "APBenzene"};
  forms::TextBox AffinityForWater{*this, "AffinityForWater"};
  forms::Button cmdExit{*this, "cmdExit"};
  forms::Button cmdSearch{*this, "cmdSearch"};
  forms::Button cmdSave{*this, "cmdSave"};
  forms::Button cmdClear{*this, "cmdClear"};
  // Labels (never focused).
  forms::Label Label8{*this, "Label8"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label4{*this, "Label4"};
  forms::Label Label5{*this, "Label5"};
  forms::Label Label7{*this, "Label7"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label6{*this, "Label6"};
  forms::Label Label9{*this, "Label9"};
  forms::Label Label10{*this, "Label10"};

  // Public procedures (each loads the screen first if it has not been loaded).
  //! Sets Cart.BetaH2O and Cart.BetaH2OHalf from the affinity coefficient for water aString and
  //! from Cart.RelHumPre [fraction], which must already hold the same entry's humidity. Above a
  //! preconditioning humidity of 0.5 the entered coefficient is scaled by 5/3. An empty aString
  //! shows the incomplete-information dialog and changes nothing.
  void setBetaH2O(const std::string& aString);
  //! Rebuilds CartIndex from every record of the cartridge file.
  void CreateIndex1();
  //! Binary search of CartIndex, refreshed first, for the key findText; the index position found,
  //! 0 when none.
  std::int16_t Search(const std::string& findText);
  //! Adds the keys of index positions 1 to numCartridges to the end of the name list.
  void FillCartridgeList(int numCartridges);
  //! Empties the name list (which empties the name box without a Change), then fills it.
  void RefillCartridgeList(int numCartridges);
  //! The number of records of the cartridge file; 0 before the screen is loaded.
  std::int16_t NumCartRecords() const;
  //! Reads record n of the cartridge file and shows it: the name first, then the eight fields.
  void ShowCartridgeRecord(std::int16_t n);
  //! Closes the cartridge file (the program's closing step).
  void closeFile();

  // Event handlers.
  void frmCartridgeMulti_Form_Load();
  void frmCartridgeMulti_CartName_Change();
  void frmCartridgeMulti_CartName_Click();
  void frmCartridgeMulti_cmdSearch_Click();
  void frmCartridgeMulti_cmdSave_Click();
  void frmCartridgeMulti_cmdClear_Click();
  void frmCartridgeMulti_cmdExit_Click();
  void frmCartridgeMulti_BedDiam_GotFocus();
  void frmCartridgeMulti_BedDiam_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_BedDiam_Validate(bool& Cancel);
  void frmCartridgeMulti_Bed_Depth_GotFocus();
  void frmCartridgeMulti_Bed_Depth_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_Bed_Depth_Validate(bool& Cancel);
  void frmCartridgeMulti_CarbWgt_GotFocus();
  void frmCartridgeMulti_CarbWgt_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_CarbWgt_Validate(bool& Cancel);
  void frmCartridgeMulti_MicVol_GotFocus();
  void frmCartridgeMulti_MicVol_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_MicVol_Validate(bool& Cancel);
  void frmCartridgeMulti_RelHumPre_GotFocus();
  void frmCartridgeMulti_RelHumPre_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_RelHumPre_Validate(bool& Cancel);
  void frmCartridgeMulti_DiamGran_GotFocus();
  void frmCartridgeMulti_DiamGran_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_DiamGran_Validate(bool& Cancel);
  void frmCartridgeMulti_APBenzene_GotFocus();
  void frmCartridgeMulti_APBenzene_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_APBenzene_Validate(bool& Cancel);
  void frmCartridgeMulti_AffinityForWater_GotFocus();
  void frmCartridgeMulti_AffinityForWater_KeyDown(int KeyCode, int Shift);
  void frmCartridgeMulti_AffinityForWater_Validate(bool& Cancel);

 private:
  void setUpControls();
  void wireHandlers();
  //! Hides the screen, shows the incomplete-information dialog modally, shows the screen again.
  void ShowExitDialog();
  //! Shows a record as the file holds it: the name first, then the eight fields, each with its
  //! trailing blanks removed.
  void showRecord(const records::CartridgeRecord& record);
  //! The eight value fields, in the order in which they are emptied and filled.
  std::array<forms::TextBox*, 8> valueBoxes();
  //! Fills the list again from the index after another file was read at the path (or none could
  //! be), keeping the name box and the eight fields as they are.
  void showFileAtPath();

  screens::ScreenContext m_context;
  //! The cartridge file with its count, index and record buffer.
  std::unique_ptr<records::ModCartridge> m_cartridgeFile;
  screens::ValidDataEntry::NumericField m_BedDiam{BedDiam, {0.1, 20, "0.1", "20"}};
  screens::ValidDataEntry::NumericField m_Bed_Depth{Bed_Depth, {0.1, 20, "0.1", "20"}};
  screens::ValidDataEntry::NumericField m_CarbWgt{CarbWgt, {0.1, 1000, "0.1", "1,000"}};
  screens::ValidDataEntry::NumericField m_MicVol{MicVol, {0.1, 1.0, "0.1", "1.0"}};
  screens::ValidDataEntry::NumericField m_RelHumPre{RelHumPre, {1, 99, "1", "99"}};
  screens::ValidDataEntry::NumericField m_DiamGran{DiamGran, {0.01, 1.0, "0.01", "1.0"}};
  screens::ValidDataEntry::NumericField m_APBenzene{APBenzene, {1, 100, "1", "100"}};
  screens::ValidDataEntry::NumericField m_AffinityForWater{AffinityForWater, {0.01, 0.2, "0.01", "0.20"}};
};

}  // namespace tess::databases
