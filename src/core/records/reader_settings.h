#pragma once
// Symbology enables and options of the 2D reader and the 1D long-range
// laser, with their illumination, aimer and time-outs. Bytes that pack bits
// of several options are named by their offset. Bits no control edits are
// kept as reserved runs so they survive a round trip through the readable
// export.
//
// A length option is 0 any length, 1 one length, 2 two lengths, 3 a range;
// the two length bytes that follow hold 0..127.
#include <array>
#include <cstddef>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

struct ReaderSettings {
    Byte byte0;
    Byte byte1;
    Byte byte2;
    Byte reserved3;
    Byte byte4;
    Byte byte5;
    Byte byte6;
    Byte code39Length2;
    Byte byte8;
    Byte code93Length1;
    Byte code93Length2;
    Byte byte11;
    Byte code11Length1;
    Byte code11Length2;
    Byte byte14;
    Byte interleaved25Length1;
    Byte interleaved25Length2;
    Byte byte17;
    Byte discrete25Length1;
    Byte discrete25Length2;
    Byte byte20;
    Byte codabarLength1;
    Byte codabarLength2;
    Byte byte23;
    Byte msiLength1;
    Byte msiLength2;
    Byte byte26;
    Byte byte27;
    Byte byte28;
    Byte byte29;
    Byte byte30;
    Byte aimDuration;  // seconds, used by the long-range laser
    Bytes<13> reserved32;
};

static_assert(std::is_trivially_copyable_v<ReaderSettings>);
static_assert(sizeof(ReaderSettings) == 45);
static_assert(offsetof(ReaderSettings, byte0) == 0);
static_assert(offsetof(ReaderSettings, byte1) == 1);
static_assert(offsetof(ReaderSettings, byte2) == 2);
static_assert(offsetof(ReaderSettings, reserved3) == 3);
static_assert(offsetof(ReaderSettings, byte4) == 4);
static_assert(offsetof(ReaderSettings, byte5) == 5);
static_assert(offsetof(ReaderSettings, byte6) == 6);
static_assert(offsetof(ReaderSettings, code39Length2) == 7);
static_assert(offsetof(ReaderSettings, byte8) == 8);
static_assert(offsetof(ReaderSettings, code93Length1) == 9);
static_assert(offsetof(ReaderSettings, code93Length2) == 10);
static_assert(offsetof(ReaderSettings, byte11) == 11);
static_assert(offsetof(ReaderSettings, code11Length1) == 12);
static_assert(offsetof(ReaderSettings, code11Length2) == 13);
static_assert(offsetof(ReaderSettings, byte14) == 14);
static_assert(offsetof(ReaderSettings, interleaved25Length1) == 15);
static_assert(offsetof(ReaderSettings, interleaved25Length2) == 16);
static_assert(offsetof(ReaderSettings, byte17) == 17);
static_assert(offsetof(ReaderSettings, discrete25Length1) == 18);
static_assert(offsetof(ReaderSettings, discrete25Length2) == 19);
static_assert(offsetof(ReaderSettings, byte20) == 20);
static_assert(offsetof(ReaderSettings, codabarLength1) == 21);
static_assert(offsetof(ReaderSettings, codabarLength2) == 22);
static_assert(offsetof(ReaderSettings, byte23) == 23);
static_assert(offsetof(ReaderSettings, msiLength1) == 24);
static_assert(offsetof(ReaderSettings, msiLength2) == 25);
static_assert(offsetof(ReaderSettings, byte26) == 26);
static_assert(offsetof(ReaderSettings, byte27) == 27);
static_assert(offsetof(ReaderSettings, byte28) == 28);
static_assert(offsetof(ReaderSettings, byte29) == 29);
static_assert(offsetof(ReaderSettings, byte30) == 30);
static_assert(offsetof(ReaderSettings, aimDuration) == 31);
static_assert(offsetof(ReaderSettings, reserved32) == 32);

// byte0: UPC and EAN enables.
inline constexpr BitRange kReaderUpcA{"upcA", 7, 1};
inline constexpr BitRange kReaderUpcE0{"upcE0", 6, 1};
inline constexpr BitRange kReaderUpcE1{"upcE1", 5, 1};
inline constexpr BitRange kReaderEan8{"ean8", 4, 1};
inline constexpr BitRange kReaderEan13{"ean13", 3, 1};
inline constexpr BitRange kReaderBooklandEan{"booklandEan", 2, 1};
inline constexpr BitRange kReaderUpcCleared{"upcCleared", 0, 2};  // cleared by the UPC option dialogs
inline constexpr std::array<BitRange, 7> kReaderByte0Bits{{
    kReaderUpcA,
    kReaderUpcE0,
    kReaderUpcE1,
    kReaderEan8,
    kReaderEan13,
    kReaderBooklandEan,
    kReaderUpcCleared,
}};

