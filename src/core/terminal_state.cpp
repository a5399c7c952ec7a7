#include "core/terminal_state.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace tessel {
namespace {

constexpr std::size_t kStateFileLimit = 256u << 20;

}  // namespace

std::optional<TerminalStateFolder> TerminalStateFolder::open(const std::filesystem::path& folder, std::string& error) {
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) {
        error = "Cannot use the state folder " + folder.string() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (!S_ISDIR(status.st_mode)) {
        error = "The state folder " + folder.string() + " is not a folder";
        return std::nullopt;
    }
    if (status.st_uid != ::geteuid()) {
        error = "The state folder " + folder.string() + " belongs to another user";
        return std::nullopt;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        error = "The state folder " + folder.string() + " cannot be written: " + std::strerror(errno);
        return std::nullopt;
    }
    return TerminalStateFolder(folder);
}

std::filesystem::path TerminalStateFolder::lookupPath(int number) const {
    return folder_ / ("lookup-" + std::to_string(number) + ".txt");
}

std::optional<std::vector<std::string>> TerminalStateFolder::readLines(const std::filesystem::path& path,
                                                                       std::string& error) const {
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) return std::vector<std::string>{};
    const auto content = readFileBytes(path, kStateFileLimit);
    if (!content) {
        error = "Cannot read " + path.string() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return splitCrLfLines(*content);
}

WriteOutcome TerminalStateFolder::writeLines(const std::filesystem::path& path,
                                             const std::vector<std::string>& lines) const {
    return writeFileAtomically(path, crLfLines(lines));
}

std::string crLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> splitCrLfLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

}  // namespace tessel
