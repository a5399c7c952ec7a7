#pragma once
// Reading a design for the commands that take either a project file or its
// JSON export.
#include <filesystem>
#include <optional>
#include <string>

#include "core/project.h"
#include "core/strings.h"

namespace tessel::cli {

// The project file bytes of `path`: a project file as it is, a JSON export
// as the project file it describes; nothing after printing why not.
std::optional<std::string> readDesignFile(const std::filesystem::path& path);

// The project as Open reads the design at `path` (older settings upgraded,
// with the conversion warning); nothing after printing why not.
std::optional<Project> openDesign(const std::filesystem::path& path, const Strings& strings);

}  // namespace tessel::cli
