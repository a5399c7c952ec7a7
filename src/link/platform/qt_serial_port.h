#pragma once
// The serial port on Qt SerialPort, used in blocking mode on the transfer's
// worker thread (it is made on that thread and used there alone).
#include <QSerialPort>

#include "link/serial_port.h"

namespace tessel::link {

class QtSerialPort final : public SerialPort {
public:
    QtSerialPort();

    OpenResult open(const PortEntry& port) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    bool setRate(int bitsPerSecond) override;
    bool setRts(bool on) override;
    bool setDtr(bool on) override;
    bool write(std::span<const Byte> bytes, Milliseconds limit) override;
    ReadResult read(std::span<Byte> into, Milliseconds wait) override;
    void discardInput() override;
    void discardOutput() override;

private:
    bool setModemLine(bool applied);

    QSerialPort port_;
    bool hasModemLines_ = true;
};

// Makes the ports a transfer or the cradle detection uses.
std::unique_ptr<SerialPort> makeQtSerialPort();

}  // namespace tessel::link
