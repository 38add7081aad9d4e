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
// - Save: key = saveLookupKey(name box text); p = Search(key); then revise(CartIndex()[p].RecNum,
//   record) on Yes, or append(record), which rebuilds the index.
//
// Positions are 1-based: CartIndex() holds positions 0 to NumCartRecords(), position 0 unused, and
// is empty while the file holds no record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "databases/CartridgeRecord.h"
#include "databases/DatabaseFile.h"
#include "databases/RecordIndex.h"

namespace tess::databases {

class ModCartridge {
 public:
  static constexpr std::string_view FileName = "CartridgeB30.DB";

  ModCartridge();

  //! Opens (creating it empty when missing) FileName in folder, counts the records and builds the
  //! index. On failure the message says which file and why; the object stays usable.
  FileReport open(const std::filesystem::path& folder);
  //! The same on a file the caller opened; displayPath names it in messages.
  FileReport open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath);

  bool isOpen() const { return m_file.isOpen(); }
  //! False when Save cannot write (no file, a read-only file, or one that could not be read).
  bool canSave() const { return m_file.canWrite(); }
  //! The folder given to open: the program's folder.
  const std::filesystem::path& AppPath() const { return m_file.folder(); }

  std::int16_t NumCartRecords() const { return m_NumCartRecords; }
  const std::vector<CartridgeIndexEntry>& CartIndex() const { return m_CartIndex; }
  const CartridgeRecord& CartRec() const { return m_CartRec; }

  //! Reads record n (1..NumCartRecords()) into CartRec; on failure CartRec is unchanged.
  FileReport readRecord(std::int16_t n);

  //! Rebuilds CartIndex from every record of the file; afterwards CartRec holds the last record.
  FileReport CreateIndex1();

  //! The cartridge Search: binary search for findText (see searchCartridgeIndex).
  std::int16_t Search(std::string_view findText) const;

  //! Save of a new name: CartRec = record; writes it as record NumCartRecords() + 1, counts it and
  //! rebuilds the index. Refused, with nothing changed but CartRec, when the file already holds
  //! 32,767 records or cannot be written.
  FileReport append(const CartridgeRecord& record);

  //! Save of a name on file, answered Yes: CartRec = record, written over record recNum.
  FileReport revise(std::int16_t recNum, const CartridgeRecord& record);

  //! Closes the file (at the end of the program).
  void close() { m_file.close(); }

 private:
  FileReport buildFromFile();

  DatabaseFile m_file;
  std::int16_t m_NumCartRecords = 0;
  std::vector<CartridgeIndexEntry> m_CartIndex;
  CartridgeRecord m_CartRec;
  std::vector<std::string> m_names;  // CartName of every record, in record order
};

}  // namespace tess::databases
