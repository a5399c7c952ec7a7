#pragma once
// Symbology enables and options of the 1D laser/CCD reader. Most bytes pack
// bits of several symbologies, so those bytes are named by their offset.
// Bits no control edits are kept as reserved runs so they survive a round
// trip through the readable export.
#include <array>
#include <cstddef>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

struct SymbologyBlock {
    Byte byte0;
    Byte byte1;
    Byte byte2;
    Byte byte3;
    Byte byte4;
    Byte byte5;
    Byte byte6;
    Byte byte7;
    Byte reserved8;
    Byte byte9;
    Byte byte10;
    Byte byte11;
    // Each symbology with length qualification has two bytes: the first is
    // kSymbologyLengthBits, the second the minimum (or second fixed) length.
    Byte industrial25Length1;
    Byte industrial25Length2;
    Byte interleaved25Length1;
    Byte interleaved25Length2;
    Byte matrix25Length1;
    Byte matrix25Length2;
    Byte msiLength1;
    Byte msiLength2;
    Byte byte20;
    Byte readTimeout;  // seconds, 1..255
    Byte byte22;
};

static_assert(std::is_trivially_copyable_v<SymbologyBlock>);
static_assert(sizeof(SymbologyBlock) == 23);
static_assert(offsetof(SymbologyBlock, byte0) == 0);
static_assert(offsetof(SymbologyBlock, byte1) == 1);
static_assert(offsetof(SymbologyBlock, byte2) == 2);
static_assert(offsetof(SymbologyBlock, byte3) == 3);
static_assert(offsetof(SymbologyBlock, byte4) == 4);
static_assert(offsetof(SymbologyBlock, byte5) == 5);
static_assert(offsetof(SymbologyBlock, byte6) == 6);
static_assert(offsetof(SymbologyBlock, byte7) == 7);
static_assert(offsetof(SymbologyBlock, reserved8) == 8);
static_assert(offsetof(SymbologyBlock, byte9) == 9);
static_assert(offsetof(SymbologyBlock, byte10) == 10);
static_assert(offsetof(SymbologyBlock, byte11) == 11);
static_assert(offsetof(SymbologyBlock, industrial25Length1) == 12);
static_assert(offsetof(SymbologyBlock, industrial25Length2) == 13);
static_assert(offsetof(SymbologyBlock, interleaved25Length1) == 14);
static_assert(offsetof(SymbologyBlock, interleaved25Length2) == 15);
static_assert(offsetof(SymbologyBlock, matrix25Length1) == 16);
static_assert(offsetof(SymbologyBlock, matrix25Length2) == 17);
static_assert(offsetof(SymbologyBlock, msiLength1) == 18);
static_assert(offsetof(SymbologyBlock, msiLength2) == 19);
static_assert(offsetof(SymbologyBlock, byte20) == 20);
static_assert(offsetof(SymbologyBlock, readTimeout) == 21);
static_assert(offsetof(SymbologyBlock, byte22) == 22);

// byte0: one enable bit per symbology.
inline constexpr BitRange kSymbologyCode39{"code39", 7, 1};
inline constexpr BitRange kSymbologyItalianPharmacode{"italianPharmacode", 6, 1};
inline constexpr BitRange kSymbologyFrenchPharmacode{"frenchPharmacode", 5, 1};
inline constexpr BitRange kSymbologyIndustrial25{"industrial25", 4, 1};
inline constexpr BitRange kSymbologyInterleaved25{"interleaved25", 3, 1};
inline constexpr BitRange kSymbologyMatrix25{"matrix25", 2, 1};
inline constexpr BitRange kSymbologyCodabar{"codabar", 1, 1};
inline constexpr BitRange kSymbologyCode93{"code93", 0, 1};
inline constexpr std::array<BitRange, 8> kSymbologyByte0Bits{{
    kSymbologyCode39,
    kSymbologyItalianPharmacode,
    kSymbologyFrenchPharmacode,
    kSymbologyIndustrial25,
    kSymbologyInterleaved25,
    kSymbologyMatrix25,
    kSymbologyCodabar,
    kSymbologyCode93,
}};

