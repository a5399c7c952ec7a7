#include "link/receive_data.h"

#include <algorithm>

namespace tessel::link {
namespace {

constexpr Byte kLastSequence = 9;

// A record begins with its sequence value, 0..9, which no keyword does. Its
// data and checksum may spell a keyword at its end ("...NAK\r"), so such a
// line is a record, never a keyword.
bool startsWithSequence(std::span<const Byte> line) { return !line.empty() && line.front() <= kLastSequence; }

}  // namespace

int ReceiveData::handleLine(std::span<const Byte> line, Exchange& exchange) {
    if (!startsWithSequence(line)) {
        if (containsKeyword(line, kAck)) return kCompleted;
        if (containsKeyword(line, kNak)) return exchange.resend();
        if (containsKeyword(line, kOver)) {
            exchange.done();
            return kCompleted;
        }
    }
    if (!exchange.answersLatestFrame()) return kCompleted;
    const auto body = line.first(line.size() - 1);
    if (previousRecord_ && std::equal(body.begin(), body.end(), previousRecord_->begin(), previousRecord_->end())) {
        // The terminal missed the "ACK\r" and sent the accepted record again.
        exchange.send(bytesOf(kAck));
        return kCompleted;
    }
    if (!isValidRecord(line)) return exchange.sendAsRetry(bytesOf(kNak));

    previousRecord_ = ByteString(body.begin(), body.end());
    exchange.writeRecord(ByteString(line.begin() + 1, line.end() - 3));
    ++recordsReceived_;
    sequence_ = static_cast<Byte>((sequence_ + 1) % 10);
    exchange.resetRetries();
    exchange.received(recordsReceived_);
    exchange.send(bytesOf(kAck));
    return kCompleted;
}

// A line shorter than 4 bytes holds no record (a lone CR from a noisy line
// must not pass for the accepted record sent again).
bool ReceiveData::isValidRecord(std::span<const Byte> line) const {
    return line.size() >= 4 && line[0] == sequence_ && uploadChecksumMatches(line);
}

// After silence the PC cannot tell whether its "ACK\r" was lost or the next
// record was: "NAK\r" has the terminal send its current record again, which is
// acknowledged once more if it was the accepted one, while a repeated "ACK\r"
// would have the terminal drop a record the PC never saw.
ByteString ReceiveData::frameAfterSilence(const ByteString& lastFrame) const {
    return lastFrame == bytesOf(kAck) ? bytesOf(kNak) : lastFrame;
}

}  // namespace tessel::link
