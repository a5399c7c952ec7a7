#include "cli/port_fleet.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <mutex>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "cli/console.h"
#include "cli/receive_output.h"
#include "core/strings.h"

namespace tessel::cli {
namespace {

// The lines of every port on stderr: rewritten in place on a terminal,
// printed as plain lines (in steps, for logs) elsewhere.
class ProgressBoard {
public:
    explicit ProgressBoard(std::vector<std::string> ports)
        : ports_(std::move(ports)), lines_(ports_.size()), onTerminal_(isatty(2) != 0) {}

    void show(std::size_t port, const std::string& text) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (lines_[port] == text) return;
        lines_[port] = text;
        if (!onTerminal_) {
            std::cerr << ports_[port] << ": " << text << '\n';
            return;
        }
        if (drawn_) std::cerr << "\x1b[" << lines_.size() << "A";
        for (std::size_t i = 0; i < lines_.size(); ++i)
            std::cerr << "\r\x1b[K" << ports_[i] << ": " << lines_[i] << '\n';
        std::cerr << std::flush;
        drawn_ = true;
    }

private:
    std::vector<std::string> ports_;
    std::vector<std::string> lines_;
    bool onTerminal_;
    bool drawn_ = false;
    std::mutex mutex_;
};

class PortProgress final : public link::TransferObserver {
public:
    PortProgress(ProgressBoard& board, std::size_t port) : board_(board), port_(port) {}
    void settingUp(link::OpeningStep step) override {
        board_.show(port_, step == link::OpeningStep::Cradle ? "setting up the cradle" : "opening");
    }
    void exchanging() override { board_.show(port_, "exchanging"); }
    void progress(int position) override {
        if (position % 10 == 0) board_.show(port_, std::to_string(position) + "%");
    }
    void received(int count) override { board_.show(port_, std::to_string(count) + " records"); }

private:
    ProgressBoard& board_;
    std::size_t port_;
};

std::string resultText(const link::TransferOutcome& outcome) {
    if (outcome.result == link::kCompleted) return "completed";
    if (outcome.result == link::kCancelled) return "cancelled";
    std::string text = Strings().utf8(outcome.result);
    if (!outcome.detail.empty()) text += " " + outcome.detail;
    return text;
}

void printTable(const std::vector<std::string>& ports, const std::vector<PortResult>& results,
                const FleetReport& report) {
    std::size_t width = 4;
    for (const auto& port : ports) width = std::max(width, port.size());
    std::cout << std::left << std::setw(static_cast<int>(width)) << "PORT"
              << "  " << std::setw(8) << (report.amountName == "records" ? "RECORDS" : "BYTES") << "  " << std::setw(7)
              << "SECONDS"
              << "  RESULT\n";
    for (std::size_t i = 0; i < ports.size(); ++i) {
        std::ostringstream seconds;
        seconds << std::fixed << std::setprecision(1) << results[i].seconds;
        std::cout << std::setw(static_cast<int>(width)) << ports[i] << "  " << std::setw(8) << results[i].amount << "  "
                  << std::setw(7) << seconds.str() << "  " << resultText(results[i].outcome)
                  << (results[i].note.empty() ? "" : " (" + results[i].note + ")") << '\n';
    }
}

void printJson(const std::vector<std::string>& ports, const std::vector<PortResult>& results,
               const FleetReport& report) {
    nlohmann::json summary = nlohmann::json::array();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        nlohmann::json port{{"port", ports[i]},
                            {"result", results[i].outcome.result == link::kCompleted ? "completed" : "failed"},
                            {report.amountName, results[i].amount},
                            {"seconds", results[i].seconds}};
        if (results[i].outcome.result != link::kCompleted) port["message"] = resultText(results[i].outcome);
        if (!results[i].note.empty()) port["file"] = results[i].note;
        summary.push_back(std::move(port));
    }
    std::cout << summary.dump() << '\n';
}

}  // namespace

std::vector<PortResult> runOnEveryPort(const std::vector<LinkSetup>& setups, const PortJob& job,
                                       const FleetReport& report) {
    std::vector<std::string> ports;
    for (const auto& setup : setups) ports.push_back(portNameOf(setup));
    ProgressBoard board(ports);
    std::vector<PortResult> results(setups.size());
    CancelScope cancelSignals;
    {
        std::vector<std::jthread> workers;
        for (std::size_t i = 0; i < setups.size(); ++i) {
            workers.emplace_back([&, i] {
                PortProgress progress(board, i);
                const auto started = std::chrono::steady_clock::now();
                results[i] = job(i, setups[i], progress);
                results[i].seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
                board.show(i, resultText(results[i].outcome));
            });
        }
    }
    if (report.json)
        printJson(ports, results, report);
    else
        printTable(ports, results, report);
    return results;
}

int fleetStatus(const std::vector<PortResult>& results) {
    for (const auto& result : results)
        if (result.outcome.result != link::kCompleted) return kFailure;
    return kSuccess;
}

}  // namespace tessel::cli
