#include "core/app_paths.h"

#include "core/preferences.h"

namespace tessel {

std::filesystem::path programDirectory() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return std::filesystem::current_path(error);
}

std::vector<std::filesystem::path> languageSearchFolders() {
    const auto program = programDirectory();
    const auto dataHome = processEnvironment("XDG_DATA_HOME");
    const auto userData = dataHome
                              ? std::filesystem::path(*dataHome)
                              : std::filesystem::path(processEnvironment("HOME").value_or(".")) / ".local" / "share";
    return {program, program.parent_path() / "share" / "tessel-studio" / "languages",
            userData / "tessel-studio" / "languages"};
}

}  // namespace tessel
