#pragma once
// The bits of a reader block by the controls that edit them: the Barcode
// page's boxes and lists and the option dialogs' check boxes and choices,
// named by their labels and valued by their entries, from the same tables the
// page and the dialogs run on.
#include <cstddef>
#include <string>
#include <vector>

#include "core/bytes.h"
#include "reader/block_bits.h"

namespace tessel {

class Strings;

struct ControlChange {
    std::string control;  // "Code 39", "Codabar Parameters, Start/Stop Character"
    std::string before;
    std::string after;
    unsigned mask;  // the bits of the byte the control edits
};

// One change for each control whose bits differ between `before` and `after`
// (a bit two dialogs share is told once); bits no such control edits are not.
std::vector<ControlChange> readerControlChanges(ReaderBlock block, std::size_t byte, Byte before, Byte after,
                                                const Strings& strings);

}  // namespace tessel
