#pragma once
// Language files: "*.lng" files whose first line is the language's display
// name, followed by "id=text" lines. A loaded language replaces the built-in
// text of any id it names, and carries texts for ids the table lacks.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

inline constexpr int kLanguageSlots = 2500;
inline constexpr std::size_t kLanguageTextMax = 80;
inline constexpr std::size_t kLanguageFileMax = 49999;
inline constexpr std::size_t kMaxKnownLanguages = 20;

// The slots the program reads that the string table has no text for, so
// that only a language file fills them: the editor sheet's caption (2, 3), the
// receive summary (4 to 6), the progress window (7, 8), the preferences dialog
// (11 to 19), the popup menu (20 to 30), the editor sheet's tabs (51, 201, 251,
// 301, 601, 701), OK and Cancel (1218, 1219) and the last "Next :" entry (1223).
inline constexpr std::array kLanguageOnlySlots{2,  3,  4,  5,  6,   7,   8,   11,  12,  13,   14,   15,
                                               16, 17, 18, 19, 20,  21,  22,  23,  24,  25,   26,   27,
                                               28, 29, 30, 51, 201, 251, 301, 601, 701, 1218, 1219, 1223};

struct LanguageFile {
    std::string name;  // display name, Windows-1251
    std::filesystem::path path;
};

// One text slot per id 0..2499, filled from the loaded language file.
class LanguageTable {
public:
    bool active() const { return active_; }
    void setActive(bool active) {
        active_ = active;
        if (!active) interfaceCode_.clear();
    }

    // The language code of the desktop's own translations that go with the
    // loaded language: its file's name without the extension ("ru" for
    // ru.lng), in lower case; empty while no language is active.
    const std::string& interfaceCode() const { return interfaceCode_; }
    void setInterfaceCode(std::string code) { interfaceCode_ = std::move(code); }

    // The slot of `id`; empty for an id outside the table.
    std::string_view text(int id) const;
    // Stores `text` cut to 80 characters; ids outside the table are ignored.
    void store(int id, std::string_view text);
    // Empties every slot.
    void clear() { slots_.fill({}); }

    // Reads the content of a language file (name line, then "id=text" lines)
    // into the slots.
    void loadContent(std::string_view content);

private:
    std::array<std::string, kLanguageSlots> slots_;
    bool active_ = false;
    std::string interfaceCode_;
};

// The display name held by the first bytes of a language file, or nothing
// when they hold none. Names longer than 40 characters are cut to 39.
std::optional<std::string> languageNameOf(std::string_view head);

// The language files ("*.lng", in any letter case) of `folders`, searched in
// order, at most 20. Returns
// nothing when no folder could be searched.
std::optional<std::vector<LanguageFile>> findLanguages(const std::vector<std::filesystem::path>& folders);

// Loads the first known language whose name is `preferred`; returns whether a
// language is active afterwards.
bool loadLanguage(LanguageTable& table, const std::vector<LanguageFile>& known, std::string_view preferred);

}  // namespace tessel