// byte1: UPC preambles (0 none, 1 system character, 2 system character
// and country code) and checksums.
inline constexpr BitRange kReaderUpcAPreamble{"upcAPreamble", 6, 2};
inline constexpr BitRange kReaderUpcE0Preamble{"upcE0Preamble", 4, 2};
inline constexpr BitRange kReaderUpcE1Preamble{"upcE1Preamble", 2, 2};
inline constexpr BitRange kReaderUpcATransmitChecksum{"upcATransmitChecksum", 1, 1};
inline constexpr BitRange kReaderUpcE0TransmitChecksum{"upcE0TransmitChecksum", 0, 1};
inline constexpr std::array<BitRange, 5> kReaderByte1Bits{{
    kReaderUpcAPreamble,
    kReaderUpcE0Preamble,
    kReaderUpcE1Preamble,
    kReaderUpcATransmitChecksum,
    kReaderUpcE0TransmitChecksum,
}};

// byte2
inline constexpr BitRange kReaderUpcE1TransmitChecksum{"upcE1TransmitChecksum", 7, 1};
inline constexpr BitRange kReaderUpcE0ToUpcA{"upcE0ToUpcA", 6, 1};
inline constexpr BitRange kReaderUpcE1ToUpcA{"upcE1ToUpcA", 5, 1};
inline constexpr BitRange kReaderEan8ToEan13{"ean8ToEan13", 4, 1};
// Shared by UPC-A, UPC-E0, UPC-E1 and EAN8: 0 ignore, 1 only with, 2 with
// supplementals.
inline constexpr BitRange kReaderSupplementals{"supplementals", 1, 3};
inline constexpr std::array<BitRange, 6> kReaderByte2Bits{{
    kReaderUpcE1TransmitChecksum,
    kReaderUpcE0ToUpcA,
    kReaderUpcE1ToUpcA,
    kReaderEan8ToEan13,
    kReaderSupplementals,
    {"reserved0", 0, 1},
}};

// byte4
inline constexpr BitRange kReaderCode128{"code128", 7, 1};
inline constexpr BitRange kReaderEan128{"ean128", 6, 1};
inline constexpr BitRange kReaderIsbt128{"isbt128", 5, 1};
inline constexpr std::array<BitRange, 4> kReaderByte4Bits{{
    kReaderCode128,
    kReaderEan128,
    kReaderIsbt128,
    {"reserved0", 0, 5},
}};

// byte5
inline constexpr BitRange kReaderCode39{"code39", 7, 1};
inline constexpr BitRange kReaderTrioptic39{"trioptic39", 6, 1};
inline constexpr BitRange kReaderCode39Cleared{"code39Cleared", 4, 2};  // cleared by the Code 39 dialog
inline constexpr BitRange kReaderCode39VerifyChecksum{"code39VerifyChecksum", 3, 1};
inline constexpr BitRange kReaderCode39TransmitChecksum{"code39TransmitChecksum", 2, 1};
inline constexpr BitRange kReaderCode39LengthOption{"code39LengthOption", 0, 2};
inline constexpr std::array<BitRange, 6> kReaderByte5Bits{{
    kReaderCode39,
    kReaderTrioptic39,
    kReaderCode39Cleared,
    kReaderCode39VerifyChecksum,
    kReaderCode39TransmitChecksum,
    kReaderCode39LengthOption,
}};

// byte6
inline constexpr BitRange kReaderCode39FullAscii{"code39FullAscii", 7, 1};
inline constexpr BitRange kReaderCode39Length1{"code39Length1", 0, 7};
inline constexpr std::array<BitRange, 2> kReaderByte6Bits{{
    kReaderCode39FullAscii,
    kReaderCode39Length1,
}};

// byte8
inline constexpr BitRange kReaderCode93{"code93", 7, 1};
inline constexpr BitRange kReaderCode93LengthOption{"code93LengthOption", 5, 2};
inline constexpr std::array<BitRange, 3> kReaderByte8Bits{{
    kReaderCode93,
    kReaderCode93LengthOption,
    {"reserved0", 0, 5},
}};

// byte11
inline constexpr BitRange kReaderCode11{"code11", 7, 1};
inline constexpr BitRange kReaderCode11LengthOption{"code11LengthOption", 3, 2};
inline constexpr std::array<BitRange, 4> kReaderByte11Bits{{
    kReaderCode11,
    {"reserved5", 5, 2},
    kReaderCode11LengthOption,
    {"reserved0", 0, 3},
}};