// byte1: enable bits.
inline constexpr BitRange kSymbologyCode128OrEan128{"code128OrEan128", 7, 1};
inline constexpr BitRange kSymbologyUpcE{"upcE", 6, 1};
inline constexpr BitRange kSymbologyUpcEAddon2{"upcEAddon2", 5, 1};
inline constexpr BitRange kSymbologyUpcEAddon5{"upcEAddon5", 4, 1};
inline constexpr BitRange kSymbologyEan8{"ean8", 3, 1};
inline constexpr BitRange kSymbologyEan8Addon2{"ean8Addon2", 2, 1};
inline constexpr BitRange kSymbologyEan8Addon5{"ean8Addon5", 1, 1};
inline constexpr BitRange kSymbologyEan13UpcA{"ean13UpcA", 0, 1};
inline constexpr std::array<BitRange, 8> kSymbologyByte1Bits{{
    kSymbologyCode128OrEan128,
    kSymbologyUpcE,
    kSymbologyUpcEAddon2,
    kSymbologyUpcEAddon5,
    kSymbologyEan8,
    kSymbologyEan8Addon2,
    kSymbologyEan8Addon5,
    kSymbologyEan13UpcA,
}};

// byte2: enable bits and the Telepen variant.
inline constexpr BitRange kSymbologyEan13Addon2{"ean13Addon2", 7, 1};
inline constexpr BitRange kSymbologyEan13Addon5{"ean13Addon5", 6, 1};
inline constexpr BitRange kSymbologyMsi{"msi", 5, 1};
inline constexpr BitRange kSymbologyPlessey{"plessey", 4, 1};
inline constexpr BitRange kSymbologyTelepen{"telepen", 2, 1};
inline constexpr BitRange kSymbologyTelepenNumeric{"telepenNumeric", 1, 1};  // 0 = full ASCII
inline constexpr BitRange kSymbologyRssLimited{"rssLimited", 0, 1};
inline constexpr std::array<BitRange, 8> kSymbologyByte2Bits{{
    kSymbologyEan13Addon2,
    kSymbologyEan13Addon5,
    kSymbologyMsi,
    kSymbologyPlessey,
    {"reserved3", 3, 1},
    kSymbologyTelepen,
    kSymbologyTelepenNumeric,
    kSymbologyRssLimited,
}};

// byte3: RSS enables and what RSS-14 and RSS Limited transmit.
inline constexpr BitRange kSymbologyRssExpanded{"rssExpanded", 7, 1};
inline constexpr BitRange kSymbologyRss14{"rss14", 6, 1};
inline constexpr BitRange kSymbologyRss14CodeId{"rss14CodeId", 5, 1};
inline constexpr BitRange kSymbologyRss14ApplicationId{"rss14ApplicationId", 4, 1};
inline constexpr BitRange kSymbologyRss14CheckDigit{"rss14CheckDigit", 3, 1};
inline constexpr BitRange kSymbologyRssLimitedCodeId{"rssLimitedCodeId", 2, 1};
inline constexpr BitRange kSymbologyRssLimitedApplicationId{"rssLimitedApplicationId", 1, 1};
inline constexpr BitRange kSymbologyRssLimitedCheckDigit{"rssLimitedCheckDigit", 0, 1};
inline constexpr std::array<BitRange, 8> kSymbologyByte3Bits{{
    kSymbologyRssExpanded,
    kSymbologyRss14,
    kSymbologyRss14CodeId,
    kSymbologyRss14ApplicationId,
    kSymbologyRss14CheckDigit,
    kSymbologyRssLimitedCodeId,
    kSymbologyRssLimitedApplicationId,
    kSymbologyRssLimitedCheckDigit,
}};

