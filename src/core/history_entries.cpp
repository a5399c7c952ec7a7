#include "core/history_entries.h"

#include <algorithm>
#include <string>

namespace tessel {
namespace {

std::string named(const std::string& command, const std::string& step) {
    return step.empty() ? command : command + " " + step;
}

}  // namespace

std::string undoEntryText(const EditHistory& history, const HistoryWords& words) {
    return named(words.undo, history.undoName()) + "\tCtrl+Z";
}

std::string redoEntryText(const EditHistory& history, const HistoryWords& words) {
    return named(words.redo, history.redoName()) + "\tCtrl+Shift+Z";
}

void addHistoryEntries(std::vector<MenuEntry>& entries, const EditHistory& history, const HistoryWords& words) {
    auto saveAs = std::find_if(entries.begin(), entries.end(),
                               [](const MenuEntry& entry) { return entry.command == kCommandSaveAs; });
    const auto at = saveAs == entries.end() ? entries.end() : saveAs + 1;
    const MenuEntry added[] = {
        {"", kCommandNone, {}, true},
        {undoEntryText(history, words), kCommandUndo, {}, false},
        {redoEntryText(history, words), kCommandRedo, {}, false},
    };
    entries.insert(at, std::begin(added), std::end(added));
}

}  // namespace tessel