// byte14: Interleaved 25. USS and OPCC are the two check-digit rules; at
// most one is set.
inline constexpr BitRange kReaderInterleaved25{"interleaved25", 7, 1};
inline constexpr BitRange kReaderInterleaved25VerifyUss{"interleaved25VerifyUss", 6, 1};
inline constexpr BitRange kReaderInterleaved25TransmitChecksum{"interleaved25TransmitChecksum", 5, 1};
inline constexpr BitRange kReaderInterleaved25ToEan13{"interleaved25ToEan13", 4, 1};
inline constexpr BitRange kReaderInterleaved25LengthOption{"interleaved25LengthOption", 2, 2};
inline constexpr BitRange kReaderInterleaved25VerifyOpcc{"interleaved25VerifyOpcc", 1, 1};
inline constexpr std::array<BitRange, 7> kReaderByte14Bits{{
    kReaderInterleaved25,
    kReaderInterleaved25VerifyUss,
    kReaderInterleaved25TransmitChecksum,
    kReaderInterleaved25ToEan13,
    kReaderInterleaved25LengthOption,
    kReaderInterleaved25VerifyOpcc,
    {"reserved0", 0, 1},
}};

// byte17
inline constexpr BitRange kReaderDiscrete25{"discrete25", 7, 1};
inline constexpr BitRange kReaderDiscrete25LengthOption{"discrete25LengthOption", 5, 2};
inline constexpr std::array<BitRange, 3> kReaderByte17Bits{{
    kReaderDiscrete25,
    kReaderDiscrete25LengthOption,
    {"reserved0", 0, 5},
}};

// byte20
inline constexpr BitRange kReaderCodabar{"codabar", 7, 1};
inline constexpr BitRange kReaderCodabarTransmitStartStop{"codabarTransmitStartStop", 5, 1};
inline constexpr BitRange kReaderCodabarLengthOption{"codabarLengthOption", 3, 2};
inline constexpr std::array<BitRange, 5> kReaderByte20Bits{{
    kReaderCodabar,
    {"reserved6", 6, 1},
    kReaderCodabarTransmitStartStop,
    kReaderCodabarLengthOption,
    {"reserved0", 0, 3},
}};

// byte23
inline constexpr BitRange kReaderMsi{"msi", 7, 1};
inline constexpr BitRange kReaderMsiTwoCheckDigits{"msiTwoCheckDigits", 6, 1};  // 0 = one
inline constexpr BitRange kReaderMsiTransmitChecksum{"msiTransmitChecksum", 5, 1};
inline constexpr BitRange kReaderMsiSecondMod10{"msiSecondMod10", 4, 1};  // 0 = mod 11
inline constexpr BitRange kReaderMsiLengthOption{"msiLengthOption", 2, 2};
inline constexpr std::array<BitRange, 6> kReaderByte23Bits{{
    kReaderMsi,
    kReaderMsiTwoCheckDigits,
    kReaderMsiTransmitChecksum,
    kReaderMsiSecondMod10,
    kReaderMsiLengthOption,
    {"reserved0", 0, 2},
}};

// byte26: postal codes.
inline constexpr BitRange kReaderUsPostnet{"usPostnet", 7, 1};
inline constexpr BitRange kReaderUsPlanet{"usPlanet", 6, 1};
inline constexpr BitRange kReaderUsPostalChecksum{"usPostalChecksum", 5, 1};
inline constexpr BitRange kReaderUkPostal{"ukPostal", 4, 1};
inline constexpr BitRange kReaderUkPostalChecksum{"ukPostalChecksum", 3, 1};
inline constexpr BitRange kReaderJapanPostal{"japanPostal", 2, 1};
inline constexpr BitRange kReaderAustralianPostal{"australianPostal", 1, 1};
inline constexpr BitRange kReaderDutchPostal{"dutchPostal", 0, 1};
inline constexpr std::array<BitRange, 8> kReaderByte26Bits{{
    kReaderUsPostnet,
    kReaderUsPlanet,
    kReaderUsPostalChecksum,
    kReaderUkPostal,
    kReaderUkPostalChecksum,
    kReaderJapanPostal,
    kReaderAustralianPostal,
    kReaderDutchPostal,
}};

// byte27
inline constexpr BitRange kReaderPostalCodes{"postalCodes", 7, 1};
inline constexpr std::array<BitRange, 2> kReaderByte27Bits{{
    kReaderPostalCodes,
    {"reserved0", 0, 7},
}};

