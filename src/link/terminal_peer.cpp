#include "link/terminal_peer.h"

#include <algorithm>

#include "link/wire.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;

// A frame whose bytes stop coming for this long is dropped: the PC sends it
// again after its second of silence.
constexpr Milliseconds kFrameGap{250};
// Application and lookup downloads open with the same keyword. A PC that got
// the wrong answer sends the keyword again at once, while after a lost answer
// it waits a second: a quick repeat asks for the other answer.
constexpr Milliseconds kQuickRepeat{500};
// The PC does not wait for an answer to "OVER\r", so when it is lost the
// records are taken once the line has stayed quiet this long.
constexpr Milliseconds kLookupQuiet{2000};

bool startsWith(const ByteString& bytes, std::string_view text) {
    return bytes.size() >= text.size() && std::equal(text.begin(), text.end(), bytes.begin());
}

bool isExactly(std::span<const Byte> line, std::string_view keyword) { return textOf(line) == keyword; }

// The characters of a lookup record frame whose checksum holds.
std::optional<ByteString> lookupCharacters(std::span<const Byte> line) {
    if (line.size() < 4) return std::nullopt;
    const auto characters = line.first(line.size() - 3);
    const std::uint16_t sum = sum16(characters);
    if (line[line.size() - 3] != lineSafe(static_cast<Byte>(sum >> 8)) ||
        line[line.size() - 2] != lineSafe(static_cast<Byte>(sum & 0xFF)))
        return std::nullopt;
    return ByteString(characters.begin(), characters.end());
}

}  // namespace

TerminalPeer::TerminalPeer(PeerSettings settings) : settings_(std::move(settings)) {}

void TerminalPeer::receive(std::span<const Byte> bytes, TimePoint now) {
    tick(now);
    now_ = now;
    lastInput_ = now;
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    handleBufferedInput();
}

void TerminalPeer::tick(TimePoint now) {
    now_ = now;
    if (state_ == State::Image && !input_.empty() && now - lastInput_ >= kFrameGap) input_.clear();
    if (state_ == State::Lookup && !incomingRecords_.empty() && now - lastInput_ >= kLookupQuiet) finishLookup();
}

std::optional<TimePoint> TerminalPeer::deadline() const {
    if (state_ == State::Image && !input_.empty()) return lastInput_ + kFrameGap;
    if (state_ == State::Lookup && !incomingRecords_.empty()) return lastInput_ + kLookupQuiet;
    return std::nullopt;
}

void TerminalPeer::handleBufferedInput() {
    while (!input_.empty()) {
        if (state_ == State::Image) {
            if (takeKeywordAtStart()) continue;
            if (input_.size() < kFrameSize) return;
            handleImageFrame();
            continue;
        }
        const auto cr = std::find(input_.begin(), input_.end(), kCr);
        if (cr == input_.end()) return;
        const ByteString line(input_.begin(), cr + 1);
        input_.erase(input_.begin(), cr + 1);
        handleLine(line);
    }
}

// Frames carry no terminator, so a keyword is recognised only where a frame
// would begin.
bool TerminalPeer::takeKeywordAtStart() {
    for (const auto keyword : {kOpenDownload, kOpenReceive}) {
        if (!startsWith(input_, keyword)) continue;
        input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(keyword.size()));
        handleLine(bytesOf(keyword));
        return true;
    }
    return false;
}

void TerminalPeer::handleImageFrame() {
    lastOpening_.reset();
    const std::span<const Byte> frame(input_.data(), kFrameSize);
    const std::uint16_t sum = sum16(frame.first(kFrameDataSize));
    const bool intact = frame[kFrameDataSize] == (sum >> 8) && frame[kFrameDataSize + 1] == (sum & 0xFF);
    const std::size_t number = frame[kFrameDataSize + 2];
    if (intact && number == nextFrame_ && nextFrame_ < kFrameCount) {
        std::copy(frame.begin(), frame.begin() + kFrameDataSize, incoming_->begin() + number * kFrameDataSize);
        ++nextFrame_;
        answer(kAck);
        if (nextFrame_ == kFrameCount) {
            image_ = std::make_unique<ApplicationImage>(*incoming_);
            events_.push_back(Event::ImageReceived);
        }
    } else if (intact && number + 1 == nextFrame_) {
        answer(kAck);  // its ACK was lost: the frame is kept already
    } else {
        answer(kNak);
    }
    input_.erase(input_.begin(), input_.begin() + kFrameSize);
}

