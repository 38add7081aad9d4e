#include "records/modVapor.h"

namespace tess::records {

modVapor::modVapor() : RecordDatabase({FileName, "vapor database file", "chemicals"}) {}

VaporSearchResult modVapor::Search(std::string_view findText, std::int16_t SearchByCAS) const {
  return searchVaporIndex(VaporIndex(), NumVaporRecords(), findText, SearchByCAS == 1);
}

std::int16_t modVapor::findName(std::string_view key) const {
  return findVaporName(VaporIndex(), NumVaporRecords(), key);
}

}  // namespace tess::records
