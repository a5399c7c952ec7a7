#include "core/working_texts.h"

namespace tessel {

void WorkingTexts::applyCalculatorDigit(bool lookupInUse) {
    tessel::applyCalculatorDigit(groups[kMiscContinuousSlot][kCalculatorSlotLine], lookupInUse);
}

}  // namespace tessel
