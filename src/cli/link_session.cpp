#include "cli/link_session.h"

#include <CLI/CLI.hpp>

#include <array>
#include <atomic>
#include <csignal>
#include <iostream>
#include <map>
#include <thread>

#include "cli/console.h"
#include "core/model_family.h"
#include "core/preferences.h"
#include "link/platform/port_listing.h"
#include "link/platform/qt_serial_port.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace tessel::cli {
namespace {

using namespace std::chrono_literals;

std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }

// Ctrl+C, and the termination and hang-up signals (a closed terminal, a
// service stopping), cancel the exchange, so the port is closed and released
// before the tool exits; the handlers before are put back afterwards.
class CancelSignals {
public:
    CancelSignals() {
        for (std::size_t i = 0; i < kSignals.size(); ++i) previous_[i] = std::signal(kSignals[i], onInterrupt);
    }
    ~CancelSignals() {
        for (std::size_t i = 0; i < kSignals.size(); ++i) std::signal(kSignals[i], previous_[i]);
    }
    CancelSignals(const CancelSignals&) = delete;
    CancelSignals& operator=(const CancelSignals&) = delete;

private:
#ifdef SIGHUP
    static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
#else
    static constexpr std::array<int, 2> kSignals{SIGINT, SIGTERM};
#endif
    std::array<void (*)(int), kSignals.size()> previous_{};
};

// Interfaces by name, with the link kind each one gives.
const std::map<std::string, int, std::less<>> kLinkKindOfInterface{{"cradle", 0}, {"irda", 1}, {"bluetooth", 2},
                                                                   {"cable", 2},  {"usb", 2},  {"sd", 3}};

std::optional<int> baudIndexOf(int rate) {
    for (int index = 0; index < 5; ++index)
        if (kBaudRates[index] == rate) return index;
    return std::nullopt;
}

// A bar that redraws itself on a terminal, and plain lines elsewhere.
class ProgressPrinter final : public link::TransferObserver {
public:
    ProgressPrinter() : onTerminal_(isatty(2) != 0) {}
    ~ProgressPrinter() override {
        if (onTerminal_ && drawn_) std::cerr << '\n';
    }

    void settingUp(link::OpeningStep step) override {
        if (step == link::OpeningStep::Cradle) std::cerr << "Setting up the cradle...\n";
    }

    void progress(int position) override {
        if (position == lastPosition_) return;
        if (!onTerminal_) {
            // Plain lines in steps of ten, for logs.
            if (position / 10 != lastPosition_ / 10 || lastPosition_ < 0)
                std::cerr << "Progress: " << position << "%\n";
            lastPosition_ = position;
            return;
        }
        lastPosition_ = position;
        const int filled = position * 40 / 100;
        std::cerr << "\r[" << std::string(filled, '#') << std::string(40 - filled, '.') << "] " << position << "%"
                  << std::flush;
        drawn_ = true;
    }

    void received(int count) override {
        const auto now = std::chrono::steady_clock::now();
        if (onTerminal_) {
            std::cerr << "\rData received : " << count << std::flush;
            drawn_ = true;
        } else if (count == 0 || now - lastLine_ >= 1s) {
            std::cerr << "Data received : " << count << '\n';
            lastLine_ = now;
        }
    }

private:
    bool onTerminal_;
    bool drawn_ = false;
    int lastPosition_ = -1;
    std::chrono::steady_clock::time_point lastLine_{};
};

}  // namespace

void addLinkOptions(CLI::App& command, LinkOptions& options) {
    command.add_option("--port", options.port, "Port name from `tessel ports`, or a device path");
    command.add_option("--baud", options.baud, "Bit rate")->check(CLI::IsMember({115200, 57600, 38400, 19200, 9600}));
    command.add_option("--via", options.via, "Interface: cradle, irda, bluetooth, cable, usb or sd")
        ->check(CLI::IsMember({"cradle", "irda", "bluetooth", "cable", "usb", "sd"}));
}

std::optional<LinkSetup> resolveLink(const LinkOptions& options, int family, bool receiving, int& status) {
    const Strings strings;
    const Preferences preferences = readPreferences(preferencesFilePath());
    LinkSetup setup;
    setup.ports = link::listSerialPorts();
    setup.baudIndex = options.baud != 0 ? *baudIndexOf(options.baud) : preferences.baudRate;

    if (!options.via.empty()) {
        setup.linkKind = kLinkKindOfInterface.find(options.via)->second;
    } else {
        const int choice = receiving ? preferences.receiveVia : preferences.downloadVia;
        const auto kind = linkKindOf(family, choice);
        if (!kind) {
            status = fail("The interface chosen in the preferences starts no transfer; name one with --via.");
            return std::nullopt;
        }
        setup.linkKind = *kind;
    }

    if (!options.port.empty()) {
        auto index = link::findPort(setup.ports, options.port);
        if (!index && options.port.find('/') != std::string::npos) {
            setup.ports.push_back({options.port, options.port});
            index = static_cast<int>(setup.ports.size()) - 1;
        }
        if (!index) {
            status = fail("No port named " + options.port + " (see `tessel ports`).");
            return std::nullopt;
        }
        setup.portIndex = *index;
    } else {
        const auto chosen =
            link::chosenPortIn(setup.ports, preferences.portIndex, preferences.portName, preferences.portNumber);
        if (!chosen) {
            const std::string gone = preferences.portName.empty() || preferences.portIndex < 0
                                         ? std::string()
                                         : " The port chosen in the preferences, " + preferences.portName +
                                               ", is no longer where it was in the list.";
            status =
                fail(strings.utf8(link::message::kNoPort) + gone + " Choose a port with --port (see `tessel ports`).");
            return std::nullopt;
        }
        setup.portIndex = *chosen;
    }
    return setup;
}

link::TransferOutcome runExchange(const LinkSetup& setup, link::AnswerHandler& handler, link::RecordSink* records) {
    link::SteadyLinkClock clock;
    link::CradleTiming timing;
    ProgressPrinter printer;
    link::TransferWorker worker(link::makeQtSerialPort, clock, timing);
    interrupted = false;
    CancelSignals cancelSignals;
    worker.start({setup.ports, setup.portIndex, setup.linkKind, setup.baudIndex, &handler, records}, printer);
    while (!worker.finished()) {
        if (interrupted) worker.cancel();
        std::this_thread::sleep_for(20ms);
    }
    return worker.wait();
}

int reportFailure(const link::TransferOutcome& outcome, const Strings& strings) {
    if (outcome.result == link::kCancelled) return fail("Cancelled.");
    std::string text = strings.utf8(outcome.result);
    if (!outcome.detail.empty()) text += "\n" + outcome.detail;
    if (!outcome.advice.empty()) text += "\n" + link::adviceText(outcome.advice);
    return fail(text);
}

}  // namespace tessel::cli
