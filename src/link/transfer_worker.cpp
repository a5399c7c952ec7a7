#include "link/transfer_worker.h"

#include <array>
#include <system_error>
#include <utility>

namespace tessel::link {
namespace {

using namespace std::chrono_literals;

// How long a wait for bytes may last before the worker looks at cancel again.
constexpr Milliseconds kCancelCheck{50};

}  // namespace

TransferWorker::TransferWorker(PortMaker makePort, LinkClock& clock, CradleTiming& timing)
    : makePort_(std::move(makePort)), clock_(clock), timing_(timing) {}

TransferWorker::~TransferWorker() {
    cancel();
    if (thread_.joinable()) thread_.join();
}

void TransferWorker::start(TransferJob job, TransferObserver& observer) {
    if (thread_.joinable()) thread_.join();
    cancelled_ = false;
    finished_ = false;
    try {
        thread_ = std::thread([this, job = std::move(job), &observer] {
            outcome_ = run(job, observer);
            finished_ = true;
        });
    } catch (const std::system_error& error) {
        outcome_ = {message::kNoConnection, error.what(), {}};
        finished_ = true;
    }
}

TransferOutcome TransferWorker::wait() {
    if (thread_.joinable()) thread_.join();
    return outcome_;
}

// Whatever goes wrong on the worker (the port, the observer, the handler)
// ends the exchange with a message instead of the program, and the port is
// closed all the same.
TransferOutcome TransferWorker::run(const TransferJob& job, TransferObserver& observer) {
    std::unique_ptr<SerialPort> port;
    const auto failed = [&port](std::string detail) {
        if (port) port->close();
        return TransferOutcome{message::kNoConnection, std::move(detail), {}};
    };
    try {
        port = makePort_();
        if (!port) return failed("no port could be made");
        TransferOutcome outcome = exchange(*port, job, observer);
        port->close();
        return outcome;
    } catch (const std::exception& error) {
        return failed(error.what());
    } catch (...) {
        return failed("unexpected failure");
    }
}

TransferOutcome TransferWorker::exchange(SerialPort& port, const TransferJob& job, TransferObserver& observer) {
    // Cancel ends the cradle set-up's pauses and probes at once.
    CancellableClock setUpClock(clock_, cancelled_);
    const PortOpening opening =
        openTerminalPort(port, job.ports, job.portIndex, job.linkKind, job.baudIndex, setUpClock, timing_,
                         [&observer](OpeningStep step) { observer.settingUp(step); });
    if (cancelled_) return {kCancelled, {}, {}};
    if (opening.result != kCompleted) return {opening.result, {}, opening.advice};
    observer.exchanging();

    port.discardInput();
    TransferEngine engine(*job.handler);
    engine.start(clock_.now());
    std::array<Byte, kMaxLineLength> buffer{};
    int retriesShown = 0;
    for (;;) {
        carryOut(engine, port, job, observer);
        if (engine.retries() != retriesShown) {
            retriesShown = engine.retries();
            observer.askedAgain(retriesShown);
        }
        if (engine.state() == TransferEngine::State::Finished) break;
        if (cancelled_) {
            engine.cancel();
            break;
        }
        Milliseconds wait = kCancelCheck;
        if (const auto deadline = engine.deadline()) {
            const auto left = std::chrono::duration_cast<Milliseconds>(*deadline - clock_.now());
            wait = std::clamp(left, Milliseconds{0}, kCancelCheck);
        }
        const ReadResult read = port.read(buffer, wait);
        // A read error is not the end: the next send tells whether the port
        // is still there.
        if (read.failed) clock_.sleepFor(wait);
        if (read.count > 0) engine.receive(std::span(buffer).first(read.count), clock_.now());
        engine.tick(clock_.now());
    }
    TransferOutcome outcome{engine.result(), std::exchange(failureDetail_, {}), {}};
    if (outcome.result == message::kTimeOut) outcome.advice = noAnswerAdvice(job, engine.retries());
    return outcome;
}

Advice TransferWorker::noAnswerAdvice(const TransferJob& job, int resends) const {
    const PortEntry& entry = job.ports[static_cast<std::size_t>(job.portIndex)];
    return link::noAnswerAdvice(job.handler->mode(), lastSent_, entry, rateOfBaudIndex(job.baudIndex).value_or(0),
                                resends, job.linkKind == kLinkKindCradle);
}

void TransferWorker::carryOut(TransferEngine& engine, SerialPort& port, const TransferJob& job,
                              TransferObserver& observer) {
    for (auto actions = engine.takeActions(); !actions.empty(); actions = engine.takeActions()) {
        for (const Action& action : actions) {
            bool failed = false;
            switch (action.kind) {
                case Action::Kind::Send:
                    port.discardOutput();
                    lastSent_ = action.bytes;
                    if (!port.write(action.bytes, kResponseTimeout)) {
                        engine.sendFailed();
                        failed = true;
                    }
                    break;
                case Action::Kind::WriteRecord:
                    if (!job.records || !job.records->append(action.bytes)) {
                        if (job.records) failureDetail_ = job.records->failure();
                        engine.recordWriteFailed();
                        failed = true;
                    }
                    break;
                case Action::Kind::Progress: observer.progress(action.value); break;
                case Action::Kind::Received: observer.received(action.value); break;
                case Action::Kind::Done:
                case Action::Kind::Abort: break;
            }
            if (failed) break;
        }
    }
}

}  // namespace tessel::link
