#include "cli/project_loading.h"

#include "cli/console.h"
#include "cli/language_choice.h"
#include "core/project_file.h"

namespace tessel::cli {

std::optional<Project> loadProject(const std::filesystem::path& path, const std::string& languageOption,
                                   Strings& strings) {
    if (!useChosenLanguage(strings, languageOption)) return std::nullopt;
    const auto file = readWholeFile(path, kProjectReadSize);
    if (!file) return std::nullopt;
    ConsoleMessages messages;
    Project project = startupProject(strings);
    if (readProjectContent(project, *file, path, strings, messages, nullptr) != 1) return std::nullopt;
    project.defaults = loadDefaultTexts(strings, project.family);
    project.currentPath = path.string();
    return project;
}

int saveProject(Project& project, const std::filesystem::path& path, const Strings& strings) {
    std::string reason;
    const int written = writeProject(project, path, nullptr, &reason);
    if (written == 1) return kSuccess;
    if (written == kReadOnlyFileText) return fail(strings.utf8(written) + " " + path.string());
    return fail(strings.utf8(written) + "\n" + reason);
}

}  // namespace tessel::cli
