#pragma once
// A serial port as the link uses it: open one of the listed ports, set the
// rate (always 8 data bits, no parity, one stop bit), drive RTS and DTR,
// write, read what has arrived, and discard what is queued.
#include <cstddef>
#include <span>
#include <string>

#include "link/transfer.h"

namespace tessel::link {

// One port of the list: the device path that names its kind, and the port
// name the user sees and picks.
struct PortEntry {
    std::string devicePath;
    std::string portName;

    bool operator==(const PortEntry&) const = default;
};

struct OpenResult {
    enum class Status { Opened, NotFound, PermissionDenied, Busy, Failed };
    Status status = Status::Failed;
    std::string detail;  // the system's own words, for the user

    bool opened() const { return status == Status::Opened; }
};

struct ReadResult {
    std::size_t count = 0;
    bool failed = false;  // the port is gone or broken
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual OpenResult open(const PortEntry& port) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual bool setRate(int bitsPerSecond) = 0;
    virtual bool setRts(bool on) = 0;
    virtual bool setDtr(bool on) = 0;

    // False on a write error. A write that has not completed after `limit`
    // counts as sent: the response timer covers it.
    virtual bool write(std::span<const Byte> bytes, Milliseconds limit) = 0;
    // Waits at most `wait` for bytes and returns what has arrived.
    virtual ReadResult read(std::span<Byte> into, Milliseconds wait) = 0;

    virtual void discardInput() = 0;
    virtual void discardOutput() = 0;
};

}  // namespace tessel::link
