#include "reader/language_slots.h"

#include <algorithm>

#include "reader/option_dialog_table.h"

namespace tessel {
namespace {

constexpr int kLengthLabels = 4;

void addRange(std::vector<int>& slots, std::pair<int, int> range) {
    for (int slot = range.first; slot <= range.second; ++slot) slots.push_back(slot);
}

}  // namespace

std::vector<int> readerLanguageSlots() {
    std::vector<int> slots;
    for (const OptionDialogTable& table : optionDialogs()) {
        slots.push_back(table.firstSlot);
        const auto controls = controlSlots(table);
        for (std::size_t index = 0; index < controls.size(); ++index) {
            if (controls[index].own != 0) slots.push_back(controls[index].own);
            int entry = controls[index].firstEntry;
            for (const OptionEntry& option : table.controls[index].entries) {
                if (option.stringId == 0) slots.push_back(entry++);
            }
            if (table.controls[index].kind == OptionKind::Separator) slots.push_back(entry);
        }
        if (table.lengthLabelSlot != 0)
            addRange(slots, {table.lengthLabelSlot, table.lengthLabelSlot + kLengthLabels - 1});
    }
    for (const auto& range : {kCodeIdSlots, kWeightCodeSlots, kRfidSlots}) addRange(slots, range);
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    return slots;
}

}  // namespace tessel
