#include "cli/link_session.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <iostream>
#include <map>
#include <thread>
#include <vector>

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

#ifdef SIGHUP
constexpr std::array<int, 3> kCancelSignals{SIGINT, SIGTERM, SIGHUP};
#else
constexpr std::array<int, 2> kCancelSignals{SIGINT, SIGTERM};
#endif
std::atomic<int> scopeDepth{0};
std::array<void (*)(int), kCancelSignals.size()> previousHandlers{};

// Interfaces by name, with the link kind each one gives.
const std::map<std::string, int, std::less<>> kLinkKindOfInterface{{"cradle", 0}, {"irda", 1}, {"bluetooth", 2},
                                                                   {"cable", 2},  {"usb", 2},  {"sd", 3}};

// The interfaces of each family's list, in its order.
std::vector<std::string_view> interfacesOf(int family) {
    if (is4760(family)) return {"cradle", "irda", "bluetooth"};
    return {"cable", "bluetooth", "usb", "sd"};
}

std::string joinedWithOr(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += std::string(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + std::string(names[i]);
    return text;
}

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

CancelScope::CancelScope() {
    if (scopeDepth++ > 0) return;  // an outer scope has the handlers
    interrupted = false;
    for (std::size_t i = 0; i < kCancelSignals.size(); ++i)
        previousHandlers[i] = std::signal(kCancelSignals[i], onInterrupt);
}

CancelScope::~CancelScope() {
    if (--scopeDepth > 0) return;
    for (std::size_t i = 0; i < kCancelSignals.size(); ++i) std::signal(kCancelSignals[i], previousHandlers[i]);
}

bool CancelScope::requested() { return interrupted; }

bool CancelScope::pause(std::chrono::milliseconds length) {
    for (auto left = length; left.count() > 0 && !interrupted; left -= 20ms) std::this_thread::sleep_for(20ms);
    return !interrupted;
}

void addLinkOptions(CLI::App& command, LinkOptions& options) {
    auto* port = command
                     .add_option("--port", options.ports,
                                 "Port name from `tessel ports`, or a device path; more than once for several "
                                 "ports at once")
                     ->allow_extra_args(false);
    command.add_flag("--all-ports", options.allPorts, "Every port `tessel ports` lists, all at once")->excludes(port);
    command.add_option("--baud", options.baud, "Bit rate")->check(CLI::IsMember({115200, 57600, 38400, 19200, 9600}));
    command.add_option("--via", options.via, "Interface: cradle, irda, bluetooth, cable, usb or sd")
        ->check(CLI::IsMember({"cradle", "irda", "bluetooth", "cable", "usb", "sd"}));
}

std::optional<LinkSetup> resolveLink(const LinkOptions& options, int family, bool receiving, int& status,
                                     bool familyKnown) {
    const Strings strings;
    const Preferences preferences = readPreferences(preferencesFilePath());
    LinkSetup setup;
    setup.ports = link::listSerialPorts();
    setup.baudIndex = options.baud != 0 ? *baudIndexOf(options.baud) : preferences.baudRate;

    if (!options.via.empty()) {
        const auto offered = interfacesOf(family);
        if (familyKnown && std::find(offered.begin(), offered.end(), options.via) == offered.end()) {
            status = kUsageError;
            fail("--via " + options.via + ": the " + std::to_string(is4760(family) ? kFamily4760 : kFamilyGroup) +
                 " family has no such interface; use " + joinedWithOr(offered) + ".");
            return std::nullopt;
        }
        setup.linkKind = kLinkKindOfInterface.find(options.via)->second;
    } else {
        const int choice = receiving ? preferences.receiveVia : preferences.downloadVia;
        const auto kind = linkKindOf(interfaceFamilyOf(preferences, family), choice);
        if (!kind) {
            status = fail("The interface chosen in the preferences starts no transfer; name one with --via.");
            return std::nullopt;
        }
        setup.linkKind = *kind;
    }

    if (!options.ports.empty()) {
        const std::string& port = options.ports.front();
        auto index = link::findPort(setup.ports, port);
        if (!index && port.find('/') != std::string::npos) {
            setup.ports.push_back({port, port});
            index = static_cast<int>(setup.ports.size()) - 1;
        }
        if (!index) {
            status = fail("No port named " + port + " (see `tessel ports`).");
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

bool severalPorts(const LinkOptions& options) { return options.allPorts || options.ports.size() > 1; }

std::optional<std::vector<LinkSetup>> resolveLinks(const LinkOptions& options, int family, bool receiving, int& status,
                                                   bool familyKnown) {
    LinkOptions one = options;
    std::vector<std::string> names = options.ports;
    if (options.allPorts) {
        names.clear();
        for (const auto& port : link::listSerialPorts()) names.push_back(port.devicePath);
        if (names.empty()) {
            status = fail(Strings().utf8(link::message::kNoPort));
            return std::nullopt;
        }
    }
    std::vector<LinkSetup> setups;
    for (const auto& name : names) {
        one.ports = {name};
        auto setup = resolveLink(one, family, receiving, status, familyKnown);
        if (!setup) return std::nullopt;
        setups.push_back(std::move(*setup));
    }
    return setups;
}

link::TransferOutcome runExchange(const LinkSetup& setup, link::AnswerHandler& handler, link::RecordSink* records,
                                  link::TransferObserver* observer, const std::function<bool()>& giveUp) {
    link::SteadyLinkClock clock;
    link::CradleTiming timing;
    ProgressPrinter printer;
    link::TransferWorker worker(link::makeQtSerialPort, clock, timing);
    CancelScope cancelSignals;
    worker.start({setup.ports, setup.portIndex, setup.linkKind, setup.baudIndex, &handler, records},
                 observer ? *observer : printer);
    while (!worker.finished()) {
        if (interrupted || (giveUp && giveUp())) worker.cancel();
        std::this_thread::sleep_for(20ms);
    }
    auto outcome = worker.wait();
    // A signal while a try failed on its own still ends the command.
    if (interrupted && outcome.result != link::kCompleted) outcome = {link::kCancelled, {}, {}};
    return outcome;
}

int reportFailure(const link::TransferOutcome& outcome, const Strings& strings) {
    if (outcome.result == link::kCancelled) return fail("Cancelled.");
    std::string text = strings.utf8(outcome.result);
    if (!outcome.detail.empty()) text += "\n" + outcome.detail;
    if (!outcome.advice.empty()) text += "\n" + link::adviceText(outcome.advice);
    return fail(text);
}

}  // namespace tessel::cli
