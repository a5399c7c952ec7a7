#pragma once
// The 26 groups of screen texts that the Startup page edits, and where each
// line of a group lives in the definition. Group k is TerminalTexts block
// k + 2, except that "Settings " carries the buzzer entry of the settings text
// lines, and "Misc - continuous " the other four.
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/definition.h"
#include "core/working_texts.h"

namespace tessel {

inline constexpr std::size_t kStartupGroups = 26;
inline constexpr std::size_t kGroupLines = 8;
inline constexpr std::size_t kSettingsGroup = 6;
inline constexpr std::size_t kUploadPortGroup = 7;
inline constexpr std::size_t kMiscContinuousGroup = kMiscContinuousSlot;

struct StartupGroup {
    std::string_view suffix;  // a fixed size label, not always the lines edited
    std::size_t lines;        // lines edited (for the group family)
};

inline constexpr std::array<StartupGroup, kStartupGroups> kStartupGroupTable{{
    {"(3x20)", 3}, {"(8x20)", 8}, {"(4x20)", 4}, {"(3x20)", 4}, {"(4x20)", 4}, {"(7x20)", 7}, {"(8x20)", 8},
    {"(6x20)", 6}, {"(6x20)", 6}, {"(5x20)", 5}, {"(4x20)", 4}, {"(4x20)", 4}, {"(6x20)", 6}, {"(8x20)", 8},
    {"(3x20)", 3}, {"(5x20)", 5}, {"(4x20)", 4}, {"(5x20)", 5}, {"(5x20)", 5}, {"(3x20)", 3}, {"(2x20)", 2},
    {"(4x20)", 4}, {"(3x20)", 3}, {"(6x20)", 6}, {"(8x20)", 8}, {"(7x20)", 7},
}};

// The number of lines the page shows and edits of `group`: the 4760 has five
// upload ports where the group family has six.
std::size_t editedLines(std::size_t group, int family);

// Where a line of a group lives: a line of TerminalTexts, or one of the
// settings text lines.
struct LineHome {
    bool inSettings;
    std::size_t index;  // into TerminalTexts::lines, or into the settings lines
};

// The homes of a group's lines in slot order. Every line of the home block
// belongs to the group (the main menu's fourth, hidden line too), except the
// settings screen's title, which nothing edits, and, for the 4760, the sixth
// upload port line, which the page neither shows nor writes.
std::vector<LineHome> groupHomes(std::size_t group, int family);

// Calls `visit(group, line, home)` for every line of every group.
template <typename Visit>
void forEachGroupLine(int family, Visit visit) {
    for (std::size_t group = 0; group < kStartupGroups; ++group) {
        const auto homes = groupHomes(group, family);
        for (std::size_t line = 0; line < homes.size(); ++line) visit(group, line, homes[line]);
    }
}

// The cell at `home` in a set of terminal texts and settings lines: the
// definition's or the default texts'.
template <typename Texts, typename Lines>
auto& homeCell(Texts& texts, Lines& settingsLines, LineHome home) {
    return home.inSettings ? settingsLines[home.index] : texts.lines[home.index];
}

}  // namespace tessel
