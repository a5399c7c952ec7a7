#pragma once
// Mode 0: the terminal identifies itself, the application image is built and
// sent in 200 numbered frames, one for each "ACK\r".
#include <memory>

#include "core/application_image.h"
#include "link/transfer.h"

namespace tessel::link {

class ApplicationDownload final : public AnswerHandler {
public:
    // The definition is prepared for download in place when the terminal
    // identifies itself, as every download leaves it.
    ApplicationDownload(Definition& definition, const DefaultTexts& defaults);

    TransferMode mode() const override { return TransferMode::Application; }
    int handleLine(std::span<const Byte> line, Exchange& exchange) override;

private:
    void sendNextFrame(Exchange& exchange);

    Definition& definition_;
    const DefaultTexts& defaults_;
    std::unique_ptr<ApplicationImage> image_;  // built at the identification
    std::size_t sequence_ = 0;                 // the next frame to send
    int progress_ = 0;                         // half the frames sent, rounded up
};

}  // namespace tessel::link
