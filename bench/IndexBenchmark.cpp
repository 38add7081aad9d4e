// Speed of the record indexes: opening a database (count, index, list), the index build with and
// without duplicate names, and the searches. A full file holds 32,767 records.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/files/MemoryByteFile.h"
#include "records/ExchangeSortLiteral.h"
#include "records/ModCartridge.h"
#include "records/RecordIndex.h"
#include "records/modVapor.h"

namespace tess::records {
using testing::exchangeSortOrderLiteral;

namespace {

// Names of n records: all different, or drawn from 50 names so that most are duplicates.
std::vector<std::string> names(std::size_t n, bool duplicates) {
  std::mt19937 random(42);
  std::vector<std::string> result(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t k = duplicates ? random() % 50 : random();
    result[i] = "Chemical " + std::to_string(k) + (duplicates ? "" : "-" + std::to_string(i));
  }
  return result;
}

std::shared_ptr<tess::files::MemoryByteFile::Storage> vaporFile(std::size_t n, bool duplicates) {
  auto storage = std::make_shared<tess::files::MemoryByteFile::Storage>();
  for (const auto& name : names(n, duplicates)) {
    storage->bytes += VaporRecord::assemble(name, "58.08", "0.791", "16.2", "1", "500", "7.1171",
                                            "1210.595", "229.664", "67-64-1")
                          .toBytes();
  }
  return storage;
}

void BM_VaporIndexBuild(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const auto chemNames = names(n, state.range(1) != 0);
  const std::vector<std::string> cas(n, "67-64-1");
  for (auto _ : state) benchmark::DoNotOptimize(buildVaporIndex(chemNames, cas));
}
BENCHMARK(BM_VaporIndexBuild)->ArgsProduct({{1000, 32767}, {0, 1}})->ArgNames({"records", "duplicates"})->Unit(benchmark::kMillisecond);

void BM_LiteralExchangeSort(benchmark::State& state) {
  std::vector<std::string> keys;
  for (const auto& name : names(static_cast<std::size_t>(state.range(0)), state.range(1) != 0)) keys.push_back(makeIndexKey(name));
  for (auto _ : state) benchmark::DoNotOptimize(exchangeSortOrderLiteral(keys));
}
BENCHMARK(BM_LiteralExchangeSort)->ArgsProduct({{1000}, {0, 1}})->ArgNames({"records", "duplicates"})->Unit(benchmark::kMillisecond);

// Opening a vapor file: count, read every record, build the index, and list the keys.
void BM_VaporOpen(benchmark::State& state) {
  const auto storage = vaporFile(static_cast<std::size_t>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    modVapor db;
    db.open(std::make_unique<tess::files::MemoryByteFile>(storage), "VaporB30.DB");
    std::vector<std::string> list;
    for (int i = 1; i <= db.NumVaporRecords(); ++i) list.push_back(db.VaporIndex()[static_cast<std::size_t>(i)].Name);
    benchmark::DoNotOptimize(list);
  }
}
BENCHMARK(BM_VaporOpen)->ArgsProduct({{1000, 32767}, {0, 1}})->ArgNames({"records", "duplicates"})->Unit(benchmark::kMillisecond);

void BM_VaporSearch(benchmark::State& state) {
  const auto storage = vaporFile(static_cast<std::size_t>(state.range(0)), false);
  modVapor db;
  db.open(std::make_unique<tess::files::MemoryByteFile>(storage), "VaporB30.DB");
  const bool byCAS = state.range(1) != 0;
  for (auto _ : state) benchmark::DoNotOptimize(db.Search(byCAS ? "67-64-1" : "CHEMICAL 7", byCAS ? 1 : 0));
}
BENCHMARK(BM_VaporSearch)->ArgsProduct({{1000, 32767}, {0, 1}})->ArgNames({"records", "byCAS"})->Unit(benchmark::kMicrosecond);

void BM_CartridgeSearch(benchmark::State& state) {
  const auto cartNames = names(static_cast<std::size_t>(state.range(0)), false);
  const auto index = buildCartridgeIndex(cartNames);
  const std::string key = makeIndexKey(cartNames[cartNames.size() / 3]).substr(0, cartNames[cartNames.size() / 3].size());
  const auto count = static_cast<std::int16_t>(cartNames.size());
  for (auto _ : state) benchmark::DoNotOptimize(searchCartridgeIndex(index, count, key));
}
BENCHMARK(BM_CartridgeSearch)->Arg(1000)->Arg(32767)->ArgName("records");

}  // namespace
}  // namespace tess::records
