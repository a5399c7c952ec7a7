#pragma once
// What the transfer commands share: the link options (--port, --baud, --via),
// choosing the port and link from them and the preferences, and running one
// exchange with progress on stderr and Ctrl+C for cancel.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/strings.h"
#include "link/transfer_worker.h"

namespace CLI {
class App;
}

namespace tessel::cli {

struct LinkOptions {
    // Port names from the list, or device paths: one exchange on each, at
    // the same time when there are several.
    std::vector<std::string> ports;
    bool allPorts = false;  // every listed port
    int baud = 0;           // bit/s; 0 takes the preferences' rate
    std::string via;        // cradle, irda, bluetooth, cable, usb or sd; empty takes the preferences' choice
};

void addLinkOptions(CLI::App& command, LinkOptions& options);

struct LinkSetup {
    link::PortList ports;
    int portIndex = -1;
    int linkKind = 2;
    int baudIndex = 0;
};

// The port and link of the options, falling back on the preferences (whose
// interface choice is read for the family it was made for, else `family`);
// nothing after printing why not, with the exit status in `status`. With
// `familyKnown`, --via must name an interface of `family`.
std::optional<LinkSetup> resolveLink(const LinkOptions& options, int family, bool receiving, int& status,
                                     bool familyKnown = true);

// Whether the options name more than one port (or all of them).
bool severalPorts(const LinkOptions& options);

// One setup per port of the options, each resolved as by resolveLink.
std::optional<std::vector<LinkSetup>> resolveLinks(const LinkOptions& options, int family, bool receiving, int& status,
                                                   bool familyKnown = true);

// Ctrl+C, and the termination and hang-up signals (a closed terminal, a
// service stopping), cancel what runs while a scope is open: the exchange,
// a pause between tries, the tries still to come. The handlers before are
// put back when the outermost scope closes.
class CancelScope {
public:
    CancelScope();
    ~CancelScope();
    CancelScope(const CancelScope&) = delete;
    CancelScope& operator=(const CancelScope&) = delete;

    static bool requested();
    // Waits `length` unless cancelled first; false when cancelled.
    static bool pause(std::chrono::milliseconds length);
};

// Runs one exchange to its end; Ctrl+C cancels it. Progress goes to
// `observer`, or without one to a bar on stderr.
// `giveUp`, when given, is asked while the exchange runs and cancels it when
// it says so.
link::TransferOutcome runExchange(const LinkSetup& setup, link::AnswerHandler& handler,
                                  link::RecordSink* records = nullptr, link::TransferObserver* observer = nullptr,
                                  const std::function<bool()>& giveUp = {});

// Prints the message of a failed or cancelled exchange and returns kFailure.
int reportFailure(const link::TransferOutcome& outcome, const Strings& strings);

}  // namespace tessel::cli
