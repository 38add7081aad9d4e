// ModCartridge: the cartridge file "CartridgeB30.DB" with its record count `NumCartRecords`, its
// sorted index `CartIndex` and its record buffer `CartRec`. The cartridge screen
// frmCartridgeMulti owns one object for the whole run, opens it at its first load and closes it
// when the program ends.
//
// How the screen uses it:
// - Load: open(programFolder()); show the FileReport's message if there is one (the object stays
//   usable). Fill the list from CartIndex()[1..NumCartRecords()].Name.
// - ShowCartridgeRecord(n): readRecord(n), then the boxes from CartRec() with trailing blanks
//   removed.
// - Search button: p = Search(searchKey(name box)).
// - Save: key = searchKey(name box text); under lock(), p = Search(key). A new name:
//   append(record), which rebuilds the index. A name on file: unlock() while the question waits;
//   on Yes lock() again, p = Search(key) again and revise(CartIndex()[p].RecNum, record).
//
// Positions are 1-based: CartIndex() holds positions 0 to NumCartRecords(), position 0 unused, and
// is empty while the file holds no record.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "records/CartridgeRecord.h"
#include "records/RecordDatabase.h"
#include "records/RecordIndex.h"

namespace tess::records {

class ModCartridge : public RecordDatabase<CartridgeRecord, CartridgeIndexEntry> {
 public:
  static constexpr std::string_view FileName = "CartridgeB30.DB";

  ModCartridge();

  std::int16_t NumCartRecords() const { return recordCount(); }
  const std::vector<CartridgeIndexEntry>& CartIndex() const { return index(); }
  const CartridgeRecord& CartRec() const { return buffer(); }

  //! Rebuilds CartIndex from every record of the file; afterwards CartRec holds the last record.
  FileReport CreateIndex1() { return rebuildIndex(); }

  //! The cartridge Search: binary search for findText (see searchCartridgeIndex).
  std::int16_t Search(std::string_view findText) const;
};

}  // namespace tess::records
