#include "cli/terminal_folder.h"

#include <iostream>

#include "cli/console.h"

namespace tessel::cli {

std::vector<link::ByteString> TerminalFolderKeeper::uploads() {
    deleted_ = 0;
    std::string error;
    const auto records = folder_.readLines(folder_.recordsPath(), error);
    if (!records) {
        std::cerr << error << ".\n";
        return {};
    }
    std::vector<link::ByteString> uploads;
    for (const auto& record : *records) uploads.push_back(link::bytesOf(record));
    return uploads;
}

// The records acknowledged are the first ones of the file: records a
// simulator run added meanwhile stand after them and stay.
void TerminalFolderKeeper::acknowledged(std::size_t acknowledged) {
    if (acknowledged <= deleted_) return;
    std::string error;
    auto records = folder_.readLines(folder_.recordsPath(), error);
    if (!records) {
        std::cerr << error << ".\n";
        return;
    }
    const std::size_t count = std::min(acknowledged - deleted_, records->size());
    records->erase(records->begin(), records->begin() + static_cast<std::ptrdiff_t>(count));
    if (writeWholeFile(folder_.recordsPath(), crLfLines(*records))) deleted_ = acknowledged;
}

void TerminalFolderKeeper::imageReceived(const ApplicationImage& image) const {
    writeWholeFile(folder_.imagePath(), std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
}

void TerminalFolderKeeper::lookupReceived(const std::vector<link::ByteString>& records) const {
    std::vector<std::string> lines;
    for (const auto& record : records) lines.emplace_back(link::textOf(record));
    writeWholeFile(folder_.lookupPath(lookupSlot_), crLfLines(lines));
}

}  // namespace tessel::cli
