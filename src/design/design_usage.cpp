#include "design/design_usage.h"

#include <algorithm>

#include "editors/field_types.h"

namespace tessel {

bool formInUse(const FormRecord& form) {
    return std::any_of(form.fieldType.begin(), form.fieldType.end(), [](Byte type) { return type != kFieldNone; });
}

bool formTakesInput(const FormRecord& form) {
    return std::any_of(form.fieldType.begin(), form.fieldType.end(), [](Byte type) { return collectsData(type); });
}

bool menuItemInUse(const MenuRecord& menu, std::size_t item) {
    const auto text = cellText(menu.itemName[item]).substr(0, kLineChars);
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

bool menuInUse(const MenuRecord& menu) {
    for (std::size_t item = 0; item < kItemsPerMenu; ++item)
        if (menuItemInUse(menu, item)) return true;
    return false;
}

bool lookupInUse(const LookupRecord& lookup) { return lookup.recordLength != 0 && lookup.columnCount != 0; }

std::optional<int> startTarget(const Definition& definition) {
    if (definition.settings.programStart == 0 && formTakesInput(definition.forms[0])) return 1;
    if (menuInUse(definition.menus[0])) return kFirstMenuTarget;
    return std::nullopt;
}

}  // namespace tessel
