#include "cli/sim_data.h"

#include <iostream>
#include <utility>

#include "cli/console.h"
#include "simulator/lookup_load.h"

namespace tessel::cli {
namespace {

constexpr std::size_t kLookupFileLimit = 256u << 20;

}  // namespace

std::string badLookupArgument(const std::string& argument) {
    const bool numbered = argument.size() > 2 && argument[0] >= '1' && argument[0] <= '3' && argument[1] == '=';
    return numbered ? std::string() : "expected N=FILE with N from 1 to 3, got '" + argument + "'";
}

bool SimData::loadFile(sim::Simulator& simulator, const Project& project, int number, const std::string& path) {
    const auto content = readWholeFile(path, kLookupFileLimit);
    if (!content) return false;
    const auto report = sim::loadLookupInto(simulator.terminalData(), project.definition.lookups, number, *content);
    std::cerr << report.text << (report.loaded ? ".\n" : " (" + path + ").\n");
    return report.loaded;
}

bool SimData::load(sim::Simulator& simulator, const Project& project) {
    if (!options_.state.empty()) {
        std::string error;
        state_ = TerminalStateFolder::open(options_.state, error);
        if (!state_) {
            fail(error);
            return false;
        }
        // The terminal's lookups that this design uses; a lookup file kept
        // for another design's lookup is left where it is.
        for (int number = 1; number <= static_cast<int>(kLookupCount); ++number) {
            const LookupRecord& layout = project.definition.lookups[static_cast<std::size_t>(number - 1)];
            const auto path = state_->lookupPath(number);
            std::error_code missing;
            if (layout.recordLength == 0 || layout.columnCount == 0 || !std::filesystem::exists(path, missing))
                continue;
            if (!loadFile(simulator, project, number, path.string())) return false;
        }
    }
    for (const auto& argument : options_.lookups) {
        if (!loadFile(simulator, project, argument[0] - '0', argument.substr(2))) return false;
    }
    return true;
}

bool SimData::keep(const sim::Simulator& simulator) const {
    const sim::TerminalData& data = simulator.terminalData();
    if (!options_.records.empty() && !writeWholeFile(options_.records, crLfLines(data.records))) return false;
    if (!state_) return true;
    std::string error;
    auto records = state_->readLines(state_->recordsPath(), error);
    if (!records) {
        fail(error);
        return false;
    }
    records->insert(records->end(), data.records.begin(), data.records.end());
    if (!writeWholeFile(state_->recordsPath(), crLfLines(*records))) return false;
    for (int number = 1; number <= static_cast<int>(kLookupCount); ++number) {
        const auto& lookup = data.lookups[static_cast<std::size_t>(number - 1)];
        if (lookup && lookup->changed() && !writeWholeFile(state_->lookupPath(number), crLfLines(lookup->lines())))
            return false;
    }
    return true;
}

std::string takeSearches(sim::Simulator& simulator) {
    std::string text;
    for (const auto& search : std::exchange(simulator.terminalData().searches, {})) text += search + "\n";
    return text;
}

}  // namespace tessel::cli
