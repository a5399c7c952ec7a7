#pragma once
// The exchange with the terminal as a state machine without I/O. Its driver
// feeds it the bytes that arrive, tells it the time, and carries out the
// actions it asks for; the engine says when it next needs to be woken.
#include <optional>
#include <vector>

#include "link/line_assembler.h"
#include "link/transfer.h"

namespace tessel::link {

class TransferEngine final : private Exchange {
public:
    enum class State { Ready, Running, Finished };

    explicit TransferEngine(AnswerHandler& handler);

    // Sends the opening keyword.
    void start(TimePoint now);
    // Bytes from the port, in a chunk of any size.
    void receive(std::span<const Byte> bytes, TimePoint now);
    // Acts on the response deadline if `now` has reached it.
    void tick(TimePoint now);
    // The user closed the exchange.
    void cancel();
    // The driver could not carry out a Send or a WriteRecord (the exchange
    // ends with 1173 "Error on uploading!" then); the actions still pending
    // are dropped.
    void sendFailed();
    void recordWriteFailed();

    // When tick() has something to do; nothing while no timer is armed.
    std::optional<TimePoint> deadline() const { return deadline_; }
    std::vector<Action> takeActions();

    State state() const { return state_; }
    // 1 completed, 0 cancelled, else a message id; meaningful once finished.
    int result() const { return result_; }
    int retries() const { return retries_; }

private:
    void send(ByteString frame) override;
    int resend() override { return sendAsRetry(lastFrame_); }
    int sendAsRetry(ByteString frame) override;
    void resetRetries() override { retries_ = 0; }
    bool answersLatestFrame() override;
    int framesSent() const override { return framesSent_; }
    const ByteString& lastFrame() const override { return lastFrame_; }
    void progress(int position) override;
    void received(int count) override;
    void writeRecord(ByteString data) override;
    void done() override;

    void finish(int result);
    void failAction(int result);

    AnswerHandler& handler_;
    LineAssembler lines_;
    State state_ = State::Ready;
    int result_ = kCancelled;
    int retries_ = 0;
    TimePoint now_{};
    std::optional<TimePoint> deadline_;
    ByteString lastFrame_;
    std::vector<Action> actions_;
    // Frames the terminal has not answered yet: those sent before the chunk
    // being handled, and those sent in reply to it, which no line of the same
    // chunk can answer.
    int unanswered_ = 0;
    int framesSent_ = 0;
    int sentDuringChunk_ = 0;
    bool handlingChunk_ = false;
};

}  // namespace tessel::link
