#pragma once
// Keeps what a served simulated terminal holds in its state folder: the
// application image and lookup files it receives, and the records it
// uploads, which it deletes as the PC acknowledges them.
#include <cstddef>
#include <string>
#include <vector>

#include "core/application_image.h"
#include "core/terminal_state.h"
#include "link/wire.h"

namespace tessel::cli {

class TerminalFolderKeeper {
public:
    // A lookup download fills lookup `lookupSlot` (1 to 3), as the user
    // chooses it on the terminal's own lookup screen.
    TerminalFolderKeeper(TerminalStateFolder folder, int lookupSlot)
        : folder_(std::move(folder)), lookupSlot_(lookupSlot) {}

    // The records to upload, read afresh at each upload.
    std::vector<link::ByteString> uploads();
    // `acknowledged` records of the current upload have been acknowledged:
    // those not deleted yet go from the folder.
    void acknowledged(std::size_t acknowledged);

    void imageReceived(const ApplicationImage& image) const;
    void lookupReceived(const std::vector<link::ByteString>& records) const;

private:
    TerminalStateFolder folder_;
    int lookupSlot_;
    std::size_t deleted_ = 0;  // records of the current upload already deleted
};

}  // namespace tessel::cli
