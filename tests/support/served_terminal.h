#pragma once
// A simulated terminal served on a real pseudo-terminal, on its own thread,
// for tests that transfer through the real port class.
#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "link/platform/pseudo_terminal.h"
#include "link/platform/qt_serial_port.h"
#include "link/terminal_peer.h"
#include "link/transfer_worker.h"

namespace tessel::test {

using link::AnswerHandler;
using link::CradleTiming;
using link::makeQtSerialPort;
using link::PeerLine;
using link::PeerSettings;
using link::PseudoTerminalServer;
using link::RecordSink;
using link::SteadyLinkClock;
using link::TerminalPeer;
using link::TransferOutcome;
using link::TransferWorker;

// A simulated terminal served on its own thread for the life of the fixture.
class ServedTerminal {
public:
    // `bitsPerSecond` paces the line as a real one (0: bytes cross at once).
    explicit ServedTerminal(PeerSettings settings, int bitsPerSecond = 0) : peer_(std::move(settings)), line_(peer_) {
        std::string error;
        server_ = PseudoTerminalServer::open(error);
        if (!server_) throw std::runtime_error(error);
        thread_ = std::thread([this, bitsPerSecond] { server_->serve(line_, stop_, {}, bitsPerSecond); });
    }
    ~ServedTerminal() { stopServing(); }

    TransferOutcome run(AnswerHandler& handler, RecordSink* records = nullptr,
                        link::TransferObserver* observer = nullptr) {
        SteadyLinkClock clock;
        CradleTiming timing;
        TransferWorker worker(makeQtSerialPort, clock, timing);
        link::TransferObserver quiet;
        worker.start({{{server_->devicePath(), server_->devicePath()}}, 0, 2, 0, &handler, records},
                     observer ? *observer : quiet);
        return worker.wait();
    }
    // The terminal's state may be read once serving has stopped.
    TerminalPeer& stopServing() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return peer_;
    }
    const std::string& devicePath() const { return server_->devicePath(); }

private:
    TerminalPeer peer_;
    PeerLine line_;
    std::unique_ptr<PseudoTerminalServer> server_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace tessel::test
