#include "link/peer_line.h"

#include <algorithm>

namespace tessel::link {

PeerLine::PeerLine(TerminalPeer& peer, FaultSpec faults, std::uint32_t seed) : peer_(peer), faults_(faults, seed) {}

void PeerLine::fromPc(std::span<const Byte> bytes, TimePoint now) {
    const ByteString arrived = faults_.damage(bytes);
    peer_.receive(arrived, now);
    collectAnswers(now);
}

ByteString PeerLine::toPc(TimePoint now) {
    peer_.tick(now);
    collectAnswers(now);
    ByteString arrived;
    while (!pending_.empty() && pending_.front().at <= now) {
        arrived.insert(arrived.end(), pending_.front().bytes.begin(), pending_.front().bytes.end());
        pending_.pop_front();
    }
    return arrived;
}

std::optional<TimePoint> PeerLine::deadline() const {
    std::optional<TimePoint> next = peer_.deadline();
    if (!pending_.empty() && (!next || pending_.front().at < *next)) next = pending_.front().at;
    return next;
}

void PeerLine::collectAnswers(TimePoint now) {
    ByteString answer = peer_.takeOutput();
    if (answer.empty() || faults_.silenced()) return;
    // Bytes keep their order: a held-back answer holds back what follows it.
    TimePoint at = now + faults_.holdBack();
    if (!pending_.empty()) at = std::max(at, pending_.back().at);
    pending_.push_back({at, faults_.damageAnswer(answer)});
}

}  // namespace tessel::link
