#include <benchmark/benchmark.h>

#include "core/messages.h"
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

}  // namespace
}  // namespace tessel::sim
