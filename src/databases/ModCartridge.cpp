#include "databases/ModCartridge.h"

namespace tess::databases {

ModCartridge::ModCartridge()
    : m_file({FileName, "cartridge database file", "cartridges"}, CartridgeRecord::Length) {}

FileReport ModCartridge::open(const std::filesystem::path& folder) {
  FileReport report = m_file.open(folder);
  FileReport built = buildFromFile();
  return report ? report : built;
}

FileReport ModCartridge::open(std::unique_ptr<files::ByteFile> file, const std::string& displayPath) {
  FileReport report = m_file.open(std::move(file), displayPath);
  FileReport built = buildFromFile();
  return report ? report : built;
}

FileReport ModCartridge::buildFromFile() {
  m_names.clear();
  m_CartIndex.clear();
  m_NumCartRecords = 0;
  if (!m_file.isOpen()) return std::nullopt;
  return CreateIndex1();
}

FileReport ModCartridge::CreateIndex1() {
  std::string bytes;
  if (FileReport report = m_file.readAll(bytes)) {
    m_file.markReadFailed();
    return report;
  }
  const std::int16_t count = m_file.count();
  m_names.assign(static_cast<std::size_t>(count), {});
  for (std::int16_t i = 0; i < count; ++i) {
    const auto offset = static_cast<std::size_t>(i) * CartridgeRecord::Length;
    m_CartRec = CartridgeRecord::fromBytes(std::string_view(bytes).substr(offset, CartridgeRecord::Length));
    m_names[static_cast<std::size_t>(i)] = m_CartRec.CartName;
  }
  m_CartIndex = buildCartridgeIndex(m_names);
  m_NumCartRecords = count;
  return std::nullopt;
}

FileReport ModCartridge::readRecord(std::int16_t n) {
  std::string bytes;
  if (FileReport report = m_file.readRecord(n, bytes)) return report;
  m_CartRec = CartridgeRecord::fromBytes(bytes);
  return std::nullopt;
}

std::int16_t ModCartridge::Search(std::string_view findText) const {
  return searchCartridgeIndex(m_CartIndex, m_NumCartRecords, findText);
}

FileReport ModCartridge::append(const CartridgeRecord& record) {
  m_CartRec = record;
  if (FileReport report = m_file.append(record.toBytes())) return report;
  m_names.push_back(record.CartName);
  if (FileReport report = CreateIndex1()) {
    // The record is written but the file could not be read back: index what is known.
    m_CartIndex = buildCartridgeIndex(m_names);
    m_NumCartRecords = m_file.count();
    m_CartRec = record;
    return report;
  }
  return std::nullopt;
}

FileReport ModCartridge::revise(std::int16_t recNum, const CartridgeRecord& record) {
  m_CartRec = record;
  if (FileReport report = m_file.revise(recNum, record.toBytes())) return report;
  m_names[static_cast<std::size_t>(recNum - 1)] = record.CartName;
  return std::nullopt;
}

}  // namespace tess::databases
