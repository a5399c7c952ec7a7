#include <benchmark/benchmark.h>

#include <string>

#include "core/messages.h"
#include "simulator/lookup_load.h"
#include "simulator/simulator.h"
#include "support/projects.h"

namespace tessel::sim {
namespace {

// Keys and ticks through a form of eight text fields: the work done on every
// click and every 100 ms tick of the desktop program.
void RunFormKeys(benchmark::State& state) {
    Project project = test::newProject(kFamilyGroup);
    for (auto& form : project.definition.forms) form.fieldType = {1, 1, 1, 1, 1, 1, 1, 1};
    CapturedMessages messages;
    SteppingClock clock({2026, 3, 5, 9, 5, 0});
    SimulatorObserver observer;
    Simulator simulator(project, test::builtinStrings(), messages, clock, observer);
    const int keys[] = {1, 17, 18, 2, 3, 42, 5, 6, 37, 42};
    for (auto _ : state) {
        simulator.restart();
        for (const int key : keys) {
            simulator.handleKey(key);
            simulator.tick();
        }
        benchmark::DoNotOptimize(simulator.screen());
    }
}
BENCHMARK(RunFormKeys);

// A lookup of 100 000 delimited records: code, description and remains.
LookupRecord stockLayout() {
    LookupRecord layout{};
    layout.columnCount = 3;
    layout.columnLength = {8, 30, 6, 0, 0, 0, 0, 0};
    layout.recordLength = 46;
    layout.delimiter = ';';
    return layout;
}

std::string stockFile(int records) {
    std::string file;
    for (int i = 0; i < records; ++i)
        file += "C" + std::to_string(i) + ";Item number " + std::to_string(i) + ";100\r\n";
    return file;
}

constexpr int kStockRecords = 100'000;

// Loading must stay under a second.
void LoadLookupOf100000Records(benchmark::State& state) {
    const std::string file = stockFile(kStockRecords);
    for (auto _ : state) benchmark::DoNotOptimize(loadLookupData(stockLayout(), file));
}
BENCHMARK(LoadLookupOf100000Records)->Unit(benchmark::kMillisecond);

// A search, found or not, must stay under 50 microseconds.
void SearchLookupOf100000Records(benchmark::State& state) {
    const auto load = loadLookupData(stockLayout(), stockFile(kStockRecords));
    const std::string keys[] = {"C0", "C54321", "C99999", "X1"};
    std::size_t next = 0;
    for (auto _ : state) benchmark::DoNotOptimize(load.data->find(keys[next++ % 4]));
}
BENCHMARK(SearchLookupOf100000Records);

}  // namespace
}  // namespace tessel::sim
