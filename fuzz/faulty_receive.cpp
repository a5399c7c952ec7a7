// A whole receive, worker thread and all, from the simulated terminal over a
// line that drops, corrupts, holds back, swallows and cuts bytes as the input
// says. However the line behaves, every record the terminal counts as
// acknowledged must be in the received file exactly once, in order and
// unaltered; at most the one record after them may be there too (written,
// but its "ACK\r" lost). The user retries a failed receive a few times; each
// receive writes a file of its own.
//
// Input: drop, corrupt, delay, silence and stray-CR chances (a byte each, in
// 1/1024 steps), the longest delay and the latency (a byte each, in 10 ms
// steps), the line's seed (4 bytes), a flags byte (bit 0: the port hands
// over one line per read), then the terminal's records separated by LF.
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

struct MemoryRecords : RecordSink {
    std::vector<ByteString> lines;
    bool append(std::span<const Byte> record) override {
        lines.emplace_back(record.begin(), record.end());
        return true;
    }
};

double chanceOf(Byte b) { return b / 1024.0; }

// A record the line altered in a way its checksum cannot show: a dropped zero
// byte, or a byte moved by one where 13 and 14 of the checksum meet. The wire
// format is fixed, so the receiver cannot tell; such a record is no fault of
// the link's.
bool checksumBlind(Byte sequence, const ByteString& original, const ByteString& received) {
    const ByteString sent = uploadRecord(sequence, original);
    const ByteString got = uploadRecord(sequence, received);
    return std::equal(sent.end() - 3, sent.end(), got.end() - 3);
}

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

    PeerSettings settings;
    settings.collapseRepeatedLookupRecords = true;
    ByteString record;
    for (std::size_t i = kHeaderSize; i <= size && settings.uploads.size() < kMaxRecords; ++i) {
        if (i == size || data[i] == kLf) {
            settings.uploads.push_back(std::exchange(record, {}));
        } else if (data[i] != kCr) {  // the terminal's records hold no CR
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
        fuzz::require(file.lines.size() >= acknowledged, "a record the terminal deleted is not in the file");
        fuzz::require(file.lines.size() <= acknowledged + 1, "the file holds a record more than once");
        for (std::size_t i = 0; i < file.lines.size(); ++i) {
            fuzz::require(first + i < uploads.size(), "the file holds more records than the terminal has");
            const ByteString& original = uploads[first + i];
            const auto sequence = static_cast<Byte>(i % 10);
            fuzz::require(file.lines[i] == original || checksumBlind(sequence, original, file.lines[i]),
                          "a record in the file is not the one the terminal sent");
        }
        if (result == kCompleted) fuzz::require(handler.recordsReceived() == static_cast<int>(file.lines.size()),
                                                "the count of records received is not the file's");
    }
    return 0;
}
