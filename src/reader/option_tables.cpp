#include "reader/option_tables.h"

#include <algorithm>
#include <array>

namespace tessel {

std::vector<ControlSlots> controlSlots(const OptionDialogTable& table) {
    std::vector<ControlSlots> slots;
    int slot = table.firstSlot + 1;
    for (const OptionControl& control : table.controls) {
        const bool ownText = control.kind != OptionKind::Number && control.textId == 0 && !control.text.empty();
        const int own = ownText ? slot++ : 0;
        slots.push_back({own, slot});
        for (const OptionEntry& entry : control.entries) slot += entry.stringId == 0 ? 1 : 0;
        if (control.kind == OptionKind::Separator) ++slot;  // its "Text:" label
    }
    return slots;
}

int entryOf(const OptionControl& control, unsigned bits) {
    const auto found = std::find_if(control.entries.begin(), control.entries.end(), [&](const OptionEntry& entry) {
        return ((entry.value ^ bits) & entry.telling) == 0;
    });
    return found == control.entries.end() ? -1 : static_cast<int>(found - control.entries.begin());
}

std::span<const OptionDialogTable> optionDialogs() {
    static const auto all = [] {
        std::array<OptionDialogTable, kOptionDialogs1dCount + kOptionDialogs2dCount> dialogs{};
        const auto next = std::copy(std::begin(kOptionDialogs1d), std::end(kOptionDialogs1d), dialogs.begin());
        std::copy(std::begin(kOptionDialogs2d), std::end(kOptionDialogs2d), next);
        return dialogs;
    }();
    return all;
}

const OptionDialogTable* optionDialogFor(bool twoD, int button) {
    const auto dialogs = optionDialogs();
    const auto found = std::find_if(dialogs.begin(), dialogs.end(), [&](const OptionDialogTable& dialog) {
        return dialog.twoD == twoD && dialog.button == button;
    });
    return found == dialogs.end() ? nullptr : &*found;
}

}  // namespace tessel
