#pragma once
// The Undo and Redo entries of the popup menu, named after the steps they
// would take.
#include <string>
#include <vector>

#include "core/edit_history.h"
#include "core/popup_menu.h"

namespace tessel {

// The commands' words, in the user's language where the desktop shows them.
struct HistoryWords {
    std::string undo = "&Undo";
    std::string redo = "Redo";
};

// "Undo STEP" and "Redo STEP" with their shortcuts, plain "Undo" and "Redo"
// while there is no such step.
std::string undoEntryText(const EditHistory& history, const HistoryWords& words = {});
std::string redoEntryText(const EditHistory& history, const HistoryWords& words = {});

// Puts the Undo and Redo entries behind Save As, with a separator before them.
void addHistoryEntries(std::vector<MenuEntry>& entries, const EditHistory& history, const HistoryWords& words = {});

}  // namespace tessel
