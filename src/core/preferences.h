#pragma once
// What the user sets for the program rather than for the application: the
// link choices, window behaviour, language, last edited project and recent
// files. Kept in one small file of carriage-return-separated fields.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace tessel {

inline constexpr std::string_view kNoLastFile = "Unknow";
inline constexpr std::string_view kBuiltinLanguage = "0";
inline constexpr std::size_t kMaxRecentFiles = 4;

struct Preferences {
    std::string lastEditedFile{kNoLastFile};
    int downloadVia = 0;  // index into the family's interface list
    int receiveVia = 0;
    int portNumber = 1;  // n of the port named COMn, used when no port index is stored
    int baudRate = 0;    // 0 = 115200, 1 = 57600, 2 = 38400, 3 = 19200, 4 = 9600
    bool autoPreload = false;
    bool alwaysOnTop = false;
    std::string language{kBuiltinLanguage};
    std::vector<std::string> recentFiles;  // most recent first
    int portIndex = -1;                    // position in the port list; -1 when none is chosen
    // The name of the chosen port, so that a position that has come to name
    // another port is not taken for it; with no position, a device path the
    // user typed. Empty when unknown (a file of an older writer).
    std::string portName;
    // The family whose interface list the two interface choices index (4760
    // or 4130), as the lists differ; 0 when unknown (a file of an older
    // writer, or one without a port name, after which it is not written),
    // when they are read against the project's family.
    int interfaceFamily = 0;

    bool operator==(const Preferences&) const = default;
};

// Bit rates by baud-rate index.
inline constexpr int kBaudRates[] = {115200, 57600, 38400, 19200, 9600};

// The family to read the interface choices against: the one they were chosen
// for, else `family`.
inline int interfaceFamilyOf(const Preferences& preferences, int family) {
    return preferences.interfaceFamily != 0 ? preferences.interfaceFamily : family;
}

// The file's fields in their fixed order; the chosen port's name and the
// interfaces' family ("family=4760") follow the port field, where the
// reading of older programs has already stopped.
Preferences parsePreferences(std::string_view content);
std::string serializePreferences(const Preferences& preferences);

// Whether the preferences file can hold `path` as a remembered file. Its
// fields end at a carriage return, empty fields are skipped and the first one
// after the language that starts with a digit is the port field, so an empty
// path, one holding a carriage return or one starting with a digit would shift
// the fields after it or end the recent files there.
bool canRememberPath(std::string_view path);

// Moves `path` to the head of the recent files (a new path pushes the oldest
// out of a full list) and makes it the last edited file; false, with nothing
// changed, for a path the file cannot hold.
bool addRecentFile(Preferences& preferences, std::string_view path);

// The preferences file: VELMORA/TESSEX.ini under APPDATA when it is set, else
// under the per-user config folder ($XDG_CONFIG_HOME, default ~/.config).
using EnvironmentLookup = std::optional<std::string> (*)(const char* name);
std::optional<std::string> processEnvironment(const char* name);
std::filesystem::path preferencesFilePath(EnvironmentLookup environment = processEnvironment);

// Defaults when the file is missing, empty or unreadable.
Preferences readPreferences(const std::filesystem::path& file);
// Creates the folder when missing; says why when the file cannot be written.
WriteOutcome writePreferences(const std::filesystem::path& file, const Preferences& preferences);

// The preferences with the file they live in.
struct PreferencesStore {
    std::filesystem::path file;
    Preferences values;

    void load() { values = readPreferences(file); }
    WriteOutcome save() const { return writePreferences(file, values); }
    // Puts `path` at the head of the recent files and rewrites the file; a
    // path the file cannot hold is not remembered.
    void rememberFile(std::string_view path) {
        if (addRecentFile(values, path)) save();
    }
};

}  // namespace tessel
