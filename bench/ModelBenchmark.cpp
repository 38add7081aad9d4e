// Time of one calculation ("Calculate Results", model side) for the four reference cases on a
// typical cartridge: 2 cartridges of 8 cm x 2.5 cm beds, 60 g carbon each, micropore volume
// 0.45 cm3/g, E0 21 kJ/mol, granules 0.13 cm, 23 C, 50 % RH, 30 L/min. Target: each under 0.1 s.
// The Full variants evaluate every time step in full, for comparison.
//
// Corners: the reference run five_vapors_march_bound (22 marches of the equilibrium end at a
// fraction of 1); a two-vapor mixture whose renormalised march reaches 1 (random field-bound case
// 126 of seed 1000); zones whose water keeps changing for millions of steps (case 24 of seed 1000:
// 5.7 C, face velocity 0.23 cm/s, 2,000,000 min; case 231 of seed 1003: 3.1 C, 0.29 cm/s,
// 103,000 min); the time-step bound (case 151 of seed 12345). Targets: under 0.1 s, the water
// corners under 0.5 s.
#include <benchmark/benchmark.h>

#include "model/CalculationRun.h"
#include "model/ModelFixtures.h"
#include "model/RandomCases.h"
#include "model/ReferenceRuns.h"

namespace tess::model {
namespace {

using namespace fixtures;

SetUp oneVapor(float ppm) { return typicalMixture({Toluene}, ppm); }
SetUp threeVapors() { return typicalMixture({Toluene, Benzene, EthylAcetate}, 100); }
SetUp fiveVapors() { return typicalMixture({Toluene, Acetone, Hexane, Benzene, EthylAcetate}, 10); }

void runCase(benchmark::State& bench, const SetUp& input, bool shortcuts) {
  ModelOptions options;
  options.shortcuts = shortcuts;
  CalculationStatus status;
  double longest = 0;
  for (auto _ : bench) {
    SetUp s = input;
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

void FiveVaporsMarchBound(benchmark::State& b) {
  runCase(b, typedInputs(referenceRun("five_vapors_march_bound")["inputs"]), true);
}
void TwoVaporsMarchToOne(benchmark::State& b) { runCase(b, randomCase(1000, 126), true); }
void WaterKeepsChangingOneVapor(benchmark::State& b) { runCase(b, randomCase(1000, 24), true); }
void WaterKeepsChangingFourVapors(benchmark::State& b) { runCase(b, randomCase(1003, 231), true); }
void TimeStepBound(benchmark::State& b) { runCase(b, randomCase(12345, 151), true); }

BENCHMARK(FiveVaporsMarchBound)->Unit(benchmark::kMillisecond);
BENCHMARK(TwoVaporsMarchToOne)->Unit(benchmark::kMillisecond);
BENCHMARK(WaterKeepsChangingOneVapor)->Unit(benchmark::kMillisecond);
BENCHMARK(WaterKeepsChangingFourVapors)->Unit(benchmark::kMillisecond);
BENCHMARK(TimeStepBound)->Unit(benchmark::kMillisecond);
BENCHMARK(OneVapor1000ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(OneVapor1ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreeVapors100ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(FiveVapors10ppm)->Unit(benchmark::kMillisecond);
BENCHMARK(Full_OneVapor1000ppm)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Full_OneVapor1ppm)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Full_ThreeVapors100ppm)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Full_FiveVapors10ppm)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tess::model
