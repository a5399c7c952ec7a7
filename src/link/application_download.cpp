#include "link/application_download.h"

#include <algorithm>

#include "core/model_family.h"

namespace tessel::link {
namespace {

// What the terminal answers in this mode: a keyword, its identification, or
// another 10-byte line. Anything else is a piece of an answer that a byte
// turned into CR cut in two; answering each piece would send two frames for
// one answer, so the response timer sends the frame again instead.
bool isAnswer(std::span<const Byte> line) {
    return containsKeyword(line, kAck) || containsKeyword(line, kNak) || containsKeyword(line, kFull) ||
           isIdentification(line) || lengthUntilZero(line) == kIdentificationLineLength;
}

}  // namespace

std::string familyMismatchWarning(std::string_view identification, int projectFamily) {
    if (identification.size() < 4) return {};
    const bool terminalIs4760 = identification.starts_with("4760");
    if (terminalIs4760 == is4760(projectFamily)) return {};
    return "Warning: the terminal identified itself as " + std::string(identification) + " (the " +
           (terminalIs4760 ? "4760" : "4130") + " family), but the project is for the " +
           (is4760(projectFamily) ? "4760" : "4130") + " family.";
}

ApplicationDownload::ApplicationDownload(Definition& definition, const DefaultTexts& defaults) {
    prepareForDownload(definition);
    image_ = std::make_unique<ApplicationImage>(buildImage(definition, defaults));
}

int ApplicationDownload::handleLine(std::span<const Byte> line, Exchange& exchange) {
    if (!isAnswer(line) || !exchange.answersLatestFrame()) return kCompleted;
    // An "ACK\r" before any identification acknowledges no frame: it is an
    // unexpected answer like any other.
    if (identified_ && containsKeyword(line, kAck)) {
        if (sequence_ >= kFrameCount) {
            exchange.progress(100);
            exchange.done();
            return kCompleted;
        }
        sendNextFrame(exchange);
        return kCompleted;
    }
    if (isIdentification(line)) {
        identified_ = true;
        identification_ = std::string(textOf(line.first(kIdentificationLineLength - 1)));
        exchange.progress(0);
        sequence_ = 0;
        progress_ = 0;
        sendNextFrame(exchange);
        return kCompleted;
    }
    if (containsKeyword(line, kFull)) return message::kMemoryFull;
    // Once the terminal has identified itself, a 10-byte line during the
    // frames is a damaged answer (pieces of answers joined by lost CRs), not
    // another version: the frame goes again.
    if (!identified_ && lengthUntilZero(line) == kIdentificationLineLength) {
        exchange.send(bytesOf(kNak));
        return message::kIncompatibleVersion;
    }
    return exchange.resend();
}

void ApplicationDownload::sendNextFrame(Exchange& exchange) {
    exchange.resetRetries();
    const ApplicationFrame frame = applicationFrame(*image_, sequence_);
    ++sequence_;
    exchange.send(ByteString(frame.begin(), frame.end()));
    progress_ += static_cast<int>(sequence_ % 2);
    exchange.progress(progress_);
}

}  // namespace tessel::link
