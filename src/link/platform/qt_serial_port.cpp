#include "link/platform/qt_serial_port.h"

#include <mutex>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tessel::link {
namespace {

// The port is used with blocking waits on a thread without an event loop; Qt
// warns that its socket notifiers cannot run there, which they need not.
void quietNotifierWarnings() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (text.startsWith(QLatin1String("QSocketNotifier: Can only be used with threads started with QThread")))
                return;
            if (previous) previous(type, context, text);
        });
    });
}

OpenResult::Status statusOf(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError: return OpenResult::Status::Opened;
        case QSerialPort::DeviceNotFoundError: return OpenResult::Status::NotFound;
        case QSerialPort::PermissionError: return OpenResult::Status::PermissionDenied;
        case QSerialPort::OpenError: return OpenResult::Status::Busy;
        default: return OpenResult::Status::Failed;
    }
}

// Qt reports a port that another program holds (by its lock file, or the
// device's exclusive mode) as a permission error too. A device that this user
// may read and write is in use, not forbidden.
OpenResult::Status refined(OpenResult::Status status, const std::string& devicePath) {
#ifndef _WIN32
    if (status == OpenResult::Status::PermissionDenied && !devicePath.empty() && devicePath.front() == '/' &&
        ::access(devicePath.c_str(), R_OK | W_OK) == 0)
        return OpenResult::Status::Busy;
#else
    (void)devicePath;
#endif
    return status;
}

// Pseudo-terminals carry data but have no RTS or DTR line to drive.
bool isPseudoTerminal(const std::string& path) { return path.rfind("/dev/pts/", 0) == 0; }

}  // namespace

QtSerialPort::QtSerialPort() { quietNotifierWarnings(); }

std::unique_ptr<SerialPort> makeQtSerialPort() { return std::make_unique<QtSerialPort>(); }

OpenResult QtSerialPort::open(const PortEntry& port) {
    // Windows opens by port name (COM3); elsewhere the device file is named.
    const bool byPath = !port.devicePath.empty() && port.devicePath.front() == '/';
    port_.setPortName(QString::fromStdString(byPath ? port.devicePath : port.portName));
    hasModemLines_ = !isPseudoTerminal(port.devicePath);
    if (port_.open(QIODevice::ReadWrite)) return {OpenResult::Status::Opened, {}};
    return {refined(statusOf(port_.error()), port.devicePath), port_.errorString().toStdString()};
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
}

bool QtSerialPort::setRate(int bitsPerSecond) {
    return port_.setBaudRate(bitsPerSecond) && port_.setDataBits(QSerialPort::Data8) &&
           port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
           port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialPort::setModemLine(bool applied) {
    if (applied) return true;
    port_.clearError();
    return !hasModemLines_ && port_.isOpen();
}

bool QtSerialPort::setRts(bool on) { return setModemLine(port_.setRequestToSend(on)); }

bool QtSerialPort::setDtr(bool on) { return setModemLine(port_.setDataTerminalReady(on)); }

bool QtSerialPort::write(std::span<const Byte> bytes, Milliseconds limit) {
    if (!port_.isOpen()) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
    while (port_.bytesToWrite() > 0) {
        if (port_.waitForBytesWritten(static_cast<int>(limit.count()))) continue;
        // Still pending after the limit counts as sent; an error does not.
        return port_.error() == QSerialPort::NoError || port_.error() == QSerialPort::TimeoutError;
    }
    return true;
}

ReadResult QtSerialPort::read(std::span<Byte> into, Milliseconds wait) {
    if (!port_.isOpen()) return {0, true};
    if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(static_cast<int>(wait.count()))) {
        const bool failed = port_.error() != QSerialPort::NoError && port_.error() != QSerialPort::TimeoutError;
        port_.clearError();
        return {0, failed};
    }
    const qint64 count = port_.read(reinterpret_cast<char*>(into.data()), static_cast<qint64>(into.size()));
    if (count < 0) return {0, true};
    return {static_cast<std::size_t>(count), false};
}

void QtSerialPort::discardInput() { port_.clear(QSerialPort::Input); }

void QtSerialPort::discardOutput() { port_.clear(QSerialPort::Output); }

}  // namespace tessel::link
