// One record of the cartridge file, 99 bytes: the parameters of one cartridge or carbon bed.
//
// Every field is text as typed into the cartridge screen's box (numbers are never converted here),
// held blank-padded to its width exactly as the file holds it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "records/RecordField.h"

namespace tess::records {

struct CartridgeRecord {
  static constexpr std::size_t Length = 99;  //!< record length [bytes]

  std::string CartName = std::string(35, ' ');         //!< cartridge name as typed
  std::string BedDiam = std::string(8, ' ');           //!< bed diameter [cm]
  std::string Bed_Depth = std::string(8, ' ');         //!< bed depth [cm]
  std::string CarbWgt = std::string(8, ' ');           //!< carbon weight per cartridge or bed [g]
  std::string MicVol = std::string(8, ' ');            //!< micropore volume [cm3/g]
  std::string RelHumPre = std::string(8, ' ');         //!< preconditioning relative humidity [%]
  std::string DiamGran = std::string(8, ' ');          //!< carbon granule average diameter [cm]
  std::string APBenzene = std::string(8, ' ');         //!< adsorption potential of benzene [kJ/mol]
  std::string AffinityForWater = std::string(8, ' ');  //!< affinity coefficient for water

  //! A record assembled from the screen's box texts, each fitted to its field (see fitField).
  static CartridgeRecord assemble(std::string_view CartName, std::string_view BedDiam,
                                  std::string_view Bed_Depth, std::string_view CarbWgt,
                                  std::string_view MicVol, std::string_view RelHumPre,
                                  std::string_view DiamGran, std::string_view APBenzene,
                                  std::string_view AffinityForWater);

  //! The record from its 99 bytes in the file (shorter input reads as blank-padded).
  static CartridgeRecord fromBytes(std::string_view bytes);
  //! The record's 99 bytes for the file.
  std::string toBytes() const;

  bool operator==(const CartridgeRecord&) const = default;
};

//! Where each field lies in the cartridge record's 99 bytes [bytes: offset, width], in record
//! order; true marks the fields that hold numbers.
inline constexpr RecordFieldOf<CartridgeRecord> CartridgeRecordFields[] = {
    {{0, 35}, &CartridgeRecord::CartName},
    {{35, 8}, &CartridgeRecord::BedDiam, true},
    {{43, 8}, &CartridgeRecord::Bed_Depth, true},
    {{51, 8}, &CartridgeRecord::CarbWgt, true},
    {{59, 8}, &CartridgeRecord::MicVol, true},
    {{67, 8}, &CartridgeRecord::RelHumPre, true},
    {{75, 8}, &CartridgeRecord::DiamGran, true},
    {{83, 8}, &CartridgeRecord::APBenzene, true},
    {{91, 8}, &CartridgeRecord::AffinityForWater, true},
};

}  // namespace tess::records
