#include "core/window_title.h"

#include "core/preferences.h"

namespace tessel {

std::string projectFileName(std::string_view path) {
    if (path == kNoLastFile) return {};
    // Paths from the preferences of another system may use backslashes.
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string windowTitleOf(std::string_view path, bool modified, std::string_view untitled) {
    std::string name = projectFileName(path);
    if (name.empty()) name = untitled;
    return modified ? name + " \u2022" : name;
}

std::string savedNoticeOf(std::string_view path, std::string_view saved) {
    std::string notice(saved);
    if (const auto at = notice.find("%1"); at != std::string::npos) notice.replace(at, 2, projectFileName(path));
    return notice;
}

}  // namespace tessel
