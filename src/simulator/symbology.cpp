#include "simulator/symbology.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tessel::sim {
namespace {

// Rows of the Code ID table.
enum CodeIdRow : std::size_t {
    kRowCode39,
    kRowItalianPharmacode,
    kRowFrenchPharmacode,
    kRowDiscrete25,
    kRowInterleaved25,
    kRowMatrix25,
    kRowCodabar,
    kRowCode93,
    kRowCode128,
    kRowUpcE,
    kRowEan8,
    kRowEan13,
    kRowUpcA,
    kRowMsi,
    kRowPlessey,
};

constexpr std::optional<BlockBits> none = std::nullopt;
constexpr BlockBits s(std::size_t byte, BitRange bit) { return symbologyBits(byte, bit); }
constexpr BlockBits r(std::size_t byte, BitRange bit) { return readerBits(byte, bit); }

const std::array<SymbologyInfo, 30> kSymbologies{{
    {Symbology::Ean13, "EAN13", "EAN13", s(1, kSymbologyEan13UpcA), r(0, kReaderEan13), false, kRowEan13},
    {Symbology::Ean8, "EAN8", "EAN8", s(1, kSymbologyEan8), r(0, kReaderEan8), false, kRowEan8},
    {Symbology::UpcA, "UPCA", "UPC-A", s(1, kSymbologyEan13UpcA), r(0, kReaderUpcA), false, kRowUpcA},
    {Symbology::UpcE, "UPCE", "UPC-E", s(1, kSymbologyUpcE), r(0, kReaderUpcE0), false, kRowUpcE},
    {Symbology::UpcE1, "UPCE1", "UPC-E1", none, r(0, kReaderUpcE1), false, kRowUpcE},
    {Symbology::Bookland, "BOOKLAND", "Bookland EAN", s(1, kSymbologyEan13UpcA), r(0, kReaderBooklandEan), false,
     kRowEan13},
    {Symbology::Code39, "CODE39", "Code 39", s(0, kSymbologyCode39), r(5, kReaderCode39), false, kRowCode39},
    {Symbology::Trioptic39, "TRIOPTIC39", "Trioptic 39", none, r(5, kReaderTrioptic39), false, kRowCode39},
    {Symbology::Code93, "CODE93", "Code 93", s(0, kSymbologyCode93), r(8, kReaderCode93), false, kRowCode93},
    {Symbology::Code11, "CODE11", "Code 11", none, r(11, kReaderCode11), false, std::nullopt},
    {Symbology::Code128, "CODE128", "Code 128", s(22, kSymbologyCode128), r(4, kReaderCode128), false, kRowCode128},
    {Symbology::Ean128, "EAN128", "EAN128", s(22, kSymbologyEan128), r(4, kReaderEan128), false, kRowCode128},
    {Symbology::Isbt128, "ISBT128", "ISBT 128", none, r(4, kReaderIsbt128), false, kRowCode128},
    {Symbology::Codabar, "CODABAR", "Codabar", s(0, kSymbologyCodabar), r(20, kReaderCodabar), false, kRowCodabar},
    {Symbology::Interleaved25, "I25", "Interleaved 25", s(0, kSymbologyInterleaved25), r(14, kReaderInterleaved25),
     false, kRowInterleaved25},
    {Symbology::Industrial25, "INDUSTRIAL25", "Industrial 25", s(0, kSymbologyIndustrial25), r(17, kReaderDiscrete25),
     false, kRowDiscrete25},
    {Symbology::Matrix25, "MATRIX25", "Matrix 25", s(0, kSymbologyMatrix25), none, false, kRowMatrix25},
    {Symbology::ItalianPharmacode, "ITALIANPHARMA", "Italian Pharmacode", s(0, kSymbologyItalianPharmacode), none,
     false, kRowItalianPharmacode},
    {Symbology::FrenchPharmacode, "FRENCHPHARMA", "French Pharmacode", s(0, kSymbologyFrenchPharmacode), none, false,
     kRowFrenchPharmacode},
    {Symbology::Msi, "MSI", "MSI", s(2, kSymbologyMsi), r(23, kReaderMsi), false, kRowMsi},
    {Symbology::Plessey, "PLESSEY", "Plessey", s(2, kSymbologyPlessey), none, false, kRowPlessey},
    {Symbology::Telepen, "TELEPEN", "Telepen", s(2, kSymbologyTelepen), none, false, std::nullopt},
    {Symbology::Rss14, "RSS14", "RSS-14", s(3, kSymbologyRss14), r(28, kReaderRss14), false, std::nullopt},
    {Symbology::RssLimited, "RSSLIMITED", "RSS Limited", s(2, kSymbologyRssLimited), r(28, kReaderRssLimited), false,
     std::nullopt},
    {Symbology::RssExpanded, "RSSEXPANDED", "RSS Expanded", s(3, kSymbologyRssExpanded), r(28, kReaderRssExpanded),
     false, std::nullopt},
    {Symbology::Pdf417, "PDF417", "PDF417", none, r(29, kReaderPdf417), true, std::nullopt},
    {Symbology::MicroPdf417, "MICROPDF417", "MicroPDF417", none, r(29, kReaderMicroPdf417), true, std::nullopt},
    {Symbology::DataMatrix, "DATAMATRIX", "Data Matrix", none, r(29, kReaderDataMatrix), true, std::nullopt},
    {Symbology::Maxicode, "MAXICODE", "Maxicode", none, r(29, kReaderMaxicode), true, std::nullopt},
    {Symbology::QrCode, "QR", "QR Code", none, r(29, kReaderQrCode), true, std::nullopt},
}};

constexpr std::size_t kMaxBarcodeData = 3000;

bool allOf(std::string_view data, std::string_view allowed) {
    return std::all_of(data.begin(), data.end(), [&](char c) { return allowed.find(c) != std::string_view::npos; });
}

bool isDigits(std::string_view data) {
    return std::all_of(data.begin(), data.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isAscii(std::string_view data) {
    return std::all_of(data.begin(), data.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string normalName(std::string_view name) {
    std::string result;
    for (const char c : name) {
        if (c != '-' && c != '_') result.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return result;
}

// Digits of a fixed length whose last one is the EAN/UPC check digit.
std::optional<std::string> eanProblem(std::string_view name, std::string_view data, std::size_t length) {
    if (!isDigits(data) || data.size() != length) {
        return std::string(name) + " holds " + std::to_string(length) + " digits";
    }
    const char expected = eanCheckDigit(data.substr(0, length - 1));
    if (data.back() != expected) {
        return std::string(name) + " check digit of " + std::string(data) + " should be " + expected;
    }
    return std::nullopt;
}

std::optional<std::string> upcEProblem(std::string_view name, std::string_view data, char numberSystem) {
    if (!isDigits(data) || data.size() != 8 || data[0] != numberSystem) {
        return std::string(name) + " holds 8 digits starting with " + numberSystem;
    }
    const std::string upcA = upcEToUpcA(data);
    if (upcA.back() != data.back()) {
        return std::string(name) + " check digit of " + std::string(data) + " should be " + upcA.back();
    }
    return std::nullopt;
}

bool isCodabarEnd(char c) { return std::string_view("ABCDTN*Eabcdtne").find(c) != std::string_view::npos; }

std::optional<std::string> codabarProblem(std::string_view data) {
    const bool framed = data.size() >= 3 && isCodabarEnd(data.front()) && isCodabarEnd(data.back());
    if (!framed || !allOf(data.substr(1, data.size() - 2), "0123456789-$:/.+")) {
        return std::string("CODABAR holds 0-9 - $ : / . + between start and stop characters A to D");
    }
    return std::nullopt;
}

std::optional<std::string> shapeProblem(Symbology symbology, std::string_view data) {
    switch (symbology) {
        case Symbology::Ean13: return eanProblem("EAN13", data, 13);
        case Symbology::Bookland:
            if (!data.starts_with("978") && !data.starts_with("979")) return "BOOKLAND starts with 978 or 979";
            return eanProblem("BOOKLAND", data, 13);
        case Symbology::Ean8: return eanProblem("EAN8", data, 8);
        case Symbology::UpcA: return eanProblem("UPCA", data, 12);
        case Symbology::UpcE: return upcEProblem("UPCE", data, '0');
        case Symbology::UpcE1: return upcEProblem("UPCE1", data, '1');
        case Symbology::Rss14:
        case Symbology::RssLimited: return eanProblem(symbologyInfo(symbology).name, data, 14);
        case Symbology::Code39:
        case Symbology::Trioptic39:
            if (!allOf(data, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%")) {
                return std::string(symbologyInfo(symbology).name) + " holds 0-9, A-Z, space and - . $ / + %";
            }
            return std::nullopt;
        case Symbology::Code11:
            if (!allOf(data, "0123456789-")) return "CODE11 holds digits and -";
            return std::nullopt;
        case Symbology::Codabar: return codabarProblem(data);
        case Symbology::Interleaved25:
            if (!isDigits(data) || data.size() % 2 != 0) return "I25 holds an even number of digits";
            return std::nullopt;
        case Symbology::Industrial25:
        case Symbology::Matrix25:
        case Symbology::ItalianPharmacode:
        case Symbology::FrenchPharmacode:
        case Symbology::Msi:
            if (!isDigits(data)) return std::string(symbologyInfo(symbology).name) + " holds digits only";
            return std::nullopt;
        case Symbology::Plessey:
            if (!allOf(data, "0123456789ABCDEF")) return "PLESSEY holds 0-9 and A-F";
            return std::nullopt;
        case Symbology::Code93:
        case Symbology::Code128:
        case Symbology::Ean128:
        case Symbology::Isbt128:
        case Symbology::Telepen:
        case Symbology::RssExpanded:
            if (!isAscii(data)) return std::string(symbologyInfo(symbology).name) + " holds ASCII characters only";
            return std::nullopt;
        default: return std::nullopt;  // the 2D codes hold any bytes
    }
}

}  // namespace

std::span<const SymbologyInfo> symbologies() { return kSymbologies; }

const SymbologyInfo& symbologyInfo(Symbology symbology) {
    return *std::find_if(kSymbologies.begin(), kSymbologies.end(),
                         [&](const SymbologyInfo& info) { return info.symbology == symbology; });
}

std::optional<Symbology> symbologyNamed(std::string_view name) {
    const std::string wanted = normalName(name);
    for (const auto& info : kSymbologies) {
        if (normalName(info.name) == wanted || normalName(info.display) == wanted) return info.symbology;
    }
    if (wanted == "QRCODE") return Symbology::QrCode;
    if (wanted == "INTERLEAVED25" || wanted == "ITF") return Symbology::Interleaved25;
    if (wanted == "DISCRETE25") return Symbology::Industrial25;
    return std::nullopt;
}

std::optional<std::string> barcodeDataProblem(Symbology symbology, std::string_view data) {
    if (data.empty()) return std::string("a barcode holds at least one character");
    if (data.size() > kMaxBarcodeData) {
        return "a barcode holds at most " + std::to_string(kMaxBarcodeData) + " characters";
    }
    if (data.find('\0') != std::string_view::npos) return std::string("a barcode holds no zero byte");
    return shapeProblem(symbology, data);
}

char eanCheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// The six digits of a UPC-E code expand by their last one: 0 to 2 keep the
// manufacturer's first two digits and that digit, 3 and 4 shorter
// manufacturer numbers, 5 to 9 a one-digit product number.
std::string upcEToUpcA(std::string_view upcE) {
    const std::string_view d = upcE.substr(1, 6);
    std::string body(1, upcE[0]);
    switch (d[5]) {
        case '0':
        case '1':
        case '2': body += std::string(d.substr(0, 2)) + d[5] + "0000" + std::string(d.substr(2, 3)); break;
        case '3': body += std::string(d.substr(0, 3)) + "00000" + std::string(d.substr(3, 2)); break;
        case '4': body += std::string(d.substr(0, 4)) + "00000" + d[4]; break;
        default: body += std::string(d.substr(0, 5)) + "0000" + d[5]; break;
    }
    return body + eanCheckDigit(body);
}

}  // namespace tessel::sim
