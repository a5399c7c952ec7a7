#include "core/history_entries.h"

#include <algorithm>
#include <string>

namespace tessel {
namespace {

std::string named(const char* command, const std::string& step) {
    return step.empty() ? std::string(command) : std::string(command) + " " + step;
}

}  // namespace

std::string undoEntryText(const EditHistory& history) { return named("&Undo", history.undoName()) + "\tCtrl+Z"; }

std::string redoEntryText(const EditHistory& history) { return named("Redo", history.redoName()) + "\tCtrl+Shift+Z"; }

void addHistoryEntries(std::vector<MenuEntry>& entries, const EditHistory& history) {
    auto saveAs = std::find_if(entries.begin(), entries.end(),
                               [](const MenuEntry& entry) { return entry.command == kCommandSaveAs; });
    const auto at = saveAs == entries.end() ? entries.end() : saveAs + 1;
    const MenuEntry added[] = {
        {"", kCommandNone, {}, true},
        {undoEntryText(history), kCommandUndo, {}, false},
        {redoEntryText(history), kCommandRedo, {}, false},
    };
    entries.insert(at, std::begin(added), std::end(added));
}

}  // namespace tessel
