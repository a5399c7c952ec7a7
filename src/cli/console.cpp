#include "cli/console.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "core/file_io.h"

namespace tessel::cli {

int ConsoleMessages::show(std::string_view caption, std::string_view text, MessageStyle style) {
    if (style.icon == MessageIcon::Warning && caption != "Error") std::cerr << caption << ": ";
    std::cerr << text << '\n';
    switch (style.buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return kAnswerYes;
        case MessageButtons::RetryCancel: return kAnswerCancel;
        default: return kAnswerOk;
    }
}

int fail(std::string_view text) {
    std::cerr << text << '\n';
    return kFailure;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t limit) {
    errno = 0;
    auto bytes = readFileBytes(path, limit);
    if (bytes) return bytes;
    // The reason the system gave for the failed open or read.
    const int reason = errno;
    fail("Cannot read " + path.string() + (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string()));
    return bytes;
}

bool outputIsInput(const std::filesystem::path& input, const std::filesystem::path& output) {
    std::error_code error;
    if (!std::filesystem::equivalent(input, output, error) || error) return false;
    fail("The output " + output.string() + " is the input file; name another output.");
    return true;
}

bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    const auto outcome = writeFileAtomically(path, bytes);
    switch (outcome.result) {
        case WriteResult::Written: return true;
        case WriteResult::ReadOnly: fail(path.string() + " is read-only; it was left unchanged."); break;
        case WriteResult::Failed: fail("Cannot write " + path.string() + ": " + outcome.reason); break;
    }
    return false;
}

}  // namespace tessel::cli