// byte4
inline constexpr BitRange kSymbologyRssExpandedCodeId{"rssExpandedCodeId", 7, 1};
inline constexpr std::array<BitRange, 2> kSymbologyByte4Bits{{
    kSymbologyRssExpandedCodeId,
    {"reserved0", 0, 7},
}};

// byte5: checksum and format options.
inline constexpr BitRange kSymbologyCode39StartStop{"code39StartStop", 7, 1};
inline constexpr BitRange kSymbologyCode39VerifyChecksum{"code39VerifyChecksum", 6, 1};
inline constexpr BitRange kSymbologyCode39TransmitChecksum{"code39TransmitChecksum", 5, 1};
inline constexpr BitRange kSymbologyCode39FullAscii{"code39FullAscii", 4, 1};
inline constexpr BitRange kSymbologyItalianPharmacodeTransmitChecksum{"italianPharmacodeTransmitChecksum", 3, 1};
inline constexpr BitRange kSymbologyFrenchPharmacodeTransmitChecksum{"frenchPharmacodeTransmitChecksum", 2, 1};
inline constexpr BitRange kSymbologyInterleaved25VerifyChecksum{"interleaved25VerifyChecksum", 1, 1};
inline constexpr BitRange kSymbologyInterleaved25TransmitChecksum{"interleaved25TransmitChecksum", 0, 1};
inline constexpr std::array<BitRange, 8> kSymbologyByte5Bits{{
    kSymbologyCode39StartStop,
    kSymbologyCode39VerifyChecksum,
    kSymbologyCode39TransmitChecksum,
    kSymbologyCode39FullAscii,
    kSymbologyItalianPharmacodeTransmitChecksum,
    kSymbologyFrenchPharmacodeTransmitChecksum,
    kSymbologyInterleaved25VerifyChecksum,
    kSymbologyInterleaved25TransmitChecksum,
}};

// byte6: 2 of 5 checksums and start/stop selections (0 industrial,
// 1 interleaved, 2 matrix).
inline constexpr BitRange kSymbologyIndustrial25VerifyChecksum{"industrial25VerifyChecksum", 7, 1};
inline constexpr BitRange kSymbologyIndustrial25TransmitChecksum{"industrial25TransmitChecksum", 6, 1};
inline constexpr BitRange kSymbologyMatrix25VerifyChecksum{"matrix25VerifyChecksum", 5, 1};
inline constexpr BitRange kSymbologyMatrix25TransmitChecksum{"matrix25TransmitChecksum", 4, 1};
inline constexpr BitRange kSymbologyInterleaved25StartStop{"interleaved25StartStop", 2, 2};
inline constexpr BitRange kSymbologyIndustrial25StartStop{"industrial25StartStop", 0, 2};
inline constexpr std::array<BitRange, 6> kSymbologyByte6Bits{{
    kSymbologyIndustrial25VerifyChecksum,
    kSymbologyIndustrial25TransmitChecksum,
    kSymbologyMatrix25VerifyChecksum,
    kSymbologyMatrix25TransmitChecksum,
    kSymbologyInterleaved25StartStop,
    kSymbologyIndustrial25StartStop,
}};

// byte7
inline constexpr BitRange kSymbologyMatrix25StartStop{"matrix25StartStop", 6, 2};        // as byte6
inline constexpr BitRange kSymbologyCodabarStartStopPair{"codabarStartStopPair", 4, 2};  // 0..3
inline constexpr BitRange kSymbologyCodabarTransmitStartStop{"codabarTransmitStartStop", 3, 1};
inline constexpr std::array<BitRange, 4> kSymbologyByte7Bits{{
    kSymbologyMatrix25StartStop,
    kSymbologyCodabarStartStopPair,
    kSymbologyCodabarTransmitStartStop,
    {"reserved0", 0, 3},
}};

// byte9
// MSI verification: 0 single mod 10, 1 double mod 10, 2 mod 11 and 10.
inline constexpr BitRange kSymbologyMsiChecksumVerification{"msiChecksumVerification", 6, 2};
// MSI transmission: 0 last digit kept back, 1 transmitted, 2 last two kept back.
inline constexpr BitRange kSymbologyMsiChecksumTransmission{"msiChecksumTransmission", 4, 2};
inline constexpr BitRange kSymbologyPlesseyTransmitChecksum{"plesseyTransmitChecksum", 3, 1};
inline constexpr BitRange kSymbologyPlesseyToUkPlessey{"plesseyToUkPlessey", 2, 1};
inline constexpr BitRange kSymbologyUpcEToUpcA{"upcEToUpcA", 1, 1};
inline constexpr BitRange kSymbologyUpcAToEan13{"upcAToEan13", 0, 1};
inline constexpr std::array<BitRange, 6> kSymbologyByte9Bits{{
    kSymbologyMsiChecksumVerification,
    kSymbologyMsiChecksumTransmission,
    kSymbologyPlesseyTransmitChecksum,
    kSymbologyPlesseyToUkPlessey,
    kSymbologyUpcEToUpcA,
    kSymbologyUpcAToEan13,
}};

// byte10: UPC and EAN options.
inline constexpr BitRange kSymbologyEan13Isbn{"ean13Isbn", 7, 1};
inline constexpr BitRange kSymbologyEan13Issn{"ean13Issn", 6, 1};
inline constexpr BitRange kSymbologyUpcETransmitChecksum{"upcETransmitChecksum", 5, 1};
inline constexpr BitRange kSymbologyUpcATransmitChecksum{"upcATransmitChecksum", 4, 1};
inline constexpr BitRange kSymbologyEan8TransmitChecksum{"ean8TransmitChecksum", 3, 1};
inline constexpr BitRange kSymbologyEan13TransmitChecksum{"ean13TransmitChecksum", 2, 1};
inline constexpr BitRange kSymbologyUpcESystemNumber{"upcESystemNumber", 1, 1};
inline constexpr BitRange kSymbologyUpcASystemNumber{"upcASystemNumber", 0, 1};
inline constexpr std::array<BitRange, 8> kSymbologyByte10Bits{{
    kSymbologyEan13Isbn,
    kSymbologyEan13Issn,
    kSymbologyUpcETransmitChecksum,
    kSymbologyUpcATransmitChecksum,
    kSymbologyEan8TransmitChecksum,
    kSymbologyEan13TransmitChecksum,
    kSymbologyUpcESystemNumber,
    kSymbologyUpcASystemNumber,
}};

// byte11
inline constexpr BitRange kSymbologyEan8ToEan13{"ean8ToEan13", 7, 1};
inline constexpr BitRange kSymbologyNegativeBarcode{"negativeBarcode", 4, 1};
inline constexpr BitRange kSymbologyReadRedundancy{"readRedundancy", 2, 2};  // extra reads 0..3
inline constexpr std::array<BitRange, 5> kSymbologyByte11Bits{{
    kSymbologyEan8ToEan13,
    {"reserved5", 5, 2},
    kSymbologyNegativeBarcode,
    kSymbologyReadRedundancy,
    {"reserved0", 0, 2},
}};

// First length byte of a length-qualified symbology.
inline constexpr BitRange kSymbologyLengthRange{"lengthRange", 7, 1};  // 1 = max/min, 0 = two fixed lengths
inline constexpr BitRange kSymbologyLength1{"length1", 0, 7};          // maximum, or first fixed length
inline constexpr std::array<BitRange, 2> kSymbologyLengthBits{{
    kSymbologyLengthRange,
    kSymbologyLength1,
}};

// byte20
inline constexpr BitRange kSymbologyScanMode{"scanMode", 4, 4};  // 0..8
inline constexpr std::array<BitRange, 2> kSymbologyByte20Bits{{
    kSymbologyScanMode,
    {"reserved0", 0, 4},
}};