void TerminalPeer::handleLine(std::span<const Byte> line) {
    const bool opening =
        isExactly(line, kOpenDownload) || (state_ != State::Lookup && containsKeyword(line, kOpenDownload));
    if (opening) {
        answerOpening(lastOpening_ && now_ - lastOpening_->second < kQuickRepeat);
        return;
    }
    lastOpening_.reset();
    if (containsKeyword(line, kOpenReceive)) {
        startUpload();
    } else if (state_ == State::Lookup) {
        handleLookupLine(line);
    } else if (state_ == State::Upload) {
        handleUploadLine(line);
    }
}

void TerminalPeer::answerOpening(bool quickRepeat) {
    const bool lastWasIdentification = lastOpening_ && lastOpening_->first == Opening::Identification;
    if (quickRepeat ? lastWasIdentification : state_ == State::Lookup) {
        openLookupDownload();
    } else {
        openApplicationDownload();
    }
}

void TerminalPeer::openLookupDownload() {
    state_ = State::Lookup;
    incomingRecords_.clear();
    answer(kAck);
    lastOpening_ = {Opening::Ack, now_};
}

void TerminalPeer::openApplicationDownload() {
    if (settings_.full) {
        state_ = State::Idle;
        answer(kFull);
        return;
    }
    state_ = State::Image;
    incoming_ = std::make_unique<ApplicationImage>();
    incoming_->fill(0);
    nextFrame_ = 0;
    output_.insert(output_.end(), settings_.identification.begin(), settings_.identification.end());
    output_.push_back(kCr);
    lastOpening_ = {Opening::Identification, now_};
}

void TerminalPeer::handleLookupLine(std::span<const Byte> line) {
    if (isExactly(line, kOver)) {
        finishLookup();
        return;
    }
    const auto characters = lookupCharacters(line);
    if (!characters) {
        answer(kNak);
        return;
    }
    const bool repeated = !incomingRecords_.empty() && incomingRecords_.back() == *characters;
    if (!(repeated && settings_.collapseRepeatedLookupRecords)) incomingRecords_.push_back(*characters);
    answer(kAck);
}

void TerminalPeer::finishLookup() {
    lookupRecords_ = std::move(incomingRecords_);
    incomingRecords_.clear();
    state_ = State::Idle;
    events_.push_back(Event::LookupReceived);
}

void TerminalPeer::startUpload() {
    state_ = State::Upload;
    if (settings_.uploadSource) {
        settings_.uploads = settings_.uploadSource();
        uploadNext_ = 0;
    }
    uploadFirst_ = uploadNext_;
    sendCurrentUpload();
}

// "ACK\r" moves on to the next record (or "OVER\r"); anything else, "NAK\r"
// or a garbled answer, has the current one sent again.
void TerminalPeer::handleUploadLine(std::span<const Byte> line) {
    if (containsKeyword(line, kAck) && uploadNext_ < settings_.uploads.size()) ++uploadNext_;
    sendCurrentUpload();
}

void TerminalPeer::sendCurrentUpload() {
    if (uploadNext_ >= settings_.uploads.size()) {
        answer(kOver);
        events_.push_back(Event::UploadFinished);
        return;
    }
    const auto sequence = static_cast<Byte>((uploadNext_ - uploadFirst_) % 10);
    const ByteString record = uploadRecord(sequence, settings_.uploads[uploadNext_]);
    output_.insert(output_.end(), record.begin(), record.end());
}

void TerminalPeer::answer(std::string_view keyword) { output_.insert(output_.end(), keyword.begin(), keyword.end()); }

}  // namespace tessel::link
