#include "records/VaporRecord.h"

namespace tess::records {

VaporRecord VaporRecord::assemble(std::string_view ChemName, std::string_view MolWt,
                                  std::string_view LiqDensity, std::string_view MolPol,
                                  std::string_view WaterSol, std::string_view AvgVapConc,
                                  std::string_view AntoineA, std::string_view AntoineB,
                                  std::string_view AntoineC, std::string_view CAS) {
  return assembleRecord(VaporRecordFields, {ChemName, MolWt, LiqDensity, MolPol, WaterSol, AvgVapConc, AntoineA,
                                            AntoineB, AntoineC, CAS});
}

VaporRecord VaporRecord::fromBytes(std::string_view bytes) { return recordFromBytes(VaporRecordFields, bytes); }

std::string VaporRecord::toBytes() const { return recordToBytes(VaporRecordFields, *this); }

}  // namespace tess::records