// byte22: the Code 128 enable lives here twice (bits 7 and 4, written
// together); byte1 bit 7 tells whether either Code 128 or EAN128 is on.
inline constexpr BitRange kSymbologyCode128{"code128", 7, 1};
inline constexpr BitRange kSymbologyEan128{"ean128", 6, 1};
inline constexpr BitRange kSymbologyEan128NoCodeId{"ean128NoCodeId", 5, 1};
inline constexpr BitRange kSymbologyCode128Copy{"code128Copy", 4, 1};
inline constexpr std::array<BitRange, 5> kSymbologyByte22Bits{{
    kSymbologyCode128,
    kSymbologyEan128,
    kSymbologyEan128NoCodeId,
    kSymbologyCode128Copy,
    {"reserved0", 0, 4},
}};

inline constexpr std::array<FieldLayout, 23> kSymbologyBlockLayout{{
    TESSEL_FIELD(SymbologyBlock, byte0, FieldKind::Bits, 1, kSymbologyByte0Bits),
    TESSEL_FIELD(SymbologyBlock, byte1, FieldKind::Bits, 1, kSymbologyByte1Bits),
    TESSEL_FIELD(SymbologyBlock, byte2, FieldKind::Bits, 1, kSymbologyByte2Bits),
    TESSEL_FIELD(SymbologyBlock, byte3, FieldKind::Bits, 1, kSymbologyByte3Bits),
    TESSEL_FIELD(SymbologyBlock, byte4, FieldKind::Bits, 1, kSymbologyByte4Bits),
    TESSEL_FIELD(SymbologyBlock, byte5, FieldKind::Bits, 1, kSymbologyByte5Bits),
    TESSEL_FIELD(SymbologyBlock, byte6, FieldKind::Bits, 1, kSymbologyByte6Bits),
    TESSEL_FIELD(SymbologyBlock, byte7, FieldKind::Bits, 1, kSymbologyByte7Bits),
    TESSEL_FIELD(SymbologyBlock, reserved8, FieldKind::Bytes),
    TESSEL_FIELD(SymbologyBlock, byte9, FieldKind::Bits, 1, kSymbologyByte9Bits),
    TESSEL_FIELD(SymbologyBlock, byte10, FieldKind::Bits, 1, kSymbologyByte10Bits),
    TESSEL_FIELD(SymbologyBlock, byte11, FieldKind::Bits, 1, kSymbologyByte11Bits),
    TESSEL_FIELD(SymbologyBlock, industrial25Length1, FieldKind::Bits, 1, kSymbologyLengthBits),
    TESSEL_FIELD(SymbologyBlock, industrial25Length2, FieldKind::Number),
    TESSEL_FIELD(SymbologyBlock, interleaved25Length1, FieldKind::Bits, 1, kSymbologyLengthBits),
    TESSEL_FIELD(SymbologyBlock, interleaved25Length2, FieldKind::Number),
    TESSEL_FIELD(SymbologyBlock, matrix25Length1, FieldKind::Bits, 1, kSymbologyLengthBits),
    TESSEL_FIELD(SymbologyBlock, matrix25Length2, FieldKind::Number),
    TESSEL_FIELD(SymbologyBlock, msiLength1, FieldKind::Bits, 1, kSymbologyLengthBits),
    TESSEL_FIELD(SymbologyBlock, msiLength2, FieldKind::Number),
    TESSEL_FIELD(SymbologyBlock, byte20, FieldKind::Bits, 1, kSymbologyByte20Bits),
    TESSEL_FIELD(SymbologyBlock, readTimeout, FieldKind::Number),
    TESSEL_FIELD(SymbologyBlock, byte22, FieldKind::Bits, 1, kSymbologyByte22Bits),
}};

}  // namespace tessel
