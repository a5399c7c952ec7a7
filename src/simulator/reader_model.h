#pragma once
// What the terminal's reader makes of a scan, before any field sees it: the
// symbology must be enabled for the project's reader, its options change
// the data (check digits, start and stop characters, conversions, lengths),
// the Code ID table puts its prefix in front and the EAN128 field separator
// is replaced. A weighted EAN-13 (the Weight Code settings) is also split
// into its item key and quantity.
#include <optional>
#include <string>

#include "core/definition.h"
#include "simulator/scan.h"

namespace tessel::sim {

struct WeightedCode {
    std::string key;
    std::string quantity;
    int keyField = 0;  // the form lines (0 to 7) the two parts go to
    int quantityField = 0;
};

struct ReaderOutput {
    std::optional<std::string> data;  // what the terminal receives; nothing when the reader reads nothing
    std::string note;                 // why nothing was read
    std::optional<WeightedCode> weighted;
};

ReaderOutput readScan(const Definition& definition, const Scan& scan);

// The data a symbology's options leave of a barcode, or nothing when the
// options make the reader refuse it (a length outside its limits, a check
// character that does not verify). `symbology` is enabled.
std::optional<std::string> applySymbologyOptions(const Definition& definition, Symbology symbology, std::string data);

}  // namespace tessel::sim
