#include "databases/modVapor.h"

namespace tess::databases {

modVapor::modVapor()
    : m_file({FileName, "vapor database file", "chemicals"}, VaporRecord::Length) {}

FileReport modVapor::open(const std::filesystem::path& folder) {
  FileReport report = m_file.open(folder);
  FileReport built = buildFromFile();
  return report ? report : built;
}

FileReport modVapor::open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath) {
  FileReport report = m_file.open(std::move(file), displayPath);
  FileReport built = buildFromFile();
  return report ? report : built;
}

FileReport modVapor::buildFromFile() {
  m_names.clear();
  m_casNumbers.clear();
  m_VaporIndex.clear();
  m_NumVaporRecords = 0;
  if (!m_file.isOpen()) return std::nullopt;
  return CreateIndex();
}

FileReport modVapor::CreateIndex() {
  std::string bytes;
  if (FileReport report = m_file.readAll(bytes)) {
    m_file.markReadFailed();
    return report;
  }
  const std::int16_t count = m_file.count();
  m_names.assign(static_cast<std::size_t>(count), {});
  m_casNumbers.assign(static_cast<std::size_t>(count), {});
  for (std::int16_t i = 0; i < count; ++i) {
    const auto offset = static_cast<std::size_t>(i) * VaporRecord::Length;
    m_VaporRec = VaporRecord::fromBytes(std::string_view(bytes).substr(offset, VaporRecord::Length));
    m_names[static_cast<std::size_t>(i)] = m_VaporRec.ChemName;
    m_casNumbers[static_cast<std::size_t>(i)] = m_VaporRec.CAS;
  }
  m_VaporIndex = buildVaporIndex(m_names, m_casNumbers);
  m_NumVaporRecords = count;
  return std::nullopt;
}

FileReport modVapor::readRecord(std::int16_t n) {
  std::string bytes;
  if (FileReport report = m_file.readRecord(n, bytes)) return report;
  m_VaporRec = VaporRecord::fromBytes(bytes);
  return std::nullopt;
}

VaporSearchResult modVapor::Search(std::string_view findText, std::int16_t SearchByCAS) const {
  return searchVaporIndex(m_VaporIndex, m_NumVaporRecords, findText, SearchByCAS == 1);
}

std::int16_t modVapor::findName(std::string_view key) const {
  return findVaporName(m_VaporIndex, m_NumVaporRecords, key);
}

FileReport modVapor::append(const VaporRecord& record) {
  m_VaporRec = record;
  if (FileReport report = m_file.append(record.toBytes())) return report;
  m_names.push_back(record.ChemName);
  m_casNumbers.push_back(record.CAS);
  if (FileReport report = CreateIndex()) {
    // The record is written but the file could not be read back: index what is known.
    m_VaporIndex = buildVaporIndex(m_names, m_casNumbers);
    m_NumVaporRecords = m_file.count();
    m_VaporRec = record;
    return report;
  }
  return std::nullopt;
}

FileReport modVapor::revise(std::int16_t recNum, const VaporRecord& record) {
  m_VaporRec = record;
  if (FileReport report = m_file.revise(recNum, record.toBytes())) return report;
  m_names[static_cast<std::size_t>(recNum - 1)] = record.ChemName;
  m_casNumbers[static_cast<std::size_t>(recNum - 1)] = record.CAS;
  return std::nullopt;
}

}  // namespace tess::databases
