#include "link/failure_advice.h"

#include "core/application_image.h"
#include "core/shown_text.h"
#include "link/port_holders.h"

namespace tessel::link {
namespace {

std::string portOf(const PortEntry& port) {
    return port.portName == port.devicePath ? port.portName : port.portName + " (" + port.devicePath + ")";
}

}  // namespace

std::string fillPlaces(std::string_view text, const std::vector<std::string>& args) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto index = place ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (place && index < args.size()) {
            filled += args[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string adviceText(const Advice& advice) {
    std::string text;
    for (const AdviceLine& line : advice) {
        if (!text.empty()) text += '\n';
        text += fillPlaces(line.text, line.args);
    }
    return text;
}

std::string describeFrame(const ByteString& frame) {
    const std::string text(frame.begin(), frame.end());
    for (std::string_view keyword : {kOpenDownload, kOpenReceive, kAck, kNak, kOver}) {
        if (text == keyword) return std::string(keyword.substr(0, keyword.size() - 1));
    }
    if (frame.size() == kFrameSize) {
        return "frame " + std::to_string(frame.back() + 1) + " of " + std::to_string(kFrameCount);
    }
    return "a lookup record";
}

Advice noAnswerAdvice(TransferMode mode, const ByteString& frame, const PortEntry& port, int rate, int resends,
                      bool throughCradle) {
    Advice advice{{TESSEL_SHOWN("tessel::link::Advice", "Nothing answered %1 on %2 at %3 bit/s, sent %4 times."),
                   {describeFrame(frame), portOf(port), std::to_string(rate), std::to_string(resends + 1)}}};
    advice.push_back({mode == TransferMode::Receive
                          ? TESSEL_SHOWN("tessel::link::Advice",
                                         "Check that the terminal shows its upload screen and is ready to send.")
                          : TESSEL_SHOWN("tessel::link::Advice",
                                         "Check that the terminal shows its download screen and is ready to receive."),
                      {}});
    advice.push_back({throughCradle ? TESSEL_SHOWN("tessel::link::Advice",
                                                   "Check that the terminal sits in the cradle and the cradle is "
                                                   "on this port, and that both sides use %1 bit/s.")
                                    : TESSEL_SHOWN("tessel::link::Advice",
                                                   "Check the cable or the wireless link to this port, and that both "
                                                   "sides use %1 bit/s."),
                      {std::to_string(rate)}});
    return advice;
}

Advice openFailureAdvice(const PortEntry& port, const OpenResult& result) {
    const std::string name = portOf(port);
    switch (result.status) {
        case OpenResult::Status::PermissionDenied: {
            const std::string group = deviceGroup(port.devicePath).value_or("dialout");
            return {{TESSEL_SHOWN("tessel::link::Advice", "You have no permission to use %1."), {name}},
                    {TESSEL_SHOWN("tessel::link::Advice",
                                  "Add yourself to the group %1 that owns it (sudo usermod -aG %1 $USER), "
                                  "then log out and in again."),
                     {group}}};
        }
        case OpenResult::Status::NotFound:
            return {{TESSEL_SHOWN("tessel::link::Advice", "%1 does not exist (any more). Is the device plugged in?"),
                     {name}}};
        case OpenResult::Status::Busy: {
            Advice advice{{TESSEL_SHOWN("tessel::link::Advice", "%1 is in use by another program."), {name}}};
            const auto holders = processesHolding(port.devicePath);
            for (const PortHolder& holder : holders) {
                advice.push_back({TESSEL_SHOWN("tessel::link::Advice", "It is held by %1 (process %2): close it."),
                                  {holder.program, std::to_string(holder.pid)}});
            }
            if (holders.empty()) {
                advice.push_back(
                    {TESSEL_SHOWN("tessel::link::Advice", "Close the program that uses it; \"fuser -v %1\" names it."),
                     {port.devicePath}});
            }
            return advice;
        }
        case OpenResult::Status::Opened: return {};
        case OpenResult::Status::Failed: break;
    }
    if (result.detail.empty()) return {};
    return {{"%1: %2", {name, result.detail}}};
}

Advice cradleFailureAdvice(const PortEntry& port) {
    if (!port.devicePath.starts_with("/dev/pts/")) return {};
    return {{TESSEL_SHOWN("tessel::link::Advice",
                          "%1 is a pseudo-terminal (a simulated terminal, for example), which has no RTS line to set "
                          "up a cradle with."),
             {port.devicePath}},
            {TESSEL_SHOWN("tessel::link::Advice",
                          "Use cable or Bluetooth for it (--via bluetooth for any family, --via cable for the 4130 "
                          "group; Bluetooth SPP or a cable in the preferences)."),
             {}}};
}

Advice portGoneAdvice(std::string_view portName) {
    return {{TESSEL_SHOWN("tessel::link::Advice", "The port %1 chosen in the preferences is not there any more."),
             {std::string(portName)}},
            {TESSEL_SHOWN("tessel::link::Advice", "Plug the device in again, or choose another port."), {}}};
}

}  // namespace tessel::link
