#pragma once
// A lookup file against the layout of a project's lookup, for the commands
// that send or make lookup files.
#include <filesystem>
#include <optional>

#include "core/project.h"
#include "core/strings.h"

namespace tessel::cli {

// The project's lookup `number` (1 to 3) when it is in use; nothing after
// printing why not.
std::optional<LookupRecord> projectLookup(const Project& project, const std::filesystem::path& path, int number);

struct LookupFileCheck {
    bool fits = false;
    int family = 0;  // the project's
};

// Checks every line of `file` against the project's lookup, printing each
// fault as "FILE:LINE: fault"; nothing when the project, its lookup or the
// file cannot be read.
std::optional<LookupFileCheck> checkLookupFileFor(const std::filesystem::path& project, int lookup,
                                                  const std::filesystem::path& file, Strings& strings);

}  // namespace tessel::cli
