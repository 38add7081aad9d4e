// Speed of long name lists shown through the Qt binding with real widgets under the offscreen
// platform: a drop-down list refilled (emptied, then filled) in one step beside one entry at a
// time, and the vapor screen opened and searched by name on a full vapor file (32,767 records).
// Each timed step lets the event loop run afterwards, as the window does before it answers again.
// Targets: a 32,767-name fill under 0.1 s; opening the vapor screen and a Search under 0.25 s each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "databases/frmVaporMulti.h"
#include "input/InputMasterFive.h"
#include "input/Opening.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Form.h"
#include "program/Program.h"
#include "qt/QtApplication.h"
#include "records/VaporRecord.h"
#include "support/TemporaryFolder.h"

namespace tess::qt {
namespace {

constexpr int FullFile = 32767;

//! A window with one drop-down list as wide as the vapor screen's.
class ListForm : public forms::Form {
 public:
  explicit ListForm(forms::Application& app) : Form(app, "ListForm") {
    setClientSize(5490, 1500);
    List.setGeometry({840, 840, 4455, 315});
  }
  forms::ComboBox List{*this, "List"};
};

//! n different index keys as the name list shows them (upper case, blank-padded to 41).
std::vector<std::string> listKeys(int n) {
  std::vector<std::string> keys;
  for (int i = 1; i <= n; ++i) {
    std::string key = "CHEMICAL " + std::to_string(i);
    keys.push_back(key + std::string(41 - key.size(), ' '));
  }
  return keys;
}

bool showsAll(QtApplication& app, forms::ComboBox& list, int n) {
  return qobject_cast<QComboBox*>(app.widget(list))->count() == n && list.itemCount() == n;
}

//! Empties the list and fills it with state.range(0) names as fill does, then lets the window
//! catch up, once per iteration.
template <class Fill>
void refillList(benchmark::State& state, Fill fill) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<std::string> keys = listKeys(n);
  QtApplication app;
  ListForm form(app);
  form.show();
  for (auto _ : state) {
    form.List.clear();
    fill(form.List, keys);
    QApplication::processEvents();
  }
  if (!showsAll(app, form.List, n)) state.SkipWithError("the list does not show every name");
  form.hide();
}

void BM_ListRefillInOneStep(benchmark::State& state) {
  refillList(state, [](forms::ComboBox& list, const std::vector<std::string>& keys) { list.addItems(keys); });
}
BENCHMARK(BM_ListRefillInOneStep)->Arg(1000)->Arg(4000)->Arg(FullFile)->Unit(benchmark::kMillisecond);

void BM_ListRefillOneAtATime(benchmark::State& state) {
  refillList(state, [](forms::ComboBox& list, const std::vector<std::string>& keys) {
    for (const std::string& key : keys) list.addItem(key);
  });
}
BENCHMARK(BM_ListRefillOneAtATime)->Arg(1000)->Arg(4000)->Arg(FullFile)->Unit(benchmark::kMillisecond);

//! A program whose folder holds a full vapor file (names in no order), at the data-input screen.
struct ProgramAtDataInput {
  static const std::filesystem::path& folder() {
    static const tess::testing::TemporaryFolder made;
    static const bool written = [] {
      std::vector<int> order(FullFile);
      for (int i = 0; i < FullFile; ++i) order[static_cast<std::size_t>(i)] = i + 1;
      std::shuffle(order.begin(), order.end(), std::mt19937(42));
      std::string bytes;
      for (int i : order) {
        bytes += records::VaporRecord::assemble("Chemical " + std::to_string(i), "58.08", "0.791", "16.2",
                                                "1", "500", "7.1171", "1210.595", "229.664", "67-64-1")
                     .toBytes();
      }
      tess::testing::writeBytes(made.path() / "VaporB30.DB", bytes);
      return true;
    }();
    static_cast<void>(written);
    return made.path();
  }
  ProgramAtDataInput() {
    program.start();
    app.click(program.opening().Continue);
  }
  bool vaporScreenShowsFullFile() {
    return program.vaporScreen().visible() && showsAll(app, program.vaporScreen().ChemName, FullFile);
  }

  QtApplication app;
  program::Program program{app, folder().string()};
};

// The first opening of vapor slot 1: the screen loads (reads the file, builds the index, fills its
// list), is shown, and refills its list from the file as it is now.
void BM_VaporScreenOpen(benchmark::State& state) {
  bool shown = true;
  for (auto _ : state) {
    state.PauseTiming();
    auto run = std::make_unique<ProgramAtDataInput>();
    state.ResumeTiming();
    run->app.click(run->program.inputMaster().SelectVap[1]);
    QApplication::processEvents();
    state.PauseTiming();
    shown = shown && run->vaporScreenShowsFullFile();
    run.reset();
    state.ResumeTiming();
  }
  if (!shown) state.SkipWithError("the vapor screen does not list the whole file");
}
BENCHMARK(BM_VaporScreenOpen)->Unit(benchmark::kMillisecond);

// Search by a name on file: the list is refilled from the file and the record shown.
void BM_VaporScreenSearchByName(benchmark::State& state) {
  ProgramAtDataInput run;
  databases::frmVaporMulti& vapor = run.program.vaporScreen();
  run.app.click(run.program.inputMaster().SelectVap[1]);
  run.app.editText(vapor.ChemName, "Chemical 16384");
  for (auto _ : state) {
    run.app.click(vapor.cmdSearch);
    QApplication::processEvents();
  }
  if (!run.vaporScreenShowsFullFile() || vapor.ChemName.text() != "Chemical 16384" ||
      vapor.CAS.text() != "67-64-1")
    state.SkipWithError("the search did not show the record with the whole list");
}
BENCHMARK(BM_VaporScreenSearchByName)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess::qt

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
