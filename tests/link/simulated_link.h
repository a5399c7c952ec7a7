#pragma once
// A whole link in one process: the worker's port is a fake port wired to a
// simulated terminal (and cradle), all on a manual clock, so exchanges of many
// simulated seconds run in microseconds.
#include <gtest/gtest.h>

#include <memory>

#include "link/fake_port.h"
#include "link/transfer_worker.h"

namespace tessel::test {

// Lets the worker own "its" port while the test keeps the fake one to
// inspect afterwards.
class ForwardingPort final : public link::SerialPort {
public:
    explicit ForwardingPort(link::SerialPort& target) : target_(target) {}
    link::OpenResult open(const link::PortEntry& port) override { return target_.open(port); }
    void close() override { target_.close(); }
    bool isOpen() const override { return target_.isOpen(); }
    bool setRate(int rate) override { return target_.setRate(rate); }
    bool setRts(bool on) override { return target_.setRts(on); }
    bool setDtr(bool on) override { return target_.setDtr(on); }
    bool write(std::span<const Byte> bytes, link::Milliseconds limit) override { return target_.write(bytes, limit); }
    link::ReadResult read(std::span<Byte> into, link::Milliseconds wait) override { return target_.read(into, wait); }
    void discardInput() override { target_.discardInput(); }
    void discardOutput() override { target_.discardOutput(); }

private:
    link::SerialPort& target_;
};

struct CountingObserver : link::TransferObserver {
    std::vector<int> positions;
    std::vector<int> counts;
    std::function<void(int)> onReceived;
    std::vector<link::OpeningStep> steps;
    std::vector<int> resends;
    std::function<void(link::OpeningStep)> onStep;
    void settingUp(link::OpeningStep step) override {
        steps.push_back(step);
        if (onStep) onStep(step);
    }
    void progress(int position) override { positions.push_back(position); }
    void askedAgain(int times) override { resends.push_back(times); }
    void received(int count) override {
        counts.push_back(count);
        if (onReceived) onReceived(count);
    }
};

struct SimulatedLink {
    explicit SimulatedLink(link::PeerSettings settings, link::FaultSpec faults = {}, std::uint32_t seed = 1,
                           std::optional<int> cradleRate = std::nullopt)
        : peer(std::move(settings)), line(peer, faults, seed) {
        if (cradleRate) cradle = std::make_unique<link::SimulatedCradle>(*cradleRate);
        port = std::make_unique<link::FakePort>(clock, &line, cradle.get());
    }

    link::PortMaker portMaker() {
        return [this] { return std::make_unique<ForwardingPort>(*port); };
    }

    // Runs one exchange to its end on the worker thread.
    link::TransferOutcome run(link::AnswerHandler& handler, link::RecordSink* records = nullptr, int linkKind = 2,
                              int baudIndex = 0) {
        link::TransferWorker worker(portMaker(), clock, timing);
        link::TransferJob job{ports, 0, linkKind, baudIndex, &handler, records};
        worker.start(job, observer);
        return worker.wait();
    }

    // Lets the terminal finish what it does after a quiet while.
    void settle() {
        clock.sleepFor(link::Milliseconds{5000});
        line.toPc(clock.now());
    }

    link::ManualClock clock;
    link::CradleTiming timing;
    link::TerminalPeer peer;
    link::PeerLine line;
    std::unique_ptr<link::SimulatedCradle> cradle;
    std::unique_ptr<link::FakePort> port;
    link::PortList ports{{"/dev/ttyS0", "ttyS0"}};
    CountingObserver observer;
};

// Keeps received records in memory, or refuses them.
struct MemoryRecords : link::RecordSink {
    std::vector<link::ByteString> lines;
    bool refuse = false;
    bool append(std::span<const Byte> record) override {
        if (refuse) return false;
        lines.emplace_back(record.begin(), record.end());
        return true;
    }
    std::string failure() const override { return refuse ? "disk full" : ""; }
};

// Equal record lists, or where they first differ (instead of both lists).
inline ::testing::AssertionResult sameRecords(const std::vector<link::ByteString>& actual,
                                              const std::vector<link::ByteString>& expected) {
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure() << "record " << i << " is \"" << link::textOf(actual[i])
                                                 << "\", expected \"" << link::textOf(expected[i]) << "\"";
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " records, expected " << expected.size();
    return ::testing::AssertionSuccess();
}

}  // namespace tessel::test
