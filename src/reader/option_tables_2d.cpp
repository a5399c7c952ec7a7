// The option dialogs of the 2D reader and the long-range laser, over
// ReaderSettings.
#include "reader/option_tables.h"

namespace tessel {
namespace {

using namespace option_table;

constexpr BlockBits R(std::size_t byte, BitRange bits) { return readerBits(byte, bits); }
constexpr BlockBits RByte(std::size_t byte) { return wholeByte(ReaderBlock::Reader, byte); }

constexpr int kLengthOptionLabel = 2060;

constexpr OptionEntry kPreambles[] = {{{}, 2070, 0}, {{}, 2071, 1}, {{}, 2072, 2}};
constexpr OptionEntry kSupplementals[] = {{{}, 2075, 0}, {{}, 2076, 1}, {{}, 2077, 2}};
constexpr OptionEntry kLengthOptions[] = {{{}, 2081, 0}, {{}, 2082, 1}, {{}, 2083, 2}, {{}, 2084, 3}};

constexpr OptionControl supplementals() {
    return list("supplementals", "Decode Supplementals :", R(2, kReaderSupplementals), kSupplementals);
}
// The three controls of a length option; the lengths follow in their own bytes.
constexpr OptionControl lengthOption(std::size_t byte, BitRange bits) {
    return list("lengthOption", {}, R(byte, bits), kLengthOptions, OptionRole::LengthOption, kLengthOptionLabel);
}
constexpr OptionControl length1(BlockBits bits) { return number("length1", bits, OptionRole::Length1); }
constexpr OptionControl length2(std::size_t byte) { return number("length2", RByte(byte), OptionRole::Length2); }

// The UPC dialogs clear the two low bits of the enables on OK.
constexpr BlockBits kUpcCleared[] = {R(0, kReaderUpcCleared)};
constexpr BlockBits kCode39Cleared[] = {R(5, kReaderCode39Cleared)};

constexpr OptionControl kUpcA[] = {
    list("preamble", "UPC-A Preamble :", R(1, kReaderUpcAPreamble), kPreambles),
    supplementals(),
    check("transmitChecksum", "Transmit Checksum", R(1, kReaderUpcATransmitChecksum)),
};
constexpr OptionControl kUpcE0[] = {
    list("preamble", "UPC-E0 Preamble :", R(1, kReaderUpcE0Preamble), kPreambles),
    supplementals(),
    check("transmitChecksum", "Transmit Checksum", R(1, kReaderUpcE0TransmitChecksum)),
    check("toUpcA", "Convert UPC-E0 to UPC-A", R(2, kReaderUpcE0ToUpcA)),
};
constexpr OptionControl kUpcE1[] = {
    list("preamble", "UPC-E1 Preamble :", R(1, kReaderUpcE1Preamble), kPreambles),
    supplementals(),
    check("transmitChecksum", "Transmit Checksum", R(2, kReaderUpcE1TransmitChecksum)),
    check("toUpcA", "Convert UPC-E1 to UPC-A", R(2, kReaderUpcE1ToUpcA)),
};
constexpr OptionControl kEan8[] = {
    supplementals(),
    check("toEan13", "Convert EAN8 to EAN13", R(2, kReaderEan8ToEan13)),
};
constexpr OptionControl kCode39[] = {
    check("verifyChecksum", "Verify Checksum", R(5, kReaderCode39VerifyChecksum)),
    check("transmitChecksum", "Transmit Checksum", R(5, kReaderCode39TransmitChecksum)),
    check("fullAscii", "Code 39 Full ASCII", R(6, kReaderCode39FullAscii)),
    lengthOption(5, kReaderCode39LengthOption),
    length1(R(6, kReaderCode39Length1)),
    length2(7),
};
constexpr OptionControl kCode93[] = {
    lengthOption(8, kReaderCode93LengthOption),
    length1(RByte(9)),
    length2(10),
};
constexpr OptionControl kCode11[] = {
    lengthOption(11, kReaderCode11LengthOption),
    length1(RByte(12)),
    length2(13),
};
constexpr OptionControl kDiscrete25[] = {
    lengthOption(17, kReaderDiscrete25LengthOption),
    length1(RByte(18)),
    length2(19),
};

// USS and OPCC are two bits of one byte; choosing one clears the other.
constexpr BlockBits kInterleaved25Verify{ReaderBlock::Reader, 14,
                                         kReaderInterleaved25VerifyUss.mask() | kReaderInterleaved25VerifyOpcc.mask()};
constexpr OptionEntry kVerifyRules[] = {{{}, 2101, 0}, {{}, 2102, 0b100000}, {{}, 2103, 0b000001}};
constexpr OptionControl kInterleaved25[] = {
    list("verifyCheckDigit", "Verify check digit :", kInterleaved25Verify, kVerifyRules, OptionRole::VerifyRule),
    check("transmitChecksum", "Transmit Checksum", R(14, kReaderInterleaved25TransmitChecksum),
          OptionRole::TransmitChecksum),
    check("toEan13", "Convert Interleaved 25 to EAN13", R(14, kReaderInterleaved25ToEan13), OptionRole::ConvertToEan13),
    lengthOption(14, kReaderInterleaved25LengthOption),
    length1(RByte(15)),
    length2(16),
};
constexpr OptionControl kCodabar[] = {
    check("transmitStartStop", "Transmit Start/Stop Character", R(20, kReaderCodabarTransmitStartStop)),
    lengthOption(20, kReaderCodabarLengthOption),
    length1(RByte(21)),
    length2(22),
};
constexpr OptionEntry kCheckDigits[] = {{{}, 2095, 0}, {{}, 2096, 1}};
constexpr OptionEntry kCheckAlgorithms[] = {{{}, 2090, 0}, {{}, 2091, 1}};
constexpr OptionControl kMsi[] = {
    list("checkDigits", "Check Digits :", R(23, kReaderMsiTwoCheckDigits), kCheckDigits, OptionRole::CheckDigits),
    list("checkAlgorithm", "Check Algorithm :", R(23, kReaderMsiSecondMod10), kCheckAlgorithms,
         OptionRole::CheckAlgorithm),
    check("transmitChecksum", "Transmit Checksum", R(23, kReaderMsiTransmitChecksum)),
    lengthOption(23, kReaderMsiLengthOption),
    length1(RByte(24)),
    length2(25),
};
constexpr OptionControl kPostal[] = {
    check("usPostnet", "US Postnet", R(26, kReaderUsPostnet)),
    check("usPlanet", "US Planet", R(26, kReaderUsPlanet)),
    check("usChecksum", "Transmit US Postal Checksum", R(26, kReaderUsPostalChecksum)),
    check("ukPostal", "UK Postal", R(26, kReaderUkPostal)),
    check("ukChecksum", "Transmit UK Postal Checksum", R(26, kReaderUkPostalChecksum)),
    check("japanPostal", "Japan Postal", R(26, kReaderJapanPostal)),
    check("australianPostal", "Australian Postal", R(26, kReaderAustralianPostal)),
    check("dutchPostal", "Dutch Postal", R(26, kReaderDutchPostal)),
};
constexpr OptionControl kRss14[] = {
    check("toUpcEan", "Convert RSS to UPC/EAN", R(28, kReaderRssToUpcEan)),
};

}  // namespace

const OptionDialogTable kOptionDialogs2d[kOptionDialogs2dCount] = {
    {201, true, "UPCA_2D_DLG", "UPC-A Parameters", 1900, kUpcA, kUpcCleared},
    {202, true, "UPCE_2D_DLG", "UPC-E0 Parameters", 1910, kUpcE0, kUpcCleared},
    {203, true, "UPCE1_2D_DLG", "UPC-E1 Parameters", 1920, kUpcE1, kUpcCleared},
    {204, true, "EAN8_2D_DLG", "EAN8 Parameters", 1930, kEan8},
    {210, true, "CODE39_2D_DLG", "Code 39 Parameters", 1940, kCode39, kCode39Cleared},
    {212, true, "CODE93_2D_DLG", "Code 93 Parameters", 1950, kCode93},
    {213, true, "CODE11_2D_DLG", "Code 11 Parameters", 1960, kCode11},
    {214, true, "INDUSTRIAL25_2D_DLG", "Discrete 25 Parameters", 1980, kDiscrete25},
    {215, true, "INTERLEAVE25_2D_DLG", "Interleaved 25 Parameters", 1970, kInterleaved25},
    {216, true, "CODABAR_2D_DLG", "Codabar Parameters", 1990, kCodabar},
    {217, true, "MSI_2D_DLG", "MSI Parameters", 2000, kMsi},
    {218, true, "POSTAL_2D_DLG", "Postal Code Parameters", 2010, kPostal},
    {219, true, "RSS14_2D_DLG", "RSS-14 Parameters", 2020, kRss14},
};

}  // namespace tessel
