#pragma once
// Whole-file reading with a size bound, and saving that never destroys the
// previous file: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the target in one step. Every save of
// the program goes through here, so each follows the same rules.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// At most `limit` bytes of the file; nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t limit);

enum class WriteResult { Written, ReadOnly, Failed };

// What a save came to: for a failure, the system's reason, such as
// "Permission denied" or "No space left on device" (empty for a read-only
// file, whose refusal says enough).
struct WriteOutcome {
    WriteResult result = WriteResult::Failed;
    std::string reason;

    bool operator==(WriteResult other) const { return result == other; }
    explicit operator bool() const { return result == WriteResult::Written; }
};

// Replaces `path` with `bytes` atomically; the old file stays whole when any
// step before the rename fails. A symbolic link is saved through to the file
// it names; the file keeps its permission bits (and its owner where that is
// allowed); a read-only file, one whose mode denies its owner or this user
// writing, is refused. The temporary file is always a new one, and the folder
// is synced after the rename so that the new name survives a crash.
WriteOutcome writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessel
