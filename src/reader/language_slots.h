#pragma once
// The language slots the Barcode page's dialogs read while a language is
// active, so that a translator's template can list them.
#include <utility>
#include <vector>

namespace tessel {

// First and last slot of the three dialogs that are not tables.
inline constexpr std::pair kCodeIdSlots{1651, 1673};      // caption, switch, 15 rows, 5 sets, Clear
inline constexpr std::pair kWeightCodeSlots{1750, 1756};  // caption and six controls
inline constexpr std::pair kRfidSlots{2030, 2036};        // caption and six controls

// Every slot in ascending order, each once.
std::vector<int> readerLanguageSlots();

}  // namespace tessel
