// Whole records for tests of the record files and of the database screens: every field filled
// with a plausible value, the name (and for a vapor the CAS number) chosen by the test.
#pragma once

#include <string>

#include "records/CartridgeRecord.h"
#include "records/VaporRecord.h"
#include "support/Solvents.h"

namespace tess::testing {

//! Acetone at 500 ppm, as the screens show it, under the name, CAS number and molecular weight given.
inline records::VaporRecord vaporRecord(const std::string& name, const std::string& cas = "67-64-1",
                                        const std::string& molWt = "58.08") {
  const Solvent& s = Acetone;
  return records::VaporRecord::assemble(name, molWt, typed(s.LiqDensity), typed(s.MolPol), typed(s.WaterSol),
                                        "500", typed(s.AntoineA), typed(s.AntoineB), typed(s.AntoineC), cas);
}

inline records::CartridgeRecord cartridgeRecord(const std::string& name, const std::string& bedDiam = "8.4") {
  return records::CartridgeRecord::assemble(name, bedDiam, "1.9", "42", "0.45", "50", "0.15", "28.0",
                                            "0.061");
}

}  // namespace tess::testing
