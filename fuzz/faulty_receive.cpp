// A whole receive, worker thread and all, from the simulated terminal over a
// line that drops, corrupts, holds back, swallows and cuts bytes as the input
// says. However the line behaves, every record the terminal counts as
// acknowledged must be in the received file exactly once, in order and
// unaltered; at most the one record after them may be there too (written,
// but its "ACK\r" lost). The user retries a failed receive a few times; each
// receive writes a file of its own. Between two tries the user answers the
// failure message and starts again, by which time everything the terminal
// sent has reached the closed port and is gone.
//
// The checksum is a 16-bit sum, fixed by the wire format: a damaged line can
// still carry a matching sum (a byte moved by one where the checksum's 13
// and 14 meet, or pieces of a cut line that happen to add up). Such a forged
// record cannot be told from a real one by anything on the PC, so a run
// stops being checked at the first record that is neither the expected one
// nor a copy of the one before it; on a line without damage there is none.
//
// Input: drop, corrupt, delay, silence and stray-CR chances (a byte each, in
// 1/1024 steps), the longest delay and the latency (a byte each, in 10 ms
// steps), the line's seed (4 bytes), a flags byte (bit 0: the port hands
// over one line per read), then the terminal's records separated by LF, of
// the bytes from 0x20 up (scanned and typed data; others are left out).
#include <algorithm>
#include <utility>

#include "fuzz_check.h"
#include "link/fake_port.h"
#include "link/receive_data.h"
#include "link/transfer_worker.h"

using namespace tessel;
using namespace tessel::link;

namespace {

constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kMaxRecords = 40;
constexpr int kTries = 3;
// Longer than the line holds anything back (latency and delay, 2.55 s each at most).
constexpr Milliseconds kUserPause{10000};

struct MemoryRecords : RecordSink {
    std::vector<ByteString> lines;
    bool append(std::span<const Byte> record) override {
        lines.emplace_back(record.begin(), record.end());
        return true;
    }
};

double chanceOf(Byte b) { return b / 1024.0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < kHeaderSize) return 0;
    FaultSpec faults;
    faults.drop = chanceOf(data[0]);
    faults.corrupt = chanceOf(data[1]);
    faults.delay = chanceOf(data[2]);
    faults.silence = chanceOf(data[3]);
    faults.strayCr = chanceOf(data[4]);
    faults.maxDelay = Milliseconds(10 * data[5]);
    faults.latency = Milliseconds(10 * data[6]);
    const std::uint32_t seed = data[7] | data[8] << 8 | data[9] << 16 | static_cast<std::uint32_t>(data[10]) << 24;
    const bool lineByLine = data[11] & 1;
    const bool damaging = faults.drop > 0 || faults.corrupt > 0 || faults.strayCr > 0;

    PeerSettings settings;
    settings.collapseRepeatedLookupRecords = true;
    ByteString record;
    for (std::size_t i = kHeaderSize; i <= size && settings.uploads.size() < kMaxRecords; ++i) {
        if (i == size || data[i] == kLf) {
            settings.uploads.push_back(std::exchange(record, {}));
        } else if (data[i] >= 0x20) {
            record.push_back(data[i]);
        }
    }
    const std::vector<ByteString> uploads = settings.uploads;

    ManualClock clock;
    CradleTiming timing;
    TerminalPeer peer(std::move(settings));
    PeerLine line(peer, faults, seed);
    const PortList ports{{"/dev/ttyS0", "ttyS0"}};
    TransferObserver observer;

    int result = kCancelled;
    for (int tries = 0; tries < kTries && result != kCompleted; ++tries) {
        if (tries > 0) {
            clock.sleepFor(kUserPause);
            line.toPc(clock.now());
        }
        const std::size_t first = peer.uploadsAcknowledged();
        TransferWorker worker(
            [&] {
                auto port = std::make_unique<FakePort>(clock, &line);
                if (lineByLine) port->readLineByLine();
                return port;
            },
            clock, timing);
        ReceiveData handler;
        MemoryRecords file;
        worker.start(TransferJob{ports, 0, 2, 0, &handler, &file}, observer);
        result = worker.wait().result;

        const std::size_t acknowledged = peer.uploadsAcknowledged() - first;
        bool forged = false;
        for (std::size_t i = 0; i < file.lines.size() && !forged; ++i) {
            const std::size_t k = first + i;
            if (k < uploads.size() && file.lines[i] == uploads[k]) continue;
            if (i > 0 && k - 1 < uploads.size())
                fuzz::require(file.lines[i] != uploads[k - 1], "a record is in the file twice");
            fuzz::require(damaging, "a record the terminal sent arrives altered over a clean line");
            forged = true;
        }
        if (!forged) {
            fuzz::require(file.lines.size() >= acknowledged, "a record the terminal deleted is not in the file");
            fuzz::require(file.lines.size() <= acknowledged + 1, "the file holds a record the terminal did not send");
        }
        if (result == kCompleted) fuzz::require(handler.recordsReceived() == static_cast<int>(file.lines.size()),
                                                "the count of records received is not the file's");
    }
    return 0;
}
