#include "core/popup_menu.h"

#include <algorithm>
#include <array>

#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr std::size_t kLongestShownPath = 40;

MenuEntry separator() { return {"", kCommandNone, {}, true}; }

std::vector<MenuEntry> builtinEntries() {
    return {
        {"&New\tCtrl+N",
         kCommandNone,
         {{"4760", kCommandNew4760, {}, false}, {"4120 && 4130 && 4140 && 4150", kCommandNewGroup, {}, false}},
         false},
        {"&Open...\tCtrl+O", kCommandOpen, {}, false},
        {"&Save\tCtrl+S", kCommandSave, {}, false},
        {"Save &As...", kCommandSaveAs, {}, false},
        separator(),
        {"&Edit\tCtrl+E", kCommandEdit, {}, false},
        {"&Preferences...", kCommandPreferences, {}, false},
        {"Check &Design\tCtrl+K", kCommandCheckDesign, {}, false},
        separator(),
        {"&Download Application", kCommandDownloadApplication, {}, false},
        {"Download &Lookup File", kCommandDownloadLookup, {}, false},
        {"&Receive Data", kCommandReceiveData, {}, false},
        separator(),
        {"A&bout...\tF1", kCommandAbout, {}, false},
        {"E&xit\tAlt+F4", kCommandExit, {}, false},
    };
}

// A language replaces these positions with plain entries of its texts, read
// from language slots 20 to 30 in position order.
struct TranslatedEntry {
    std::size_t position;
    int command;
};
constexpr int kFirstMenuSlot = 20;
constexpr std::array<TranslatedEntry, 11> kTranslated{{
    {0, kCommandNew4760},
    {1, kCommandOpen},
    {2, kCommandSave},
    {3, kCommandSaveAs},
    {5, kCommandEdit},
    {6, kCommandPreferences},
    {9, kCommandDownloadApplication},
    {10, kCommandDownloadLookup},
    {11, kCommandReceiveData},
    {13, kCommandAbout},
    {14, kCommandExit},
}};

}  // namespace

std::string recentFileLabel(std::size_t index, const std::string& path) {
    std::string shown = path;
    if (path.size() > kLongestShownPath) shown = path.substr(0, 15) + "..." + path.substr(path.size() - 22);
    return "&" + std::to_string(index + 1) + ":  " + shown;
}

// After the transfers: what the simulated terminal holds.
std::vector<MenuEntry> simulatorDataEntries() {
    return {
        separator(),
        {"Load Loo&kup Data...",
         kCommandNone,
         {{"Lookup &1...", kCommandLoadLookupData1, {}, false},
          {"Lookup &2...", kCommandLoadLookupData2, {}, false},
          {"Lookup &3...", kCommandLoadLookupData3, {}, false}},
         false},
        {"&Clear Lookup Data", kCommandClearLookupData, {}, false},
        {"Collec&ted Records...", kCommandCollectedRecords, {}, false},
    };
}

std::vector<MenuEntry> popupMenuEntries(const Strings& strings, const std::vector<std::string>& recentFiles) {
    auto entries = builtinEntries();
    if (strings.language().active()) {
        int slot = kFirstMenuSlot;
        for (const auto& translated : kTranslated) {
            entries[translated.position] = {
                cp1251ToUtf8(strings.language().text(slot++)), translated.command, {}, false};
        }
    }
    const auto receive = std::find_if(entries.begin(), entries.end(),
                                      [](const MenuEntry& entry) { return entry.command == kCommandReceiveData; });
    const auto data = simulatorDataEntries();
    const auto dataAt = entries.insert(receive + 1, data.begin(), data.end());
    std::vector<MenuEntry> recent;
    for (std::size_t i = 0; i < recentFiles.size(); ++i) {
        recent.push_back(
            {recentFileLabel(i, recentFiles[i]), kCommandFirstRecentFile + static_cast<int>(i), {}, false});
    }
    if (!recent.empty()) recent.push_back(separator());
    entries.insert(dataAt + static_cast<std::ptrdiff_t>(data.size()) + 1, recent.begin(), recent.end());
    return entries;
}

}  // namespace tessel
