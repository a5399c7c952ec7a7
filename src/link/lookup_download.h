#pragma once
// Mode 1: the terminal acknowledges the opening keyword and then every record
// of the lookup file; "OVER\r" follows the last one.
#include <cstdint>

#include "link/lookup_reader.h"
#include "link/transfer.h"

namespace tessel::link {

class LookupDownload final : public AnswerHandler {
public:
    // `fileSize` is the size of the file when it was opened: a file that
    // yields its last record before that many bytes could not be read whole.
    LookupDownload(std::istream& file, std::uint64_t fileSize);

    TransferMode mode() const override { return TransferMode::Lookup; }
    int handleLine(std::span<const Byte> line, Exchange& exchange) override;

    const LookupReader& reader() const { return reader_; }

private:
    int barPosition() const;

    LookupReader reader_;
    std::uint64_t fileSize_;
};

}  // namespace tessel::link
