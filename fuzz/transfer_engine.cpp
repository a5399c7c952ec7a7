// The transfer engine fed raw bytes in each mode, as the worker drives it:
// the terminal's bytes in chunks, the clock moved on, sends and record writes
// that fail, and the user's cancel. Whatever arrives, the engine may only
// send what its mode sends (keywords, the image's frames in order, the
// lookup file's records in order), keep its bar within 0..100, count
// records one by one and end once, with a result that says how.
//
// Input: a mode byte (application, lookup, receive), a family byte, then
// pieces separated by 0xFF: the lookup file, then events. An event piece
// that starts with 0xFE is a control: 't' with a count of 10 ms steps lets
// time pass, 's' fails the next send, 'w' the next record write, 'c'
// cancels. Any other piece is bytes from the terminal.
#include <memory>
#include <set>
#include <sstream>
#include <utility>

#include "core/application_image.h"
#include "fuzz_check.h"
#include "link/application_download.h"
#include "link/lookup_download.h"
#include "link/receive_data.h"
#include "link/transfer_engine.h"

using namespace tessel;
using namespace tessel::link;

namespace {

constexpr Byte kSeparator = 0xFF;
constexpr Byte kControl = 0xFE;

std::vector<std::span<const Byte>> piecesOf(std::span<const Byte> input) {
    std::vector<std::span<const Byte>> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= input.size(); ++i) {
        if (i == input.size() || input[i] == kSeparator) {
            pieces.push_back(input.subspan(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

const ApplicationImage& expectedImage(int family) {
    static const auto build = [](int f) {
        Project project = fuzz::newProject(f);
        prepareForDownload(project.definition);
        return std::make_unique<ApplicationImage>(buildImage(project.definition, project.defaults));
    };
    static const std::unique_ptr<ApplicationImage> images[2] = {build(kFamily4760), build(kFamilyGroup)};
    return *images[family == kFamily4760 ? 0 : 1];
}

bool isKeyword(const ByteString& bytes, std::string_view keyword) { return bytes == bytesOf(keyword); }

// What the engine asked for, checked against what its mode may do.
class Watch {
public:
    Watch(TransferMode mode, int family, std::string_view lookupFile)
        : mode_(mode), family_(family), lookupFile_(lookupFile) {
        std::istringstream stream{std::string(lookupFile)};
        LookupReader reader(stream);
        while (auto frame = reader.next()) lookupFrames_.push_back(std::move(*frame));
    }

    void check(const Action& action) {
        fuzz::require(!ended_, "the engine acts after the exchange ended");
        switch (action.kind) {
            case Action::Kind::Send: checkSend(action.bytes); break;
            case Action::Kind::WriteRecord:
                fuzz::require(mode_ == TransferMode::Receive, "a record is written outside the receive mode");
                fuzz::require(std::find(action.bytes.begin(), action.bytes.end(), kCr) == action.bytes.end(),
                              "a written record holds a CR");
                ++written_;
                break;
            case Action::Kind::Progress:
                fuzz::require(action.value >= 0 && action.value <= 100, "the bar leaves 0..100");
                // Only a terminal that identifies itself again starts the bar over.
                fuzz::require(action.value >= bar_ || action.value == 0, "the bar goes back");
                bar_ = action.value;
                break;
            case Action::Kind::Received:
                // The count starts at 0 and goes up one by one.
                fuzz::require(action.value == received_ + 1 || (action.value == 0 && received_ == 0),
                              "the records received are not counted one by one");
                fuzz::require(action.value == written_, "a record is counted that was not written");
                received_ = action.value;
                break;
            case Action::Kind::Done: ended_ = done_ = true; break;
            case Action::Kind::Abort: {
                static const std::set<int> failures{message::kTimeOut,       message::kMemoryFull,
                                                    message::kIncompatibleVersion, message::kNoConnection,
                                                    message::kDownloadError, message::kFileCreateFailed,
                                                    message::kUploadError};
                fuzz::require(failures.contains(action.value), "the exchange ends with an unknown message");
                ended_ = true;
                break;
            }
        }
    }

    bool done() const { return done_; }

private:
    void checkSend(const ByteString& bytes) {
        switch (mode_) {
            case TransferMode::Application: {
                if (isKeyword(bytes, kOpenDownload) || isKeyword(bytes, kNak)) return;
                fuzz::require(bytes.size() == kFrameSize, "a send in the application mode is no frame");
                const std::size_t number = bytes.back();
                fuzz::require(number < kFrameCount, "a frame number beyond the image");
                const auto frame = applicationFrame(expectedImage(family_), number);
                fuzz::require(std::equal(bytes.begin(), bytes.end(), frame.begin()), "a frame is not the image's");
                // A terminal that identifies itself again starts the image over.
                fuzz::require(number == nextFrame_ || number + 1 == nextFrame_ || number == 0,
                              "frames are sent out of order");
                nextFrame_ = number + 1;
                return;
            }
            case TransferMode::Lookup: {
                if (isKeyword(bytes, kOpenDownload) || isKeyword(bytes, kOver)) return;
                // The next record, or the last one again (equal records in a row
                // are told apart by taking the next one first).
                if (nextRecord_ < lookupFrames_.size() && bytes == lookupFrames_[nextRecord_]) {
                    ++nextRecord_;
                    return;
                }
                fuzz::require(nextRecord_ > 0 && bytes == lookupFrames_[nextRecord_ - 1],
                              "a lookup frame is not the file's next record");
                return;
            }
            case TransferMode::Receive:
                fuzz::require(isKeyword(bytes, kOpenReceive) || isKeyword(bytes, kAck) || isKeyword(bytes, kNak),
                              "the receive mode sends something other than READ, ACK or NAK");
                return;
        }
    }

    TransferMode mode_;
    int family_;
    std::string_view lookupFile_;
    std::vector<ByteString> lookupFrames_;
    std::size_t nextFrame_ = 0;
    std::size_t nextRecord_ = 0;
    int bar_ = 0;
    int received_ = 0;
    int written_ = 0;
    bool ended_ = false;
    bool done_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    const TransferMode mode = data[0] % 3 == 0   ? TransferMode::Application
                              : data[0] % 3 == 1 ? TransferMode::Lookup
                                                 : TransferMode::Receive;
    const int family = data[1] % 2 == 0 ? kFamily4760 : kFamilyGroup;
    const auto pieces = piecesOf(std::span(data + 2, size - 2));
    const std::string lookupFile(fuzz::textOf(pieces[0].data(), pieces[0].size()));

    Project project = fuzz::newProject(family);
    std::istringstream lookupStream(lookupFile);
    std::unique_ptr<AnswerHandler> handler;
    switch (mode) {
        case TransferMode::Application:
            handler = std::make_unique<ApplicationDownload>(project.definition, project.defaults);
            break;
        case TransferMode::Lookup: handler = std::make_unique<LookupDownload>(lookupStream, lookupFile.size()); break;
        case TransferMode::Receive: handler = std::make_unique<ReceiveData>(); break;
    }

    TransferEngine engine(*handler);
    Watch watch(mode, family, lookupFile);
    TimePoint now{};
    bool failNextSend = false;
    bool failNextWrite = false;
    // Carries out the engine's actions as the worker does: a failed send or
    // write is reported and drops the rest of its batch.
    const auto carryOut = [&] {
        for (auto actions = engine.takeActions(); !actions.empty(); actions = engine.takeActions()) {
            for (const Action& action : actions) {
                watch.check(action);
                if (action.kind == Action::Kind::Send && std::exchange(failNextSend, false)) {
                    engine.sendFailed();
                    break;
                }
                if (action.kind == Action::Kind::WriteRecord && std::exchange(failNextWrite, false)) {
                    engine.recordWriteFailed();
                    break;
                }
            }
        }
        fuzz::require(engine.retries() <= kMaxRetries, "more resends than the retry rule allows");
    };

    engine.start(now);
    carryOut();
    for (std::size_t i = 1; i < pieces.size() && engine.state() != TransferEngine::State::Finished; ++i) {
        const auto piece = pieces[i];
        if (piece.size() >= 2 && piece[0] == kControl) {
            switch (piece[1]) {
                case 't': now += Milliseconds(10 * (piece.size() > 2 ? piece[2] : 100)); break;
                case 's': failNextSend = true; break;
                case 'w': failNextWrite = true; break;
                case 'c': engine.cancel(); break;
                default: break;
            }
        } else {
            now += Milliseconds(10);
            engine.receive(piece, now);
        }
        carryOut();
        engine.tick(now);
        carryOut();
    }

    if (engine.state() == TransferEngine::State::Finished) {
        fuzz::require((engine.result() == kCompleted) == watch.done(), "the result and the end of the exchange disagree");
        fuzz::require(!engine.deadline().has_value(), "a finished exchange still wants waking");
    }
    return 0;
}
