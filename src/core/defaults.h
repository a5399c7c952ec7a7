#pragma once
// The content of a new, empty application, and the default texts from which a
// new definition takes its terminal texts.
#include <array>

#include "core/definition.h"

namespace tessel {

class Strings;

inline constexpr std::size_t kSettingsTextLineCount = 5;

// A second set of the terminal texts (block 1 stays empty) and of the five
// text lines of the system settings, in the current language and family.
struct DefaultTexts {
    TerminalTexts texts{};
    std::array<TextCell, kSettingsTextLineCount> settingsLines{};
};

DefaultTexts loadDefaultTexts(const Strings& strings, int family);

// Symbology, reader and RFID blocks; also the reader page's "Reset to default".
void resetReaderDefaults(Definition& definition);

// Forms, menus, lookups, system settings and weight code, then the default
// texts into the terminal texts and the settings' text lines.
void resetApplicationDefaults(Definition& definition, const DefaultTexts& defaults);

// The weight-code block of a new application; old projects are upgraded to it.
WeightCodeBlock defaultWeightCode();

// The five settings text lines as the string table gives them.
std::array<TextCell, kSettingsTextLineCount> settingsLinesFrom(const Strings& strings);

}  // namespace tessel
