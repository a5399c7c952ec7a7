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

// The rules of a save, for writers that fill the new file themselves (the
// received data file): where it lands and what it keeps of the file it
// replaces.
struct SaveTarget {
    std::filesystem::path file;  // the end of the chain of symbolic links
    bool exists = false;
    unsigned mode = 0;  // the existing file's permission bits
    long owner = -1;    // and its owner and group, where the system has them
    long group = -1;
};

// Where a save of `path` goes: through its links, refusing a folder, a file
// that is not a regular one and a read-only file (by its mode bits).
WriteOutcome resolveSaveTarget(const std::filesystem::path& path, SaveTarget& target);

// Creates `file` new (never an existing name, never through a link) with the
// owner and permission bits of `like`'s existing file, or as a new project
// file gets them; the open descriptor, or minus the system's error number.
int createLikeTarget(const std::filesystem::path& file, const SaveTarget& like);

// Flushes the folder's entries, so that a new or renamed file in it is found
// after a crash; the system's reason when it cannot.
std::optional<std::string> syncFolder(const std::filesystem::path& folder);

}  // namespace tessel
