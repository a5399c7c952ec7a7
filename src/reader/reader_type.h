#pragma once
// The reader type byte of the system settings: which reader engine the
// terminal has, and so which reader block the Barcode page edits.
#include "core/bytes.h"
#include "editors/form_lists.h"

namespace tessel {

class Strings;

enum class ReaderMode {
    OneD,       // 1D laser/CCD reader: SymbologyBlock
    TwoD,       // 2D reader: ReaderSettings
    LongRange,  // 1D long-range laser: ReaderSettings with the AIM duration
};

ReaderMode readerMode(Byte readerType);
inline bool isTwoD(ReaderMode mode) { return mode != ReaderMode::OneD; }

// "1D Laser/CCD Reader", "2D Reader", and for the 4760 "1D Long Range Laser".
ListEntries readerEntries(const Strings& strings, int family);
// The list position a reader type byte shows: its bits 0, 2 and 3, with the
// long-range laser (4) at position 2; -1 when those bits name no entry.
int readerPosition(Byte readerType, int family);
// The byte with the reader of list position `position`: bits 0, 2 and 3
// replaced, the others kept.
Byte withReader(Byte readerType, int position);

}  // namespace tessel
