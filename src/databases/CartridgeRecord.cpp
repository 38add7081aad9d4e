#include "databases/CartridgeRecord.h"

namespace tess::databases {

CartridgeRecord CartridgeRecord::assemble(std::string_view CartName, std::string_view BedDiam,
                                          std::string_view Bed_Depth, std::string_view CarbWgt,
                                          std::string_view MicVol, std::string_view RelHumPre,
                                          std::string_view DiamGran, std::string_view APBenzene,
                                          std::string_view AffinityForWater) {
  CartridgeRecord r;
  r.CartName = fitField(CartName, CartNameField.width);
  r.BedDiam = fitField(BedDiam, BedDiamField.width);
  r.Bed_Depth = fitField(Bed_Depth, Bed_DepthField.width);
  r.CarbWgt = fitField(CarbWgt, CarbWgtField.width);
  r.MicVol = fitField(MicVol, MicVolField.width);
  r.RelHumPre = fitField(RelHumPre, RelHumPreField.width);
  r.DiamGran = fitField(DiamGran, DiamGranField.width);
  r.APBenzene = fitField(APBenzene, APBenzeneField.width);
  r.AffinityForWater = fitField(AffinityForWater, AffinityForWaterField.width);
  return r;
}

CartridgeRecord CartridgeRecord::fromBytes(std::string_view bytes) {
  std::string full(bytes.substr(0, Length));
  full.resize(Length, ' ');
  CartridgeRecord r;
  r.CartName = getField(full, CartNameField);
  r.BedDiam = getField(full, BedDiamField);
  r.Bed_Depth = getField(full, Bed_DepthField);
  r.CarbWgt = getField(full, CarbWgtField);
  r.MicVol = getField(full, MicVolField);
  r.RelHumPre = getField(full, RelHumPreField);
  r.DiamGran = getField(full, DiamGranField);
  r.APBenzene = getField(full, APBenzeneField);
  r.AffinityForWater = getField(full, AffinityForWaterField);
  return r;
}

std::string CartridgeRecord::toBytes() const {
  std::string bytes(Length, ' ');
  putField(bytes, CartNameField, CartName);
  putField(bytes, BedDiamField, BedDiam);
  putField(bytes, Bed_DepthField, Bed_Depth);
  putField(bytes, CarbWgtField, CarbWgt);
  putField(bytes, MicVolField, MicVol);
  putField(bytes, RelHumPreField, RelHumPre);
  putField(bytes, DiamGranField, DiamGran);
  putField(bytes, APBenzeneField, APBenzene);
  putField(bytes, AffinityForWaterField, AffinityForWater);
  return bytes;
}

}  // namespace tess::databases
