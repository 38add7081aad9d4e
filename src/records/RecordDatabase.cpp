#include "records/RecordDatabase.h"

#include <algorithm>

#include "records/CartridgeRecord.h"
#include "records/RecordIndex.h"
#include "records/VaporRecord.h"

namespace tess::records {
namespace {

// The index entry of each kind of record, before the index is sorted.
VaporIndexEntry indexEntry(const VaporRecord& record, std::int16_t recNum) {
  return makeVaporIndexEntry(record.ChemName, record.CAS, recNum);
}

CartridgeIndexEntry indexEntry(const CartridgeRecord& record, std::int16_t recNum) {
  return makeCartridgeIndexEntry(record.CartName, recNum);
}

}  // namespace

template <class Record, class IndexEntry>
RecordDatabase<Record, IndexEntry>::RecordDatabase(DatabaseWords words) : m_file(words, Record::Length) {}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::open(const std::filesystem::path& folder,
                                                    files::PathOpener* opener) {
  FileReport report = m_file.open(folder, opener);
  return buildFromFile(std::move(report));
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::open(std::unique_ptr<files::ByteFile> file,
                                                    const std::string& displayPath) {
  FileReport report = m_file.open(std::move(file), displayPath);
  return buildFromFile(std::move(report));
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::buildFromFile(FileReport opened) {
  m_entries.clear();
  m_index.clear();
  m_count = 0;
  if (!m_file.isOpen()) return opened;
  // A file that could not be read lists nothing, whatever its opening said of it (that it can only
  // be read, or holds too many records): that is the message.
  FileReport built = rebuildIndex();
  return built ? built : opened;
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::rebuildIndex(bool afterSave) {
  std::string bytes;
  if (FileReport report = m_file.readAll(bytes, afterSave)) {
    m_file.markReadFailed();
    return report;
  }
  const std::int16_t count = m_file.count();
  m_entries.assign(static_cast<std::size_t>(count), {});
  for (std::int16_t i = 0; i < count; ++i) {
    const auto offset = static_cast<std::size_t>(i) * Record::Length;
    m_buffer = Record::fromBytes(std::string_view(bytes).substr(offset, Record::Length));
    m_entries[static_cast<std::size_t>(i)] = indexEntry(m_buffer, static_cast<std::int16_t>(i + 1));
  }
  m_index = sortedIndex(m_entries);
  m_count = count;
  return std::nullopt;
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::refresh() {
  const std::uint64_t opensBefore = m_file.opens();
  bool changed = false;
  FileReport report = m_file.recount(changed);
  if (!changed) return report;
  // buildFromFile starts from empty entries: the known ones are moved out, not copied.
  const std::vector<IndexEntry> known = std::move(m_entries);
  report = buildFromFile(std::move(report));
  // The same file, whose records known before still lead it: at most another copy added some.
  const bool onlyAdded = m_file.opens() == opensBefore && known.size() <= m_entries.size() &&
                         std::equal(known.begin(), known.end(), m_entries.begin());
  if (!onlyAdded) ++m_replacements;
  return report;
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::lock(std::chrono::milliseconds wait) {
  FileReport notice;
  // A file that cannot be written may be writable at its path by now: it is opened again first,
  // so that the lock is taken on the file that the Save writes.
  if (!m_file.canWrite()) {
    FileReport report = refresh();
    if (report && !report->notice) return report;
    notice = std::move(report);
  }
  if (FileReport report = m_file.lock(wait)) return report;
  FileReport report = refresh();
  if (report && !report->notice) {
    unlock();
    return report;
  }
  return report ? report : notice;
}

template <class Record, class IndexEntry>
template <class Write>
FileReport RecordDatabase<Record, IndexEntry>::underLock(Write write) {
  if (m_file.isLocked()) return write();
  FileReport report = lock();
  if (report && !report->notice) return report;
  report = write();
  unlock();
  return report;
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::readRecord(std::int16_t n) {
  std::string bytes;
  if (FileReport report = m_file.readRecord(n, bytes)) return report;
  m_buffer = Record::fromBytes(bytes);
  return std::nullopt;
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::append(const Record& record) {
  m_buffer = record;
  return underLock([&]() -> FileReport {
    if (FileReport report = m_file.append(record.toBytes())) return report;
    m_entries.push_back(indexEntry(record, m_file.count()));
    if (FileReport report = rebuildIndex(true)) {
      // The record is written but the file could not be read back: index what is known.
      m_index = sortedIndex(m_entries);
      m_count = m_file.count();
      m_buffer = record;
      return report;
    }
    return std::nullopt;
  });
}

template <class Record, class IndexEntry>
FileReport RecordDatabase<Record, IndexEntry>::revise(std::int16_t recNum, const Record& record) {
  m_buffer = record;
  return underLock([&]() -> FileReport {
    if (FileReport report = m_file.revise(recNum, record.toBytes())) return report;
    if (static_cast<std::size_t>(recNum) <= m_entries.size()) {
      m_entries[static_cast<std::size_t>(recNum - 1)] = indexEntry(record, recNum);
    }
    return std::nullopt;
  });
}

template class RecordDatabase<VaporRecord, VaporIndexEntry>;
template class RecordDatabase<CartridgeRecord, CartridgeIndexEntry>;

}  // namespace tess::records
