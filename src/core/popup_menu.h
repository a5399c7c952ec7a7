#pragma once
// The program's popup menu as data: its entries in position order, the
// commands they send, the recent files and the language's texts.
#include <string>
#include <vector>

namespace tessel {

class Strings;

enum Command : int {
    kCommandNone = 0,
    kCommandNew4760 = 1010,
    kCommandNewGroup = 40006,
    kCommandOpen = 1020,
    kCommandSave = 1030,
    kCommandSaveAs = 1040,
    kCommandExit = 1090,
    kCommandEdit = 2000,
    kCommandPreferences = 2100,
    kCommandDownloadApplication = 3020,
    kCommandReceiveData = 3030,
    kCommandDownloadLookup = 3040,
    kCommandFirstRecentFile = 3300,
    kCommandAbout = 9030,
    kCommandUndo = 5100,
    kCommandRedo = 5101,
};

struct MenuEntry {
    std::string text;  // UTF-8, '&' marks the access key, a tab the shortcut
    int command = kCommandNone;
    std::vector<MenuEntry> submenu;
    bool separator = false;
};

// The text of recent-file entry `index` (0-based): "&n:  " and the path, a
// path over 40 characters shortened to its first 15, "..." and its last 22.
std::string recentFileLabel(std::size_t index, const std::string& path);

// The whole menu: the commands, with the recent files (and one separator after
// them) before the About entry. While a language is active its slots 20 to 30
// replace the eleven command entries in position order, and New becomes a
// single entry for the 4760 family.
std::vector<MenuEntry> popupMenuEntries(const Strings& strings, const std::vector<std::string>& recentFiles);

}  // namespace tessel
