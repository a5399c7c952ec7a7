#include "core/definition.h"

#include <algorithm>

namespace tessel {

bool anyLookupInUse(const Definition& definition) {
    return std::any_of(definition.lookups.begin(), definition.lookups.end(),
                       [](const LookupRecord& lookup) { return lookup.recordLength != 0 && lookup.columnCount != 0; });
}

void applyCalculatorDigit(SystemSettings& settings, bool lookupInUse) {
    Byte& first = settings.textLines[0][0];
    if (first >= '0' && first <= '9') first = lookupInUse ? '9' : '8';
}

}  // namespace tessel
