#pragma once
// What the user is told beside a transfer's failure message: what happened
// in the user's terms and what to check or do. Each line is a sentence with
// "%1" places; the desktop shows it translated (the sentences are marked for
// translation in the context kAdviceContext), the tool as it stands.
#include <string>
#include <string_view>
#include <vector>

#include "link/port_list.h"
#include "link/serial_port.h"
#include "link/transfer.h"
#include "link/wire.h"

namespace tessel::link {

inline constexpr const char* kAdviceContext = "tessel::link::Advice";

struct AdviceLine {
    const char* text = nullptr;  // English, with "%1", "%2" ... places
    std::vector<std::string> args;

    bool operator==(const AdviceLine&) const = default;
};
using Advice = std::vector<AdviceLine>;

// "%1".."%9" of `text` replaced by `args`, as the desktop's translation does.
std::string fillPlaces(std::string_view text, const std::vector<std::string>& args);
// The lines filled in and joined by line feeds.
std::string adviceText(const Advice& advice);

// The last frame sent, in the user's words: "KORVAN", "READ", "ACK", or
// "frame 12 of the application".
std::string describeFrame(const ByteString& frame);

// The terminal answered nothing to `frame` on `port` at `rate` bit/s, though
// it was sent `resends` more times.
Advice noAnswerAdvice(TransferMode mode, const ByteString& frame, const PortEntry& port, int rate, int resends,
                      bool throughCradle);

// Why `port` could not be opened and the fix: for a missing permission the
// group that owns the device and logging in again, for a port in use the
// programs holding it.
Advice openFailureAdvice(const PortEntry& port, const OpenResult& result);

// Why no cradle could be set up on `port`, where that is known: a
// pseudo-terminal (a simulated terminal) has no RTS line; empty otherwise.
Advice cradleFailureAdvice(const PortEntry& port);

// The port the preferences name is not among the system's ports.
Advice portGoneAdvice(std::string_view portName);

}  // namespace tessel::link