// byte28
inline constexpr BitRange kReaderRss14{"rss14", 7, 1};
inline constexpr BitRange kReaderRssLimited{"rssLimited", 6, 1};
inline constexpr BitRange kReaderRssExpanded{"rssExpanded", 5, 1};
inline constexpr BitRange kReaderRssToUpcEan{"rssToUpcEan", 4, 1};
inline constexpr std::array<BitRange, 5> kReaderByte28Bits{{
    kReaderRss14,
    kReaderRssLimited,
    kReaderRssExpanded,
    kReaderRssToUpcEan,
    {"reserved0", 0, 4},
}};

// byte29: 2D symbologies.
inline constexpr BitRange kReaderPdf417{"pdf417", 7, 1};
inline constexpr BitRange kReaderMicroPdf417{"microPdf417", 6, 1};
inline constexpr BitRange kReaderCode128Emulation{"code128Emulation", 5, 1};
inline constexpr BitRange kReaderDataMatrix{"dataMatrix", 4, 1};
inline constexpr BitRange kReaderMaxicode{"maxicode", 3, 1};
inline constexpr BitRange kReaderQrCode{"qrCode", 2, 1};
inline constexpr std::array<BitRange, 7> kReaderByte29Bits{{
    kReaderPdf417,
    kReaderMicroPdf417,
    kReaderCode128Emulation,
    kReaderDataMatrix,
    kReaderMaxicode,
    kReaderQrCode,
    {"reserved0", 0, 2},
}};

// byte30
inline constexpr BitRange kReaderLedIllumination{"ledIllumination", 5, 3};  // 0 off, 1 internal, 2 external, 3 both
inline constexpr BitRange kReaderAimerPattern{"aimerPattern", 4, 1};
inline constexpr BitRange kReaderReadTimeout{"readTimeout", 0, 4};  // seconds
inline constexpr std::array<BitRange, 3> kReaderByte30Bits{{
    kReaderLedIllumination,
    kReaderAimerPattern,
    kReaderReadTimeout,
}};

inline constexpr std::array<FieldLayout, 33> kReaderSettingsLayout{{
    TESSEL_FIELD(ReaderSettings, byte0, FieldKind::Bits, 1, kReaderByte0Bits),
    TESSEL_FIELD(ReaderSettings, byte1, FieldKind::Bits, 1, kReaderByte1Bits),
    TESSEL_FIELD(ReaderSettings, byte2, FieldKind::Bits, 1, kReaderByte2Bits),
    TESSEL_FIELD(ReaderSettings, reserved3, FieldKind::Bytes),
    TESSEL_FIELD(ReaderSettings, byte4, FieldKind::Bits, 1, kReaderByte4Bits),
    TESSEL_FIELD(ReaderSettings, byte5, FieldKind::Bits, 1, kReaderByte5Bits),
    TESSEL_FIELD(ReaderSettings, byte6, FieldKind::Bits, 1, kReaderByte6Bits),
    TESSEL_FIELD(ReaderSettings, code39Length2, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, byte8, FieldKind::Bits, 1, kReaderByte8Bits),
    TESSEL_FIELD(ReaderSettings, code93Length1, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, code93Length2, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, byte11, FieldKind::Bits, 1, kReaderByte11Bits),
    TESSEL_FIELD(ReaderSettings, code11Length1, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, code11Length2, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, byte14, FieldKind::Bits, 1, kReaderByte14Bits),
    TESSEL_FIELD(ReaderSettings, interleaved25Length1, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, interleaved25Length2, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, byte17, FieldKind::Bits, 1, kReaderByte17Bits),
    TESSEL_FIELD(ReaderSettings, discrete25Length1, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, discrete25Length2, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, byte20, FieldKind::Bits, 1, kReaderByte20Bits),
    TESSEL_FIELD(ReaderSettings, codabarLength1, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, codabarLength2, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, byte23, FieldKind::Bits, 1, kReaderByte23Bits),
    TESSEL_FIELD(ReaderSettings, msiLength1, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, msiLength2, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, byte26, FieldKind::Bits, 1, kReaderByte26Bits),
    TESSEL_FIELD(ReaderSettings, byte27, FieldKind::Bits, 1, kReaderByte27Bits),
    TESSEL_FIELD(ReaderSettings, byte28, FieldKind::Bits, 1, kReaderByte28Bits),
    TESSEL_FIELD(ReaderSettings, byte29, FieldKind::Bits, 1, kReaderByte29Bits),
    TESSEL_FIELD(ReaderSettings, byte30, FieldKind::Bits, 1, kReaderByte30Bits),
    TESSEL_FIELD(ReaderSettings, aimDuration, FieldKind::Number),
    TESSEL_FIELD(ReaderSettings, reserved32, FieldKind::Bytes),
}};

}  // namespace tessel
