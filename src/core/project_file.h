#pragma once
// The project file: a 10-byte magic, the definition's blocks byte for byte,
// then 100 zero bytes. Reading recognises a file by its magic alone and
// upgrades older settings generations.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/defaults.h"
#include "core/definition.h"

namespace tessel {

class MessageService;
class Strings;
struct PreferencesStore;
struct Project;

inline constexpr std::size_t kMagicSize = 10;
inline constexpr std::size_t kProjectTrailerSize = 100;
inline constexpr std::size_t kProjectFileSize = kMagicSize + sizeof(Definition) + kProjectTrailerSize;
inline constexpr std::size_t kTextsBlock2Offset = 16135;  // where "import texts" starts reading

// The family named by the first 10 bytes, as the project reader tells them
// apart: "4760RU" and "4130RU" by six characters, "4760-1.00" by nine.
std::optional<int> familyOfMagic(std::string_view head);

// The same, as "import texts" tells them apart: all nine characters count.
std::optional<int> familyOfExactMagic(std::string_view head);

// The bytes of a project file of `definition`. The calculator digit is set in
// the definition itself first, as it is saved so.
std::string projectFileBytes(Definition& definition, int family);

struct ProjectRead {
    int family = 0;
    bool converted = false;  // settings of an older generation were upgraded
};

// Copies the blocks of a project file's bytes into `definition` as far as the
// file reaches, without any upgrade.
void fillDefinitionFrom(std::string_view file, Definition& definition);

// Reads `file` into `definition`: nothing (and the definition untouched) when
// the magic is not one of ours; a short file fills the blocks as far as it
// reaches and leaves the rest as it was.
std::optional<ProjectRead> readProjectBytes(std::string_view file, Definition& definition, const Strings& strings);

// The working texts of the startup page: 26 screens of up to 8 lines, slot k
// for terminal text block k + 2.
using StartupTexts = std::array<std::array<TextCell, 8>, kTextBlockCount - 1>;

// Fills `texts` from another project file's terminal texts and settings lines;
// false when the magic is not one of ours.
bool importTextsFromBytes(std::string_view file, StartupTexts& texts, const DefaultTexts& defaults);

// The name Save As saves under: kept when the three characters after its last
// '.' are "TSX" in any letter case, else ".TSX" appended.
std::string saveAsName(std::string_view chosen);

// --- The operations on files, with their messages and the recent-file list ---

// The message of a save refused because the file is read-only.
inline constexpr int kReadOnlyFileText = 1176;
// The message of a save that failed ("File open/create failed!"), shown with
// the system's reason beside it.
inline constexpr int kSaveFailedText = 1170;

// Writes the project atomically; kSaveFailedText (and the old file whole)
// when it cannot, with the path and the system's reason in `reason` when
// given; kReadOnlyFileText when the file is read-only. On success the path
// heads the recent files of `preferences`, when given.
int writeProject(Project& project, const std::filesystem::path& path, PreferencesStore* preferences,
                 std::string* reason = nullptr);

// Reads a project into `project` (definition and family); 0 with nothing shown
// when it cannot be opened, 0 after "Format mismatch !!!" when it is not one of
// ours. Shows the conversion warning after an upgrade.
int readProject(Project& project, const std::filesystem::path& path, const Strings& strings, MessageService& messages,
                PreferencesStore* preferences);

// The same on the bytes of the file at `path`, already read.
int readProjectContent(Project& project, std::string_view file, const std::filesystem::path& path,
                       const Strings& strings, MessageService& messages, PreferencesStore* preferences);

// As much of a file as a project read takes.
inline constexpr std::size_t kProjectReadSize = kMagicSize + sizeof(Definition);

int importTexts(const std::filesystem::path& path, StartupTexts& texts, const DefaultTexts& defaults,
                const Strings& strings, MessageService& messages);

}  // namespace tessel
