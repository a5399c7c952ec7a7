// Application downloads to terminals on paced pseudo-terminals (115200 bit/s,
// ten bits a byte), one alone and then eight at once, each on its own worker
// and port as `tessel download --port ... --port ...` runs them. Eight at
// once should take at most 1.25 times as long as one: the ports share
// nothing but the processor.
//
//   tessel_fleet_bench [TERMINALS]     (default 8)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/application_download.h"
#include "support/projects.h"
#include "support/served_terminal.h"

namespace tessel {
namespace {

using Seconds = std::chrono::duration<double>;
constexpr int kLineRate = 115200;

// Downloads to `count` paced terminals at once; the seconds until the last
// one completed, and how many did.
Seconds downloadAtOnce(std::size_t count, std::size_t& completed) {
    std::vector<std::unique_ptr<test::ServedTerminal>> terminals;
    for (std::size_t i = 0; i < count; ++i) {
        link::PeerSettings settings;
        settings.identification = "4130RU004";
        terminals.push_back(std::make_unique<test::ServedTerminal>(settings, kLineRate));
    }
    const Project project = test::newProject(kFamilyGroup);
    std::vector<int> results(count);
    const auto start = std::chrono::steady_clock::now();
    {
        std::vector<std::jthread> ports;
        for (std::size_t i = 0; i < count; ++i) {
            ports.emplace_back([&, i] {
                Definition definition = project.definition;
                link::ApplicationDownload handler(definition, project.defaults);
                results[i] = terminals[i]->run(handler).result;
            });
        }
    }
    const Seconds elapsed = std::chrono::steady_clock::now() - start;
    completed = static_cast<std::size_t>(std::count(results.begin(), results.end(), link::kCompleted));
    return elapsed;
}

}  // namespace
}  // namespace tessel

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::size_t many = argc > 1 ? std::stoul(argv[1]) : 8;
    std::size_t completedOne = 0, completedMany = 0;
    const auto one = tessel::downloadAtOnce(1, completedOne);
    const auto all = tessel::downloadAtOnce(many, completedMany);
    const double ratio = all.count() / one.count();
    std::printf(
        "Application download at %d bit/s: 1 terminal %.3f s (%zu completed), %zu at once %.3f s "
        "(%zu completed)\n",
        tessel::kLineRate, one.count(), completedOne, many, all.count(), completedMany);
    std::printf("ratio %.2f (target at most 1.25)%s\n", ratio, ratio <= 1.25 ? "" : "  MISSED");
    return completedOne == 1 && completedMany == many ? 0 : 1;
}
