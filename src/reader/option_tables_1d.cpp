// The option dialogs of the 1D laser/CCD reader, over SymbologyBlock.
#include "reader/option_tables.h"

namespace tessel {
namespace {

using namespace option_table;

constexpr BlockBits S(std::size_t byte, BitRange bits) { return symbologyBits(byte, bits); }
constexpr BlockBits SByte(std::size_t byte) { return wholeByte(ReaderBlock::Symbology, byte); }

constexpr OptionEntry kStartStop[] = {{"Industrial 25", 0, 0}, {"Interleaved 25", 0, 1}, {"Matrix 25", 0, 2}};
constexpr OptionEntry kQualification[] = {{"Fixed Length", 0, 0}, {"Max / Min Length", 0, 1}};

// The three controls of a length qualification over a symbology's two length
// bytes, the first of which carries the mode.
constexpr OptionControl lengthMode(std::size_t first) {
    return radios("lengthQualification", "Length Qualification", S(first, kSymbologyLengthRange), kQualification,
                  OptionRole::LengthMode);
}
constexpr OptionControl length1(std::size_t first) {
    return number("length1", S(first, kSymbologyLength1), OptionRole::Length1);
}
constexpr OptionControl length2(std::size_t first) { return number("length2", SByte(first + 1), OptionRole::Length2); }

constexpr OptionControl kCode39[] = {
    check("transmitStartStop", "Transmit Start/Stop", S(5, kSymbologyCode39StartStop)),
    check("verifyChecksum", "Verify Checksum", S(5, kSymbologyCode39VerifyChecksum)),
    check("transmitChecksum", "Transmit Checksum", S(5, kSymbologyCode39TransmitChecksum)),
    check("fullAscii", "Code 39 Full ASCII", S(5, kSymbologyCode39FullAscii)),
};
constexpr OptionControl kItalianPharmacode[] = {
    check("transmitChecksum", "Transmit Checksum", S(5, kSymbologyItalianPharmacodeTransmitChecksum)),
};
constexpr OptionControl kFrenchPharmacode[] = {
    check("transmitChecksum", "Transmit Checksum", S(5, kSymbologyFrenchPharmacodeTransmitChecksum)),
};
constexpr OptionControl kIndustrial25[] = {
    radios("startStop", "Start/Stop Selection", S(6, kSymbologyIndustrial25StartStop), kStartStop),
    check("verifyChecksum", "Verify Checksum", S(6, kSymbologyIndustrial25VerifyChecksum)),
    check("transmitChecksum", "Transmit Checksum", S(6, kSymbologyIndustrial25TransmitChecksum)),
    lengthMode(12),
    length1(12),
    length2(12),
};
constexpr OptionControl kInterleaved25[] = {
    radios("startStop", "Start/Stop Selection", S(6, kSymbologyInterleaved25StartStop), kStartStop),
    check("verifyChecksum", "Verify Checksum", S(5, kSymbologyInterleaved25VerifyChecksum)),
    check("transmitChecksum", "Transmit Checksum", S(5, kSymbologyInterleaved25TransmitChecksum)),
    lengthMode(14),
    length1(14),
    length2(14),
};
constexpr OptionControl kMatrix25[] = {
    radios("startStop", "Start/Stop Selection", S(7, kSymbologyMatrix25StartStop), kStartStop),
    check("verifyChecksum", "Verify Checksum", S(6, kSymbologyMatrix25VerifyChecksum)),
    check("transmitChecksum", "Transmit Checksum", S(6, kSymbologyMatrix25TransmitChecksum)),
    lengthMode(16),
    length1(16),
    length2(16),
};

// "None" clears the transmit bit and the pair; every pair sets the transmit bit.
// Without the transmit bit no pair is sent, so "None" is what the dialog shows
// for it whatever pair is stored.
constexpr BlockBits kCodabarStartStop{
    ReaderBlock::Symbology, 7, kSymbologyCodabarStartStopPair.mask() | kSymbologyCodabarTransmitStartStop.mask()};
constexpr unsigned kCodabarTransmit = 0b001;
constexpr OptionEntry kCodabarPairs[] = {
    {"None", 0, 0, kCodabarTransmit}, {"abcd / abcd", 0, 0b001}, {"abcd / tn*e", 0, 0b011},
    {"ABCD / ABCD", 0, 0b101},        {"ABCD / TN*E", 0, 0b111},
};
constexpr OptionControl kCodabar[] = {
    radios("startStopCharacter", "Start/Stop Character", kCodabarStartStop, kCodabarPairs),
};

constexpr OptionEntry kMsiVerification[] = {
    {"Single Modulo 10", 0, 0}, {"Double Modulo 10", 0, 1}, {"Modulo 11 && 10", 0, 2}};
constexpr OptionEntry kMsiTransmission[] = {
    {"Last digit not transmitted", 0, 0}, {"Transmitted", 0, 1}, {"Last 2 digits not transmitted", 0, 2}};
constexpr OptionControl kMsi[] = {
    radios("checksumVerification", "Checksum Verification", S(9, kSymbologyMsiChecksumVerification), kMsiVerification),
    radios("checksumTransmission", "Checksum Transmission", S(9, kSymbologyMsiChecksumTransmission), kMsiTransmission),
    lengthMode(18),
    length1(18),
    length2(18),
};
constexpr OptionControl kPlessey[] = {
    check("toUkPlessey", "Convert to UK Plessey", S(9, kSymbologyPlesseyToUkPlessey)),
    check("transmitChecksum", "Transmit Checksum", S(9, kSymbologyPlesseyTransmitChecksum)),
};
constexpr OptionControl kUpcE[] = {
    check("toUpcA", "Convert to UPC-A", S(9, kSymbologyUpcEToUpcA)),
    check("transmitSystemNumber", "Transmit System Number", S(10, kSymbologyUpcESystemNumber)),
    check("transmitChecksum", "Transmit Checksum", S(10, kSymbologyUpcETransmitChecksum)),
};
constexpr OptionControl kEan8[] = {
    check("toEan13", "Convert to EAN13", S(11, kSymbologyEan8ToEan13)),
    check("transmitChecksum", "Transmit Checksum", S(10, kSymbologyEan8TransmitChecksum)),
};
constexpr OptionControl kEan13[] = {
    check("isbn", "ISBN Conversion", S(10, kSymbologyEan13Isbn)),
    check("issn", "ISSN Conversion", S(10, kSymbologyEan13Issn)),
    check("transmitChecksum", "Transmit Checksum", S(10, kSymbologyEan13TransmitChecksum)),
    check("upcASystemNumber", "Transmit UPC-A System Number", S(10, kSymbologyUpcASystemNumber)),
    check("upcAChecksum", "Transmit UPC-A Checksum", S(10, kSymbologyUpcATransmitChecksum)),
    check("upcAToEan13", "Convert UPC-A to EAN 13", S(9, kSymbologyUpcAToEan13)),
};
constexpr OptionEntry kTelepenVariants[] = {{"Original Telepen  (Numeric)", 0, 1}, {"AIM Telepen  (Full ASCII)", 0, 0}};
constexpr OptionControl kTelepen[] = {
    radios("variant", "", S(2, kSymbologyTelepenNumeric), kTelepenVariants),
};
constexpr OptionControl kRss14[] = {
    check("transmitCodeId", "Transmit Code ID", S(3, kSymbologyRss14CodeId)),
    check("transmitApplicationId", "Transmit Application ID", S(3, kSymbologyRss14ApplicationId)),
    check("transmitCheckDigit", "Transmit Check Digit", S(3, kSymbologyRss14CheckDigit)),
};
constexpr OptionControl kRssLimited[] = {
    check("transmitCodeId", "Transmit Code ID", S(3, kSymbologyRssLimitedCodeId)),
    check("transmitApplicationId", "Transmit Application ID", S(3, kSymbologyRssLimitedApplicationId)),
    check("transmitCheckDigit", "Transmit Check Digit", S(3, kSymbologyRssLimitedCheckDigit)),
};
constexpr OptionControl kRssExpanded[] = {
    check("transmitCodeId", "Transmit Code ID", S(4, kSymbologyRssExpandedCodeId)),
};
constexpr OptionControl kEan128[] = {
    check("transmitCodeId", "Transmit Code ID", S(22, kSymbologyEan128NoCodeId), true),
    {OptionKind::Separator, "fieldSeparator", "Field Separator Replacement :",
     wholeByte(ReaderBlock::Settings, offsetof(SystemSettings, fieldSeparatorReplacement))},
};

}  // namespace

const OptionDialogTable kOptionDialogs1d[kOptionDialogs1dCount] = {
    {201, false, "Code39Dlg", "Code 39 Parameters", 361, kCode39},
    {202, false, "ItalyPharmaDlg", "Italian Pharmacode Parameters", 371, kItalianPharmacode},
    {203, false, "FrenchPharmaDlg", "French Pharmacode Parameters", 381, kFrenchPharmacode},
    {204, false, "Industrial25Dlg", "Industrial 25 Parameters", 391, kIndustrial25, {}, 401},
    {205, false, "Interleave25Dlg", "Interleaved 25 Parameters", 411, kInterleaved25, {}, 421},
    {206, false, "Matrix25Dlg", "Matrix 25 Parameters", 431, kMatrix25, {}, 441},
    {207, false, "CodabarDlg", "Codabar Parameters", 451, kCodabar},
    {208, false, "MSIDlg", "MSI Parameters", 471, kMsi, {}, 483},
    {209, false, "PlesseyDlg", "Plessey Parameters", 491, kPlessey},
    {210, false, "UPCEDlg", "UPC-E Parameters", 501, kUpcE},
    {213, false, "EAN8Dlg", "EAN 8 Parameters", 511, kEan8},
    {216, false, "EAN13Dlg", "EAN 13 and UPC-A Parameters", 521, kEan13},
    {219, false, "TelepenDlg", "Telepen Parameters", 541, kTelepen},
    {220, false, "RSS14Dlg", "RSS-14 Parameters", 551, kRss14},
    {221, false, "RSS14LimitedDlg", "RSS Limited Parameters", 561, kRssLimited},
    {222, false, "RSS14ExpandedDlg", "RSS Expanded Parameters", 571, kRssExpanded},
    {225, false, "EAN128Dlg", "EAN128 Parameters", 581, kEan128},
};

}  // namespace tessel
