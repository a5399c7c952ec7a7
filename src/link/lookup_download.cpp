#include "link/lookup_download.h"

#include <algorithm>

namespace tessel::link {
namespace {

// What the terminal answers in this mode: "ACK\r", "NAK\r", or the 10-byte
// identification of an application download. Anything else is a piece of an
// answer that a byte turned into CR cut in two, left to the response timer:
// answering each piece would send the record twice for one answer.
bool isAnswer(std::span<const Byte> line) {
    return containsKeyword(line, kAck) || containsKeyword(line, kNak) ||
           lengthUntilZero(line) == kIdentificationLineLength;
}

}  // namespace

LookupDownload::LookupDownload(std::istream& file, std::uint64_t fileSize) : reader_(file), fileSize_(fileSize) {}

int LookupDownload::handleLine(std::span<const Byte> line, Exchange& exchange) {
    if (!isAnswer(line) || !exchange.answersLatestFrame()) return kCompleted;
    if (!containsKeyword(line, kAck)) return exchange.resend();
    if (exchange.lastFrame() == bytesOf(kOpenDownload)) exchange.progress(0);
    exchange.resetRetries();
    auto record = reader_.next();
    if (!record) {
        if (reader_.failed() || reader_.consumed() < fileSize_) return message::kDownloadError;
        exchange.send(bytesOf(kOver));
        exchange.done();
        return kCompleted;
    }
    exchange.send(std::move(*record));
    exchange.progress(barPosition());
    return kCompleted;
}

int LookupDownload::barPosition() const {
    if (fileSize_ == 0) return 100;
    // 64-bit arithmetic: files of more than 42 MB would overflow 32 bits.
    return static_cast<int>(std::min<std::uint64_t>(100, reader_.consumed() * 100 / fileSize_));
}

}  // namespace tessel::link
