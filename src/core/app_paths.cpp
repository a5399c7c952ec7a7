#include "core/app_paths.h"

#include "core/preferences.h"

namespace tessel {

std::filesystem::path programDirectory() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return std::filesystem::current_path(error);
}

namespace {

std::filesystem::path userDataFolder() {
    if (const auto dataHome = processEnvironment("XDG_DATA_HOME")) return *dataHome;
    return std::filesystem::path(processEnvironment("HOME").value_or(".")) / ".local" / "share";
}

}  // namespace

std::vector<std::filesystem::path> languageSearchFolders() {
    const auto program = programDirectory();
    return {program, program.parent_path() / "share" / "tessel-studio" / "languages",
            userDataFolder() / "tessel-studio" / "languages"};
}

std::filesystem::path skinArtworkFolder() {
    const auto program = programDirectory();
    for (const auto& folder : {program / "skin", program.parent_path() / "share" / "tessel-studio" / "skin",
                               userDataFolder() / "tessel-studio" / "skin"}) {
        std::error_code error;
        if (std::filesystem::is_directory(folder, error)) return folder;
    }
    return {};
}

}  // namespace tessel
