#include "link/receive_data.h"

#include <algorithm>

namespace tessel::link {
namespace {

constexpr Byte kLastSequence = 9;

// A record begins with its sequence value, 0..9, which no keyword does, and
// holds at least its checksum and CR. Its data and checksum may spell a
// keyword at its end ("...NAK\r"), so such a line is a record, never a keyword.
bool isRecordLine(std::span<const Byte> line) { return line.size() >= 4 && line.front() <= kLastSequence; }

}  // namespace

int ReceiveData::handleLine(std::span<const Byte> line, Exchange& exchange) {
    if (isRecordLine(line)) return handleRecordLine(line, exchange);
    if (containsKeyword(line, kOver)) {
        exchange.done();
        return kCompleted;
    }
    // "NAK\r" answers the latest frame like a record would, so the line that
    // follows the resend is the answer to the resend.
    if (containsKeyword(line, kNak)) return exchange.answersLatestFrame() ? exchange.resend() : kCompleted;
    // "ACK\r" asks for nothing. Any other line is a piece of a line that a
    // byte turned into CR cut in two: answering each piece would have the
    // terminal answer twice, so the response timer asks again instead.
    return kCompleted;
}

int ReceiveData::handleRecordLine(std::span<const Byte> line, Exchange& exchange) {
    // A new record is always taken: the terminal sends it only once it has
    // the acknowledgement of the one before.
    if (isNewRecord(line)) return accept(line, exchange);
    if (isPreviousRecord(line)) {
        if (staleCopies_ > 0) {
            --staleCopies_;
            return kCompleted;
        }
        if (!exchange.answersLatestFrame()) return kCompleted;
        // The terminal missed the "ACK\r" and sent the accepted record again.
        acknowledge(exchange);
        return kCompleted;
    }
    if (!exchange.answersLatestFrame()) return kCompleted;
    return exchange.sendAsRetry(bytesOf(kNak));
}

int ReceiveData::accept(std::span<const Byte> line, Exchange& exchange) {
    exchange.answersLatestFrame();
    const auto body = line.first(line.size() - 1);
    previousRecord_ = ByteString(body.begin(), body.end());
    exchange.writeRecord(ByteString(line.begin() + 1, line.end() - 3));
    ++recordsReceived_;
    sequence_ = static_cast<Byte>((sequence_ + 1) % 10);
    exchange.resetRetries();
    exchange.received(recordsReceived_);
    acknowledge(exchange);
    return kCompleted;
}

void ReceiveData::acknowledge(Exchange& exchange) {
    // The terminal answers every frame sent since the last "ACK\r" (that one
    // included) with the record this line brought; one of them is this line.
    // The others are copies on their way, and none of them may be
    // acknowledged again. When some of those frames were lost, fewer copies
    // come: the response timer then asks again, a second later, which costs
    // time but no record.
    staleCopies_ = std::max(0, exchange.framesSent() - framesBeforeAck_ - 1);
    framesBeforeAck_ = exchange.framesSent();
    exchange.send(bytesOf(kAck));
}

bool ReceiveData::isNewRecord(std::span<const Byte> line) const {
    return line[0] == sequence_ && uploadChecksumMatches(line);
}

bool ReceiveData::isPreviousRecord(std::span<const Byte> line) const {
    const auto body = line.first(line.size() - 1);
    return previousRecord_ && std::equal(body.begin(), body.end(), previousRecord_->begin(), previousRecord_->end());
}

// After silence the PC cannot tell whether its "ACK\r" was lost or the next
// record was: "NAK\r" has the terminal send its current record again, which is
// acknowledged once more if it was the accepted one, while a repeated "ACK\r"
// would have the terminal drop a record the PC never saw.
ByteString ReceiveData::frameAfterSilence(const ByteString& lastFrame) const {
    return lastFrame == bytesOf(kAck) ? bytesOf(kNak) : lastFrame;
}

}  // namespace tessel::link
