#pragma once
// Mode 0: the terminal identifies itself, the application image is built and
// sent in 200 numbered frames, one for each "ACK\r".
#include <memory>
#include <string>

#include "core/application_image.h"
#include "link/transfer.h"

namespace tessel::link {

// The warning for a download to a terminal of another family than the
// project's ("4760RU004" identifies a 4760), naming both; empty when they
// agree or the identification names no family.
std::string familyMismatchWarning(std::string_view identification, int projectFamily);

class ApplicationDownload final : public AnswerHandler {
public:
    // Prepares the definition for download in place, as every download leaves
    // it, and builds the image here, on the caller's thread: the exchange
    // runs on a worker while the user-interface thread goes on reading the
    // definition, so the worker gets bytes of its own.
    ApplicationDownload(Definition& definition, const DefaultTexts& defaults);

    TransferMode mode() const override { return TransferMode::Application; }
    int handleLine(std::span<const Byte> line, Exchange& exchange) override;

    // The 9 characters the terminal identified itself with; empty before.
    const std::string& identification() const { return identification_; }

private:
    void sendNextFrame(Exchange& exchange);

    std::unique_ptr<ApplicationImage> image_;
    bool identified_ = false;  // the terminal has identified itself
    std::string identification_;
    std::size_t sequence_ = 0;  // the next frame to send
    int progress_ = 0;          // half the frames sent, rounded up
};

}  // namespace tessel::link
