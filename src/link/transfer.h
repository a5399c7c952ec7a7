#pragma once
// What the transfer engine and its answer handlers share: the modes, the
// message ids that end an exchange, the actions the engine asks its driver to
// carry out, and the handler interface.
#include <chrono>
#include <span>
#include <string_view>

#include "link/wire.h"

namespace tessel::link {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;
using Milliseconds = std::chrono::milliseconds;

enum class TransferMode { Application = 0, Lookup = 1, Receive = 11 };

// Results of an exchange: 1 completed, 0 cancelled, else the string id of the
// message that explains the failure.
inline constexpr int kCompleted = 1;
inline constexpr int kCancelled = 0;
namespace message {
inline constexpr int kTimeOut = 1144;
inline constexpr int kMemoryFull = 1146;
inline constexpr int kIncompatibleVersion = 1148;
inline constexpr int kCannotOpenFile = 1161;
inline constexpr int kCannotOpenPort = 1162;
inline constexpr int kCannotConfigureCradle = 1163;
inline constexpr int kFailedToOpenPort = 1164;
inline constexpr int kNoConnection = 1165;
inline constexpr int kDownloadError = 1168;
inline constexpr int kFileCreateFailed = 1170;
inline constexpr int kUploadError = 1173;
inline constexpr int kNoPort = 1174;
}  // namespace message

// The response time-out of every frame and the resends allowed without
// progress: one frame goes out at most 11 times.
inline constexpr Milliseconds kResponseTimeout{1000};
inline constexpr int kMaxRetries = 10;

// One thing the driver of the engine carries out, in the order given.
struct Action {
    enum class Kind {
        Send,         // write `bytes` to the port
        WriteRecord,  // append `bytes` and CR LF to the data file, on disk before what follows
        Progress,     // the bar position `value`, 0..100
        Received,     // `value` records received so far
        Done,         // the exchange completed
        Abort,        // the exchange failed with message `value`
    };
    Kind kind;
    ByteString bytes{};
    int value = 0;

    bool operator==(const Action&) const = default;
};

// What an answer handler may do to the exchange.
class Exchange {
public:
    virtual ~Exchange() = default;
    // Sends a frame, keeps it for resending and arms the response timer.
    virtual void send(ByteString frame) = 0;
    // The retry rule: 1144 "Time out!" once 10 resends followed the last
    // progress, else the last frame goes again and 1.
    virtual int resend() = 0;
    // Sends `frame` as a resend under the same rule: 1144 once 10 resends
    // followed the last progress, else 1.
    virtual int sendAsRetry(ByteString frame) = 0;
    virtual void resetRetries() = 0;
    // Whether the line being handled answers the latest frame sent. Each
    // frame asks for one answer line; a second line for the same frame (a
    // garbled answer cut in two by a stray CR, or a copy of an answer) is to
    // be dropped: answering it too would leave the terminal with an extra
    // answer, and as acknowledgements carry no number it would take that for
    // the acknowledgement of its next record.
    virtual bool answersLatestFrame() = 0;
    // Frames sent so far, resends included.
    virtual int framesSent() const = 0;
    virtual const ByteString& lastFrame() const = 0;
    virtual void progress(int position) = 0;
    virtual void received(int count) = 0;
    virtual void writeRecord(ByteString data) = 0;
    virtual void done() = 0;
};

// The meaning of the terminal's answer lines in one transfer mode.
class AnswerHandler {
public:
    virtual ~AnswerHandler() = default;
    virtual TransferMode mode() const = 0;
    // 1 to go on, otherwise the message id that ends the exchange.
    virtual int handleLine(std::span<const Byte> line, Exchange& exchange) = 0;
    // What the response timer sends when the terminal stays silent.
    virtual ByteString frameAfterSilence(const ByteString& lastFrame) const { return lastFrame; }

    std::string_view openingKeyword() const { return mode() == TransferMode::Receive ? kOpenReceive : kOpenDownload; }
    int sendFailureMessage() const {
        return mode() == TransferMode::Receive ? message::kUploadError : message::kDownloadError;
    }
};

}  // namespace tessel::link
