// One record of the vapor file, 117 bytes: the properties of one chemical.
//
// Every field is text as typed into the vapor screen's box (numbers are never converted here),
// held blank-padded to its width exactly as the file holds it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "records/RecordField.h"

namespace tess::records {

struct VaporRecord {
  static constexpr std::size_t Length = 117;  //!< record length [bytes]

  std::string ChemName = std::string(35, ' ');   //!< chemical name as typed (case, leading blanks kept)
  std::string MolWt = std::string(8, ' ');       //!< molecular weight [g/mol]
  std::string LiqDensity = std::string(8, ' ');  //!< liquid density [g/cm3]
  std::string MolPol = std::string(8, ' ');      //!< molecular polarizability
  std::string WaterSol = std::string(8, ' ');    //!< water solubility factor
  std::string AvgVapConc = std::string(8, ' ');  //!< average vapor concentration [ppm]
  std::string AntoineA = std::string(8, ' ');    //!< Antoine parameter A (pressure in torr)
  std::string AntoineB = std::string(8, ' ');    //!< Antoine parameter B
  std::string AntoineC = std::string(8, ' ');    //!< Antoine parameter C
  std::string CAS = std::string(18, ' ');        //!< CAS number as typed

  //! A record assembled from the screen's box texts, each fitted to its field (see fitField).
  static VaporRecord assemble(std::string_view ChemName, std::string_view MolWt,
                              std::string_view LiqDensity, std::string_view MolPol,
                              std::string_view WaterSol, std::string_view AvgVapConc,
                              std::string_view AntoineA, std::string_view AntoineB,
                              std::string_view AntoineC, std::string_view CAS);

  //! The record from its 117 bytes in the file (shorter input reads as blank-padded).
  static VaporRecord fromBytes(std::string_view bytes);
  //! The record's 117 bytes for the file.
  std::string toBytes() const;

  bool operator==(const VaporRecord&) const = default;
};

//! Where each field lies in the vapor record's 117 bytes [bytes: offset, width], in record
//! order; true marks the fields that hold numbers.
inline constexpr RecordFieldOf<VaporRecord> VaporRecordFields[] = {
    {{0, 35}, &VaporRecord::ChemName},
    {{35, 8}, &VaporRecord::MolWt, true},
    {{43, 8}, &VaporRecord::LiqDensity, true},
    {{51, 8}, &VaporRecord::MolPol, true},
    {{59, 8}, &VaporRecord::WaterSol, true},
    {{67, 8}, &VaporRecord::AvgVapConc, true},
    {{75, 8}, &VaporRecord::AntoineA, true},
    {{83, 8}, &VaporRecord::AntoineB, true},
    {{91, 8}, &VaporRecord::AntoineC, true},
    {{99, 18}, &VaporRecord::CAS},
};

}  // namespace tess::records
