#include "core/preferences.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/decimal_text.h"
#include "core/file_io.h"
#include "core/model_family.h"

namespace tessel {
namespace {

// Enough for every field at its largest; a longer file is read this far.
constexpr std::size_t kPreferencesReadLimit = 64 * 1024;
constexpr std::size_t kOlderReadersBuffer = 1280;
constexpr std::string_view kInterfaceFamilyField = "family=";

bool startsWithDigit(std::string_view field) {
    return !field.empty() && std::isdigit(static_cast<unsigned char>(field.front()));
}

bool allDigits(std::string_view field) {
    return std::all_of(field.begin(), field.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The field's first character as an index from 0 to `last`, else `fallback`.
int indexField(std::string_view field, int last, int fallback) {
    if (field.empty() || field.front() < '0' || field.front() > '0' + last) return fallback;
    return field.front() - '0';
}

std::vector<std::string_view> splitFields(std::string_view content) {
    std::vector<std::string_view> fields;
    while (!content.empty()) {
        const auto end = content.find('\r');
        if (end != 0) fields.push_back(content.substr(0, end));
        if (end == std::string_view::npos) break;
        content.remove_prefix(end + 1);
    }
    return fields;
}

}  // namespace

Preferences parsePreferences(std::string_view content) {
    Preferences p;
    const auto fields = splitFields(content);
    const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view{}; };
    if (fields.empty()) return p;

    p.lastEditedFile = std::string(field(0));
    p.downloadVia = indexField(field(1), 3, p.downloadVia);
    p.receiveVia = indexField(field(2), 3, p.receiveVia);
    if (const long port = leadingDecimal(field(3)); port >= 1 && port <= 255) p.portNumber = static_cast<int>(port);
    p.baudRate = indexField(field(4), 4, p.baudRate);
    if (fields.size() > 5) p.autoPreload = field(5).empty() || field(5).front() != '0';
    if (fields.size() > 6) p.alwaysOnTop = field(6).empty() || field(6).front() != '0';
    if (fields.size() > 7) {
        const auto language = field(7);
        p.language = std::string(language.size() <= 40 ? language : language.substr(0, 39));
    }

    for (std::size_t i = 8; i < fields.size(); ++i) {
        if (!startsWithDigit(fields[i])) {
            // A fifth recent file means the file is not one this program wrote.
            if (p.recentFiles.size() == kMaxRecentFiles) break;
            p.recentFiles.emplace_back(fields[i]);
            continue;
        }
        if (allDigits(fields[i])) {
            const long stored = leadingDecimal(fields[i]);
            if (stored >= 1 && stored <= 127) p.portIndex = static_cast<int>(stored - 1);
            if (i + 1 < fields.size()) p.portName = std::string(fields[i + 1]);
            if (i + 2 < fields.size() && fields[i + 2].starts_with(kInterfaceFamilyField)) {
                const long family = leadingDecimal(fields[i + 2].substr(kInterfaceFamilyField.size()));
                if (family == kFamily4760 || family == kFamilyGroup) p.interfaceFamily = static_cast<int>(family);
            }
        }
        break;
    }
    return p;
}

std::string serializePreferences(const Preferences& p) {
    std::string out = p.lastEditedFile + '\r';
    for (const int value :
         {p.downloadVia, p.receiveVia, p.portNumber, p.baudRate, int{p.autoPreload}, int{p.alwaysOnTop}}) {
        out += std::to_string(value) + '\r';
    }
    out += p.language + '\r';
    for (const auto& recent : p.recentFiles) {
        if (!recent.empty()) out += recent + '\r';
    }
    out += std::to_string(p.portIndex + 1) + '\r';
    // Older programs read the file into a buffer of about 1300 bytes. They do
    // not need the name, so it is left out rather than making the file longer;
    // a name holding the field separator cannot be kept either.
    const bool nameFits = out.size() + p.portName.size() + 1 <= kOlderReadersBuffer;
    if (p.portName.empty() || !nameFits || p.portName.find('\r') != std::string::npos) return out;
    out += p.portName + '\r';
    // Only after a name: a reader that takes the field after the port field
    // for the name would take the family for a device path.
    const std::string family = std::string(kInterfaceFamilyField) + std::to_string(p.interfaceFamily) + '\r';
    if (p.interfaceFamily != 0 && out.size() + family.size() <= kOlderReadersBuffer) out += family;
    return out;
}

bool canRememberPath(std::string_view path) {
    return !path.empty() && !startsWithDigit(path) && path.find('\r') == std::string_view::npos;
}

bool addRecentFile(Preferences& p, std::string_view path) {
    if (!canRememberPath(path)) return false;
    p.lastEditedFile = std::string(path);
    const auto found = std::find(p.recentFiles.begin(), p.recentFiles.end(), path);
    if (found != p.recentFiles.end()) p.recentFiles.erase(found);
    p.recentFiles.insert(p.recentFiles.begin(), std::string(path));
    if (p.recentFiles.size() > kMaxRecentFiles) p.recentFiles.resize(kMaxRecentFiles);
    return true;
}

std::optional<std::string> processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
}

std::filesystem::path preferencesFilePath(EnvironmentLookup environment) {
    std::filesystem::path base;
    if (auto appData = environment("APPDATA")) {
        base = *appData;
    } else if (auto config = environment("XDG_CONFIG_HOME")) {
        base = *config;
    } else {
        base = std::filesystem::path(environment("HOME").value_or(".")) / ".config";
    }
    return base / "VELMORA" / "TESSEX.ini";
}

Preferences readPreferences(const std::filesystem::path& file) {
    const auto content = readFileBytes(file, kPreferencesReadLimit);
    return content ? parsePreferences(*content) : Preferences{};
}

WriteOutcome writePreferences(const std::filesystem::path& file, const Preferences& preferences) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    return writeFileAtomically(file, serializePreferences(preferences));
}

}  // namespace tessel
