#pragma once
// One worker thread per exchange. It makes the port itself (so the port lives
// on the thread that uses it), opens it, and then only moves bytes between the
// port and the engine, carries out the engine's actions and wakes it on time.
// The port, the engine and the response timer belong to that thread alone;
// other threads watch progress through the observer and may cancel. Every end
// closes the port before the thread ends, and the owner joins it.
#include <atomic>
#include <thread>

#include "link/data_file.h"
#include "link/failure_advice.h"
#include "link/ir_cradle.h"
#include "link/terminal_port.h"
#include "link/transfer_engine.h"

namespace tessel::link {

// Called on the worker thread; a window forwards these to its own thread.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // The port is being opened, or the cradle set up, before the exchange.
    virtual void settingUp(OpeningStep /*step*/) {}
    // The exchange with the terminal has begun.
    virtual void exchanging() {}
    virtual void progress(int /*position*/) {}
    virtual void received(int /*count*/) {}
    // The last frame went out again `times` times since the terminal last
    // answered it (0 once it answers).
    virtual void askedAgain(int /*times*/) {}
};

struct TransferJob {
    PortList ports;
    int portIndex = -1;
    int linkKind = 2;
    int baudIndex = 0;
    AnswerHandler* handler = nullptr;
    RecordSink* records = nullptr;  // receive only
};

struct TransferOutcome {
    int result = kCancelled;  // 1 completed, 0 cancelled, else the message id
    std::string detail;       // more about a failure, when known
    Advice advice;            // what it means and what to check, for the user
};

class TransferWorker {
public:
    // `clock` and `timing` are used by the worker thread alone while an
    // exchange runs.
    TransferWorker(PortMaker makePort, LinkClock& clock, CradleTiming& timing);
    ~TransferWorker();
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    // Starts the exchange; the job's handler, records and the observer must
    // outlive it.
    void start(TransferJob job, TransferObserver& observer);
    // Ends the exchange as soon as the worker sees it; safe from any thread.
    void cancel() { cancelled_ = true; }
    bool finished() const { return finished_; }
    // Joins the worker: the port is closed when this returns.
    TransferOutcome wait();

private:
    TransferOutcome run(const TransferJob& job, TransferObserver& observer);
    TransferOutcome exchange(SerialPort& port, const TransferJob& job, TransferObserver& observer);
    void carryOut(TransferEngine& engine, SerialPort& port, const TransferJob& job, TransferObserver& observer);
    Advice noAnswerAdvice(const TransferJob& job, int resends) const;

    PortMaker makePort_;
    LinkClock& clock_;
    CradleTiming& timing_;
    std::thread thread_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    TransferOutcome outcome_;    // written by the worker, read after the join
    std::string failureDetail_;  // why the data file took no record, on the worker
    ByteString lastSent_;        // the frame the terminal was last asked to answer, on the worker
};

}  // namespace tessel::link
