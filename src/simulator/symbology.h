#pragma once
// The symbologies the simulated reader knows: their names in key scripts and
// on the desktop, the bit that enables each for the 1D reader and for the 2D
// reader, and the row of the Code ID table that names its prefix.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "reader/block_bits.h"

namespace tessel::sim {

enum class Symbology {
    Ean13,
    Ean8,
    UpcA,
    UpcE,
    UpcE1,
    Bookland,
    Code39,
    Trioptic39,
    Code93,
    Code11,
    Code128,
    Ean128,
    Isbt128,
    Codabar,
    Interleaved25,
    Industrial25,  // "Discrete 25" on the 2D reader
    Matrix25,
    ItalianPharmacode,
    FrenchPharmacode,
    Msi,
    Plessey,
    Telepen,
    Rss14,
    RssLimited,
    RssExpanded,
    Pdf417,
    MicroPdf417,
    DataMatrix,
    Maxicode,
    QrCode,
};

struct SymbologyInfo {
    Symbology symbology;
    std::string_view name;     // the key-script name, e.g. "EAN13"
    std::string_view display;  // the name the Barcode page gives it
    std::optional<BlockBits> enable1d;
    std::optional<BlockBits> enable2d;  // the 2D reader; the long-range laser reads only the 1D ones
    bool twoDimensional = false;        // a matrix or stacked code: never read by a laser
    std::optional<std::size_t> codeIdRow;
};

std::span<const SymbologyInfo> symbologies();
const SymbologyInfo& symbologyInfo(Symbology symbology);

// The symbology a name (in any letter case, "-" and "_" ignored) stands for.
std::optional<Symbology> symbologyNamed(std::string_view name);

// Why `data` is no barcode of `symbology`, or nothing when it is one: the
// characters it can hold, its length, a wrong check digit of EAN and UPC.
std::optional<std::string> barcodeDataProblem(Symbology symbology, std::string_view data);

// The EAN/UPC check digit of `digits` (MOD 10, weights 3 and 1 from the right).
char eanCheckDigit(std::string_view digits);

// The 12-digit UPC-A a UPC-E code (8 digits: number system, six, check) stands for.
std::string upcEToUpcA(std::string_view upcE);

}  // namespace tessel::sim
