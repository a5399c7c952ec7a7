#pragma once
// Mode 11: the terminal uploads its records one at a time, each with a
// sequence value 0..9 and a checksum, and ends with "OVER\r". Every accepted
// record is written to the data file before its "ACK\r" goes out.
//
// Acknowledgements carry no number: the terminal deletes its current record
// on every "ACK\r" it gets. So the PC never answers one record twice, however
// the bytes are cut into reads and however late they come.
#include <optional>

#include "link/transfer.h"

namespace tessel::link {

class ReceiveData final : public AnswerHandler {
public:
    TransferMode mode() const override { return TransferMode::Receive; }
    int handleLine(std::span<const Byte> line, Exchange& exchange) override;
    ByteString frameAfterSilence(const ByteString& lastFrame) const override;

    int recordsReceived() const { return recordsReceived_; }

private:
    int handleRecordLine(std::span<const Byte> line, Exchange& exchange);
    int accept(std::span<const Byte> line, Exchange& exchange);
    void acknowledge(Exchange& exchange);
    bool isNewRecord(std::span<const Byte> line) const;
    bool isPreviousRecord(std::span<const Byte> line) const;

    Byte sequence_ = 0;                         // expected in the next record
    std::optional<ByteString> previousRecord_;  // the last accepted line without its CR
    int recordsReceived_ = 0;
    // Frames sent before the latest "ACK\r".
    int framesBeforeAck_ = 0;
    // Copies of the last accepted record still to come in answer to frames
    // sent before the latest "ACK\r": they ask for nothing.
    int staleCopies_ = 0;
};

}  // namespace tessel::link
