#pragma once
// One exchange on each of several ports at the same time, each on its own
// worker and port, so that one port's fault never holds up another:
// progress as one line per port on stderr, and a table (or JSON) of how each
// port ended on stdout.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/link_session.h"

namespace tessel::cli {

// How one port's exchange went, for the summary.
struct PortResult {
    link::TransferOutcome outcome;
    std::uint64_t amount = 0;  // bytes sent, or records received
    double seconds = 0;
    std::string note;  // such as the file the records went to
};

// Runs the exchange (all its tries) on port number `port` of the setups,
// with its progress to `observer`; called on a thread of the port's own.
using PortJob = std::function<PortResult(std::size_t port, const LinkSetup& setup, link::TransferObserver& observer)>;

struct FleetReport {
    std::string amountName;  // "bytes" or "records"
    bool json = false;
};

// Runs `job` on every setup at once and prints the summary; the results in
// the order of `setups`.
std::vector<PortResult> runOnEveryPort(const std::vector<LinkSetup>& setups, const PortJob& job,
                                       const FleetReport& report);

// Exit status of a fleet: 0 when every port completed, else 1.
int fleetStatus(const std::vector<PortResult>& results);

}  // namespace tessel::cli
