#include "link/data_file_name.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

namespace tessel::link {
namespace {

constexpr std::array<std::string_view, 4> kFields{"port", "date", "time", "n"};
constexpr int kMostNumbers = 1000000;

// Calls `field` for each {name} and `text` for what lies between; false at
// an unclosed brace.
template <typename Text, typename Field>
bool walkPattern(std::string_view pattern, Text text, Field field) {
    while (!pattern.empty()) {
        const auto open = pattern.find('{');
        text(pattern.substr(0, open));
        if (open == std::string_view::npos) return true;
        const auto close = pattern.find('}', open);
        if (close == std::string_view::npos) return false;
        field(pattern.substr(open + 1, close - open - 1));
        pattern.remove_prefix(close + 1);
    }
    return true;
}

std::string formatted(const std::tm& time, const char* format) {
    char text[32] = {};
    std::strftime(text, sizeof text, format, &time);
    return text;
}

bool taken(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

}  // namespace

std::string portTag(std::string_view portName) {
    if (portName.starts_with("/dev/")) portName.remove_prefix(5);
    std::string tag;
    for (const char c : portName) {
        const auto u = static_cast<unsigned char>(c);
        tag += c == '/' ? '-' : std::isalnum(u) || c == '.' || c == '-' || c == '_' ? c : '_';
    }
    return tag;
}

std::optional<std::string> dataFileNameProblem(std::string_view pattern) {
    std::optional<std::string> problem;
    const bool closed = walkPattern(
        pattern, [](std::string_view) {},
        [&](std::string_view name) {
            if (!problem && std::find(kFields.begin(), kFields.end(), name) == kFields.end())
                problem = "unknown field {" + std::string(name) + "}; the fields are {port}, {date}, {time} and {n}";
        });
    if (!closed) return "a { without its }";
    return problem;
}

bool patternHasField(std::string_view pattern, std::string_view field) {
    bool found = false;
    walkPattern(
        pattern, [](std::string_view) {}, [&](std::string_view name) { found = found || name == field; });
    return found;
}

std::filesystem::path expandDataFileName(std::string_view pattern, const DataFileNameValues& values) {
    std::string name;
    walkPattern(
        pattern, [&](std::string_view text) { name += text; },
        [&](std::string_view field) {
            if (field == "port")
                name += values.port;
            else if (field == "date")
                name += formatted(values.time, "%Y-%m-%d");
            else if (field == "time")
                name += formatted(values.time, "%H%M%S");
            else if (field == "n")
                name += std::to_string(values.n);
        });
    return name;
}

std::filesystem::path firstFreeDataFileName(std::string_view pattern, DataFileNameValues& values) {
    if (!patternHasField(pattern, "n")) return expandDataFileName(pattern, values);
    for (; values.n < kMostNumbers; ++values.n) {
        auto name = expandDataFileName(pattern, values);
        if (!taken(name)) return name;
    }
    return expandDataFileName(pattern, values);
}

}  // namespace tessel::link
