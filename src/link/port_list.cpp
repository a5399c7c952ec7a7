#include "link/port_list.h"

#include <algorithm>
#include <cctype>

namespace tessel::link {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char wanted, char c) { return std::tolower(static_cast<unsigned char>(c)) == wanted; });
}

int leadingNumber(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> trailingNumber(std::string_view text) {
    const auto firstDigit = text.find_last_not_of("0123456789") + 1;
    if (firstDigit >= text.size()) return std::nullopt;
    return leadingNumber(text.substr(firstDigit));
}

}  // namespace

PortKind portKindOf(std::string_view devicePath) {
    const auto backslash = devicePath.rfind('\\');
    if (backslash != std::string_view::npos) {
        const auto component = devicePath.substr(backslash + 1);
        if (startsWithNoCase(component, "bt")) return PortKind::Bluetooth;
        if (startsWithNoCase(component, "se")) return PortKind::Serial;
        return PortKind::Virtual;
    }
    const auto slash = devicePath.rfind('/');
    if (slash == std::string_view::npos) return PortKind::NoPath;
    const auto component = devicePath.substr(slash + 1);
    if (component.starts_with("ttyS")) return PortKind::Serial;
    if (component.starts_with("rfcomm")) return PortKind::Bluetooth;
    return PortKind::Virtual;
}

PortKind portKindAt(const PortList& ports, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= ports.size()) return PortKind::None;
    return portKindOf(ports[static_cast<std::size_t>(index)].devicePath);
}

std::string portListLine(const PortEntry& port, const Strings& strings) {
    switch (portKindOf(port.devicePath)) {
        case PortKind::Serial: return port.portName + " - " + strings.text(32);
        case PortKind::Virtual: return port.portName + " - " + strings.text(33);
        case PortKind::Bluetooth: return port.portName + " - " + strings.text(31);
        default: return port.portName + " - Unknown port";
    }
}

std::optional<int> portNumberOf(std::string_view portName) {
    if (startsWithNoCase(portName, "com")) {
        auto m = portName.find('M');
        if (m == std::string_view::npos) m = portName.find('m');
        return leadingNumber(portName.substr(m + 1));
    }
    const auto number = trailingNumber(portName);
    if (!number) return std::nullopt;
    return *number + 1;
}

int resolveChosenPort(const PortList& ports, int portIndex, int preferredNumber) {
    if (portIndex != -1) return portIndex;
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (portNumberOf(ports[i].portName) == preferredNumber) return static_cast<int>(i);
    return -1;
}

std::optional<int> chosenPortIn(PortList& ports, int portIndex, const std::string& portName, int preferredNumber) {
    const int count = static_cast<int>(ports.size());
    if (portIndex < 0 && !portName.empty()) {
        if (const auto listed = findPort(ports, portName)) return listed;
        ports.push_back({portName, portName});
        return count;
    }
    const int index = resolveChosenPort(ports, portIndex, preferredNumber);
    if (index < 0 || index >= count) return std::nullopt;
    const bool renamed =
        portIndex >= 0 && !portName.empty() && ports[static_cast<std::size_t>(index)].portName != portName;
    if (renamed) return std::nullopt;
    return index;
}

int findPortIndex(const PortList& ports, std::string_view listLine) {
    const auto name = listLine.substr(0, listLine.find(' '));
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (ports[i].portName == name) return static_cast<int>(i);
    return 0;
}

std::optional<int> findPort(const PortList& ports, std::string_view nameOrPath) {
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (ports[i].portName == nameOrPath) return static_cast<int>(i);
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (ports[i].devicePath == nameOrPath) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace tessel::link
