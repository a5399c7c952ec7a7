#pragma once
// Whole-file reading with a size bound, and saving that never destroys the
// previous file: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the target in one step.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// At most `limit` bytes of the file; nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t limit);

// Replaces `path` with `bytes` atomically; false (and the old file whole) when
// any step fails.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessel
