#pragma once
// The data side of `tessel sim`: lookup files loaded before the keys run,
// the collected records written after, and a terminal's state folder that
// supplies both.
#include <optional>
#include <string>
#include <vector>

#include "core/terminal_state.h"
#include "simulator/simulator.h"

namespace tessel::cli {

struct SimDataOptions {
    std::vector<std::string> lookups;  // "N=FILE"
    std::string records;               // file for the records of this run
    std::string state;                 // a simulated terminal's state folder
};

// "N=FILE" with N from 1 to 3; the reason when it is not.
std::string badLookupArgument(const std::string& argument);

class SimData {
public:
    explicit SimData(const SimDataOptions& options) : options_(options) {}

    // Before the keys: opens the state folder and loads its lookups, then
    // the files of --lookup. False after printing why not.
    bool load(sim::Simulator& simulator, const Project& project);
    // After the keys: the run's records into --records, and into the state
    // folder with its lookups as the run left them. False after printing why
    // not.
    bool keep(const sim::Simulator& simulator) const;

private:
    bool loadFile(sim::Simulator& simulator, const Project& project, int number, const std::string& path);

    const SimDataOptions& options_;
    std::optional<TerminalStateFolder> state_;
};

// The lookup searches since the last call, one line each, for a trace.
std::string takeSearches(sim::Simulator& simulator);

}  // namespace tessel::cli
