// Time of one calculation ("Calculate Results", model side) for the four reference cases on a
// typical cartridge: 2 cartridges of 8 cm x 2.5 cm beds, 60 g carbon each, micropore volume
// 0.45 cm3/g, E0 21 kJ/mol, granules 0.13 cm, 23 C, 50 % RH, 30 L/min. Target: each under 0.1 s.
// The Full variants evaluate every time step in full, for comparison.
#include <benchmark/benchmark.h>

#include "model/CalculationRun.h"
#include "model/ModelFixtures.h"

namespace {

using namespace fixtures;

::SetUp oneVapor(float ppm) { return typicalMixture({Toluene}, ppm); }
::SetUp threeVapors() { return typicalMixture({Toluene, Benzene, EthylAcetate}, 100); }
::SetUp fiveVapors() { return typicalMixture({Toluene, Acetone, Hexane, Benzene, EthylAcetate}, 10); }

void runCase(benchmark::State& bench, const ::SetUp& input, bool shortcuts) {
  ModelOptions options;
  options.shortcuts = shortcuts;
  CalculationStatus status;
  double longest = 0;
  for (auto _ : bench) {
    ::SetUp s = input;
    status = runCalculation(s, options);
    longest = s.FinalBkTime[s.TotalVapors];
    benchmark::DoNotOptimize(s.FinalBkTime);
  }
  bench.SetLabel(status.completed ? "completed" : status.message);
  bench.counters["last_min"] = longest;
}

void OneVapor1000ppm(benchmark::State& b) { runCase(b, oneVapor(1000), true); }
void OneVapor1ppm(benchmark::State& b) { runCase(b, oneVapor(1), true); }
void ThreeVapors100ppm(benchmark::State& b) { runCase(b, threeVapors(), true); }
void FiveVapors10ppm(benchmark::State& b) { runCase(b, fiveVapors(), true); }
void Full_OneVapor1000ppm(benchmark::State& b) { runCase(b, oneVapor(1000), false); }
void Full_OneVapor1ppm(benchmark::State& b) { runCase(b, oneVapor(1), false); }
void Full_ThreeVapors100ppm(benchmark::State& b) { runCase(b, threeVapors(), false); }
void Full_FiveVapors10ppm(benchmark::State& b) { runCase(b, fiveVapors(), false); }

BENCHMARK(OneVapor1000ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(OneVapor1ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreeVapors100ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(FiveVapors10ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(Full_OneVapor1000ppm)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Full_OneVapor1ppm)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Full_ThreeVapors100ppm)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Full_FiveVapors10ppm)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
