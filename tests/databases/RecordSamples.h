// Record files and records for the database tests: a file's bytes as they lie on disk, and vapor
// and cartridge records with plausible values.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "databases/CartridgeRecord.h"
#include "databases/VaporRecord.h"

namespace tess::testing {

inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline databases::VaporRecord vaporRecord(const std::string& name, const std::string& cas = "67-64-1",
                                          const std::string& molWt = "58.08") {
  return databases::VaporRecord::assemble(name, molWt, "0.791", "16.2", "1", "500", "18.5", "2940.46", "-35.93", cas);
}

inline databases::CartridgeRecord cartridgeRecord(const std::string& name, const std::string& bedDiam = "8.4") {
  return databases::CartridgeRecord::assemble(name, bedDiam, "1.9", "42", "0.45", "50", "0.15", "28.0", "0.061");
}

//! The question Save asks when the name is on file already; what names the record is the kind.
inline std::string reviseQuestion(const std::string& kind) {
  return "This " + kind + " is already on file.\r\nDo you want to save \r\na revised record?";
}

}  // namespace tess::testing
