#pragma once
// The rules over the list of serial ports: each port's kind and list line,
// the preferred port number, and finding ports by list line.
//
// On Windows the device paths are the registry value names
// (\Device\Serial0, \Device\BthModem0, ...) and the kind comes from the first
// two letters after the last backslash. Elsewhere they are device files: the
// component after the last slash decides, ttyS* being serial ports, rfcomm*
// Bluetooth ports, and everything else (ttyUSB*, ttyACM*, pseudo-terminals)
// virtual ports.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/strings.h"
#include "link/serial_port.h"

namespace tessel::link {

enum class PortKind { None = 0, Serial = 1, Virtual = 2, Bluetooth = 3, NoPath = 99 };

using PortList = std::vector<PortEntry>;

PortKind portKindOf(std::string_view devicePath);

// Kind of the port at `index`; None when there is no such port.
PortKind portKindAt(const PortList& ports, int index);

// "%s - %s" with the port name and the kind's label, or "%s - Unknown port".
std::string portListLine(const PortEntry& port, const Strings& strings);

// The number the preferences' "COM port" number is compared with. COMn has
// n (the digits after the first 'M', else the first 'm'); a name that is not
// COMn has one more than the number it ends with, so that ttyS0, the first
// serial port, is 1 like COM1; a name ending in no digits has none.
std::optional<int> portNumberOf(std::string_view portName);

// The chosen port index: `portIndex` when it is resolved (not -1), else the
// first port whose number is `preferredNumber`, else still -1.
int resolveChosenPort(const PortList& ports, int portIndex, int preferredNumber);

// The port the preferences choose, in the list as it is now. A stored
// position counts while the port there still has the stored name (or no name
// is stored, as in an older program's file); one that has come to name
// another port, or lies past the end, gives nothing, so the user is asked
// rather than another device taken. With no position, a stored name is a
// device path the user typed: the listed port of that name or path, else an
// entry added to the end of `ports`. With neither, the preferred number
// decides (`resolveChosenPort`).
std::optional<int> chosenPortIn(PortList& ports, int portIndex, const std::string& portName, int preferredNumber);

// The port whose name is the list line's text before its first space; 0 when
// none is.
int findPortIndex(const PortList& ports, std::string_view listLine);

// The port named `nameOrPath`, compared with the port names and then the
// device paths; nothing when the list has none.
std::optional<int> findPort(const PortList& ports, std::string_view nameOrPath);

}  // namespace tessel::link
