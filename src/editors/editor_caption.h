#pragma once
// The editor sheet's caption and tab titles, which follow the active language.
#include <array>
#include <string>
#include <string_view>

namespace tessel {

class Strings;

inline constexpr std::size_t kEditorPages = 6;

// "Tessel Studio - [ <file> ]" (UTF-8), naming a new or unnamed definition
// "New file".
std::string editorCaption(const Strings& strings, std::string_view currentPath);

// Form, Menu, Lookup, Barcode, Settings, Startup.
std::array<std::string, kEditorPages> editorTabTitles(const Strings& strings);

}  // namespace tessel
