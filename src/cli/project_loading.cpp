#include "cli/project_loading.h"

#include "cli/console.h"
#include "core/project_file.h"

namespace tessel::cli {

std::optional<Project> loadProject(const std::filesystem::path& path, const Strings& strings) {
    if (!std::filesystem::is_regular_file(path)) {
        fail("Cannot read " + path.string());
        return std::nullopt;
    }
    ConsoleMessages messages;
    Project project = startupProject(strings);
    if (readProject(project, path, strings, messages, nullptr) != 1) return std::nullopt;
    project.defaults = loadDefaultTexts(strings, project.family);
    project.currentPath = path.string();
    return project;
}

}  // namespace tessel::cli
