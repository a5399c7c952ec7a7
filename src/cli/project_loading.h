#pragma once
// Opening and saving a project file for a command, as the desktop program
// does.
#include <filesystem>
#include <optional>

#include "core/project.h"
#include "core/strings.h"

namespace tessel::cli {

// The project after start-up defaults and reading the file, with the default
// texts of its family, in the language `languageOption` chooses (see
// `useChosenLanguage`), which `strings` is left in; nothing after the reason
// was printed.
std::optional<Project> loadProject(const std::filesystem::path& path, const std::string& languageOption,
                                   Strings& strings);

// Writes the project to `path`: kSuccess, or kFailure after printing the
// program's text for the failure with the path and the system's reason.
int saveProject(Project& project, const std::filesystem::path& path, const Strings& strings);

}  // namespace tessel::cli
