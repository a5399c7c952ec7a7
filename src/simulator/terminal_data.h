#pragma once
// The data side of the simulated terminal: the lookup data loaded into its
// three lookups, the records its forms saved (what an upload would send),
// what its forms sent to the printer port, and a log of the lookup searches
// for a trace. Empty, it changes nothing that the simulator shows.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/definition.h"
#include "simulator/lookup_data.h"

namespace tessel::sim {

struct TerminalData {
    // Lookup 1 to 3 at index 0 to 2; nothing while no data is loaded.
    std::array<std::optional<LookupData>, kLookupCount> lookups;
    // The saved records in the order they were collected.
    std::vector<std::string> records;
    // What the last "output record" or "output screen" sent to the printer.
    std::string printed;
    // One line per lookup search, until taken; only the latest are kept.
    std::vector<std::string> searches;
    static constexpr std::size_t kSearchesKept = 1000;

    LookupData* lookup(int number) {
        if (number < 1 || number > static_cast<int>(kLookupCount)) return nullptr;
        auto& data = lookups[static_cast<std::size_t>(number - 1)];
        return data ? &*data : nullptr;
    }
    void logSearch(std::string line) {
        if (searches.size() >= kSearchesKept) searches.erase(searches.begin());
        searches.push_back(std::move(line));
    }
    void clearLookups() {
        for (auto& data : lookups) data.reset();
    }
};

}  // namespace tessel::sim
