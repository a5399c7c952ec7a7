#include "cli/design_input.h"

#include "cli/console.h"
#include "core/project_file.h"
#include "core/project_json.h"

namespace tessel::cli {
namespace {

// A UTF-8 byte-order mark may start an export saved by an editor; the JSON
// reader passes over it, so this does too.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool looksLikeJson(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    const auto first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '{';
}

}  // namespace

std::optional<std::string> readDesignFile(const std::filesystem::path& path) {
    // One byte more than is taken, so that a larger file is called too large.
    auto bytes = readWholeFile(path, kProjectJsonMax + 1);
    if (!bytes) return std::nullopt;
    if (familyOfMagic(*bytes)) return bytes;
    if (!looksLikeJson(*bytes)) {
        fail(path.string() + ": Format mismatch !!!");
        return std::nullopt;
    }
    try {
        auto file = projectFileFromJson(*bytes);
        if (familyOfMagic(file)) return file;
        fail(path.string() + ": Format mismatch !!!");
        return std::nullopt;
    } catch (const ProjectJsonError& error) {
        fail(path.string() + ": " + error.what());
        return std::nullopt;
    }
}

std::optional<Project> openDesign(const std::filesystem::path& path, const Strings& strings) {
    const auto file = readDesignFile(path);
    if (!file) return std::nullopt;
    ConsoleMessages messages;
    Project project = startupProject(strings);
    if (readProjectContent(project, *file, path, strings, messages, nullptr) != 1) return std::nullopt;
    return project;
}

}  // namespace tessel::cli
