#pragma once
// What the command-line tool shares between its commands: messages printed on
// stderr, the exit statuses, and whole-file reading and writing with the
// tool's error texts.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/messages.h"

namespace tessel::cli {

// kNoRecords: a receive that completed without records.
enum ExitStatus : int { kSuccess = 0, kFailure = 1, kUsageError = 2, kNoRecords = 3 };

// Prints every message's text on stderr (with its caption for warnings that
// are not errors) and answers them as a user who agrees would.
class ConsoleMessages : public MessageService {
public:
    int show(std::string_view caption, std::string_view text, MessageStyle style) override;
};

// Prints `text` on stderr and returns kFailure.
int fail(std::string_view text);

// The file's bytes, or nothing after printing why not (with the system's
// reason, such as "Permission denied").
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t limit = 64 << 20);

// Whether `output` names the file `input` (by any spelling or link), after
// printing that it is refused: writing it would replace the input.
bool outputIsInput(const std::filesystem::path& input, const std::filesystem::path& output);

// Writes atomically; false after printing why not (with the system's reason).
bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessel::cli
