#include "records/ModCartridge.h"

namespace tess::records {

ModCartridge::ModCartridge() : RecordDatabase({FileName, "cartridge database file", "cartridges"}) {}

std::int16_t ModCartridge::Search(std::string_view findText) const {
  return searchCartridgeIndex(CartIndex(), NumCartRecords(), findText);
}

}  // namespace tess::records
