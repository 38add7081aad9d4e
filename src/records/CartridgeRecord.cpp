#include "records/CartridgeRecord.h"

namespace tess::records {

CartridgeRecord CartridgeRecord::assemble(std::string_view CartName, std::string_view BedDiam,
                                          std::string_view Bed_Depth, std::string_view CarbWgt,
                                          std::string_view MicVol, std::string_view RelHumPre,
                                          std::string_view DiamGran, std::string_view APBenzene,
                                          std::string_view AffinityForWater) {
  return assembleRecord(CartridgeRecordFields, {CartName, BedDiam, Bed_Depth, CarbWgt, MicVol, RelHumPre, DiamGran,
                                                APBenzene, AffinityForWater});
}

CartridgeRecord CartridgeRecord::fromBytes(std::string_view bytes) {
  return recordFromBytes(CartridgeRecordFields, bytes);
}

std::string CartridgeRecord::toBytes() const { return recordToBytes(CartridgeRecordFields, *this); }

}  // namespace tess::records
