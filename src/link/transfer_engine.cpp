#include "link/transfer_engine.h"

#include <utility>

namespace tessel::link {

TransferEngine::TransferEngine(AnswerHandler& handler)
    : handler_(handler), lines_(handler.mode() == TransferMode::Receive) {}

void TransferEngine::start(TimePoint now) {
    if (state_ != State::Ready) return;
    state_ = State::Running;
    now_ = now;
    if (handler_.mode() == TransferMode::Receive) received(0);
    send(bytesOf(handler_.openingKeyword()));
}

void TransferEngine::receive(std::span<const Byte> bytes, TimePoint now) {
    if (state_ != State::Running) return;
    now_ = now;
    handlingChunk_ = true;
    const int result = lines_.feed(bytes, [this](std::span<const Byte> line) {
        const int handled = handler_.handleLine(line, *this);
        // A handler that completed the exchange returns 1, yet the bytes after
        // its line belong to no exchange any more.
        constexpr int kStop = -1;
        return state_ == State::Running ? handled : kStop;
    });
    handlingChunk_ = false;
    unanswered_ += std::exchange(sentDuringChunk_, 0);
    if (result != kCompleted && state_ == State::Running) finish(result);
}

void TransferEngine::tick(TimePoint now) {
    if (state_ != State::Running) return;
    now_ = now;
    if (!deadline_ || now < *deadline_) return;
    deadline_.reset();
    const int result = sendAsRetry(handler_.frameAfterSilence(lastFrame_));
    if (result != kCompleted) finish(result);
    // A second without an answer: what was sent before is taken as lost.
    unanswered_ = 1;
}

void TransferEngine::cancel() {
    if (state_ == State::Finished) return;
    state_ = State::Finished;
    result_ = kCancelled;
    deadline_.reset();
    actions_.clear();
}

void TransferEngine::sendFailed() { failAction(handler_.sendFailureMessage()); }

// The data file was open: the exchange failed while receiving, not at
// creating the file.
void TransferEngine::recordWriteFailed() { failAction(message::kUploadError); }

void TransferEngine::failAction(int result) {
    if (state_ == State::Finished && result_ == kCancelled) return;
    // The failure outranks whatever the exchange had already decided: a
    // "done" whose last send failed is no success.
    actions_.clear();
    state_ = State::Running;
    finish(result);
}

std::vector<Action> TransferEngine::takeActions() { return std::exchange(actions_, {}); }

bool TransferEngine::answersLatestFrame() {
    if (unanswered_ == 0) return false;
    return --unanswered_ == 0;
}

void TransferEngine::send(ByteString frame) {
    ++(handlingChunk_ ? sentDuringChunk_ : unanswered_);
    ++framesSent_;
    lastFrame_ = frame;
    actions_.push_back({Action::Kind::Send, std::move(frame)});
    deadline_ = now_ + kResponseTimeout;
}

int TransferEngine::sendAsRetry(ByteString frame) {
    if (retries_ >= kMaxRetries) return message::kTimeOut;
    send(std::move(frame));
    ++retries_;
    return kCompleted;
}

void TransferEngine::progress(int position) { actions_.push_back({Action::Kind::Progress, {}, position}); }

void TransferEngine::received(int count) { actions_.push_back({Action::Kind::Received, {}, count}); }

void TransferEngine::writeRecord(ByteString data) { actions_.push_back({Action::Kind::WriteRecord, std::move(data)}); }

void TransferEngine::done() {
    if (state_ != State::Running) return;
    state_ = State::Finished;
    result_ = kCompleted;
    deadline_.reset();
    actions_.push_back({Action::Kind::Done});
}

void TransferEngine::finish(int result) {
    if (state_ != State::Running) return;
    state_ = State::Finished;
    result_ = result;
    deadline_.reset();
    actions_.push_back({Action::Kind::Abort, {}, result});
}

}  // namespace tessel::link
