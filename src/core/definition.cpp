#include "core/definition.h"

#include <algorithm>

namespace tessel {

bool anyLookupInUse(const Definition& definition) {
    return std::any_of(definition.lookups.begin(), definition.lookups.end(),
                       [](const LookupRecord& lookup) { return lookup.recordLength != 0 && lookup.columnCount != 0; });
}

void applyCalculatorDigit(SystemSettings& settings, bool lookupInUse) {
    applyCalculatorDigit(settings.textLines[0], lookupInUse);
}

void applyCalculatorDigit(TextCell& calculatorLine, bool lookupInUse) {
    Byte& first = calculatorLine[0];
    if (first >= '0' && first <= '9') first = lookupInUse ? '9' : '8';
}

}  // namespace tessel
