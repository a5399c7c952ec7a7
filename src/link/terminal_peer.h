#pragma once
// A simulated terminal at the far end of the link. It answers every exchange
// as a terminal does: it identifies itself and takes the application image
// frame by frame, takes lookup records, and uploads its collected records.
// Like the engine it does no I/O: bytes and time go in, bytes come out.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/application_image.h"
#include "link/transfer.h"

namespace tessel::link {

struct PeerSettings {
    // Sent with CR after "KORVAN\r" in an application download; any 9
    // characters other than the five identifications make an incompatible
    // version.
    std::string identification = "4760RU004";
    bool full = false;                // answers "FULL\r": no room for an application
    std::vector<ByteString> uploads;  // the collected records, sent on "READ\r"
    // When set, asked for the collected records at each "READ\r" instead, so
    // that records collected meanwhile go too; the acknowledged count then
    // starts again with each upload.
    std::function<std::vector<ByteString>()> uploadSource;
    // On a noisy line the terminal cannot tell a lookup record sent again
    // (its "ACK\r" was lost) from a repeated line; with this set it keeps one.
    bool collapseRepeatedLookupRecords = false;
};

class TerminalPeer {
public:
    enum class Event { ImageReceived, LookupReceived, UploadFinished };

    explicit TerminalPeer(PeerSettings settings);

    void receive(std::span<const Byte> bytes, TimePoint now);
    void tick(TimePoint now);
    std::optional<TimePoint> deadline() const;
    ByteString takeOutput() { return std::exchange(output_, {}); }
    std::vector<Event> takeEvents() { return std::exchange(events_, {}); }

    // The last image received whole: the 20000 bytes sent, then the 100 the
    // link never sends, which are zero.
    const ApplicationImage* image() const { return image_.get(); }
    // The characters of each record of the last lookup download completed.
    const std::vector<ByteString>& lookupRecords() const { return lookupRecords_; }
    // Records the PC acknowledged; the terminal has deleted them.
    std::size_t uploadsAcknowledged() const { return uploadNext_; }
    // Records the PC acknowledged in the last upload alone.
    std::size_t uploadsAcknowledgedLastTime() const { return uploadNext_ - uploadFirst_; }

private:
    enum class State { Idle, Image, Lookup, Upload };

    void handleBufferedInput();
    bool takeKeywordAtStart();
    void handleImageFrame();
    void handleLine(std::span<const Byte> line);
    void handleLookupLine(std::span<const Byte> line);
    void handleUploadLine(std::span<const Byte> line);
    void answerOpening(bool quickRepeat);
    void openApplicationDownload();
    void openLookupDownload();
    void finishLookup();
    void startUpload();
    void sendCurrentUpload();
    void answer(std::string_view keyword);

    PeerSettings settings_;
    State state_ = State::Idle;
    TimePoint now_{};
    TimePoint lastInput_{};
    ByteString input_;
    ByteString output_;
    std::vector<Event> events_;

    // How the last "KORVAN\r" was answered, while nothing else came since.
    enum class Opening { Identification, Ack };
    std::optional<std::pair<Opening, TimePoint>> lastOpening_;
    std::unique_ptr<ApplicationImage> incoming_;
    std::size_t nextFrame_ = 0;
    std::unique_ptr<ApplicationImage> image_;

    std::vector<ByteString> incomingRecords_;
    std::vector<ByteString> lookupRecords_;

    std::size_t uploadNext_ = 0;   // first record not acknowledged
    std::size_t uploadFirst_ = 0;  // the record this upload began with (sequence 0)
};

}  // namespace tessel::link
