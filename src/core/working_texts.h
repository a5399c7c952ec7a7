#pragma once
// The startup page's working texts: every screen text the page edits, held
// while the editor sheet is open. One holder serves the whole sheet, because
// the Lookup page's accept renumbers the calculator line in it before the
// Startup page's accept writes it back.
#include "core/project_file.h"

namespace tessel {

// Where the calculator line lies in the working texts: "Misc - continuous "
// (slot 25) carries it behind the three lines of its block.
inline constexpr std::size_t kMiscContinuousSlot = 25;
inline constexpr std::size_t kCalculatorSlotLine = 3;

struct WorkingTexts {
    StartupTexts groups{};

    // Sets the calculator line's leading digit, when it has one, as the
    // calculator entry is numbered: '9' with a lookup in use, else '8'.
    void applyCalculatorDigit(bool lookupInUse);
};

}  // namespace tessel
