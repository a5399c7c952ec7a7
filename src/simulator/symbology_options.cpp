// The symbology options of the 1D reader (SymbologyBlock) and of the 2D
// reader (ReaderSettings) where they change the data the terminal receives.
// Scan mode, redundancy, time-outs, illumination and the aimer are matters
// of the reader's hardware and change nothing here.
#include <array>

#include "reader/reader_type.h"
#include "simulator/check_digit.h"
#include "simulator/reader_model.h"

namespace tessel::sim {
namespace {

constexpr std::string_view kCode39Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr int kIsbnMethod = 4;  // MOD 11 with the weights 2, 3, ... from the right

class Options {
public:
    explicit Options(const Definition& definition) : definition_(definition) {}

    bool s(std::size_t byte, BitRange bit) const { return value(symbologyBits(byte, bit)) != 0; }
    bool r(std::size_t byte, BitRange bit) const { return value(readerBits(byte, bit)) != 0; }
    unsigned value(const BlockBits& bits) const { return readBits(definition_, bits); }
    Byte symbologyByte(std::size_t byte) const { return blockByte(definition_, ReaderBlock::Symbology, byte); }
    Byte readerByte(std::size_t byte) const { return blockByte(definition_, ReaderBlock::Reader, byte); }

private:
    const Definition& definition_;
};

std::string dropFirst(std::string data) { return data.empty() ? data : data.substr(1); }
std::string dropLast(std::string data, std::size_t count = 1) {
    return data.substr(0, data.size() > count ? data.size() - count : 0);
}

// The 1D length qualification: a maximum and minimum, or two fixed lengths.
bool fitsLengths1d(Byte first, Byte second, std::size_t length) {
    const auto n = static_cast<unsigned>(length);
    const unsigned length1 = kSymbologyLength1.get(first);
    if (kSymbologyLengthRange.get(first) != 0) return n >= second && n <= length1;
    return n == length1 || n == second;
}

// The 2D length option: any length, one length, two lengths, a range.
bool fitsLengths2d(unsigned option, unsigned length1, unsigned length2, std::size_t length) {
    const auto n = static_cast<unsigned>(length);
    switch (option) {
        case 1: return n == length1;
        case 2: return n == length1 || n == length2;
        case 3: return n >= length1 && n <= length2;
        default: return true;
    }
}

bool hasMod10Check(const std::string& data) {
    return data.size() >= 2 && data.back() == eanCheckDigit(std::string_view(data).substr(0, data.size() - 1));
}

bool hasCode39Check(const std::string& data) {
    if (data.size() < 2) return false;
    std::size_t sum = 0;
    for (std::size_t i = 0; i + 1 < data.size(); ++i) sum += kCode39Characters.find(data[i]);
    return kCode39Characters[sum % 43] == data.back();
}

// Full ASCII Code 39: a shift character ($ % / +) and a letter stand for one
// character; nothing when the pair stands for none.
std::optional<char> fullAsciiCharacter(char shift, char letter) {
    static constexpr std::string_view kPercent = "\x1B\x1C\x1D\x1E\x1F;<=>?[\\]^_{|}~\x7F";
    if (letter < 'A' || letter > 'Z') return std::nullopt;
    const int n = letter - 'A';
    switch (shift) {
        case '+': return static_cast<char>('a' + n);
        case '$': return static_cast<char>(1 + n);
        case '/':
            if (letter == 'Z') return ':';
            if (n < 15) return static_cast<char>('!' + n);
            return std::nullopt;
        case '%':
            if (n < 20) return kPercent[static_cast<std::size_t>(n)];
            if (letter == 'V') return '@';
            if (letter == 'W') return '`';
            return '\x7F';
        default: return std::nullopt;
    }
}

std::string fullAscii(const std::string& data) {
    std::string result;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto c = i + 1 < data.size() ? fullAsciiCharacter(data[i], data[i + 1]) : std::nullopt;
        result.push_back(c ? *c : data[i]);
        if (c) ++i;
    }
    return result;
}

// Codabar's start and stop characters as the chosen pair writes them:
// abcd/abcd, abcd/tn*e, ABCD/ABCD or ABCD/TN*E.
std::string codabarEnds(std::string data, unsigned pair) {
    static constexpr std::string_view kAbcd = "ABCD";
    static constexpr std::string_view kTne = "TN*E";
    auto indexOf = [](char c) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const auto at = kAbcd.find(upper);
        return at != std::string_view::npos ? at : kTne.find(upper);
    };
    const bool lower = pair < 2;
    const bool tne = pair % 2 == 1;
    auto write = [&](char c, bool stop) {
        const char base = (stop && tne ? kTne : kAbcd)[indexOf(c) % 4];
        return lower ? static_cast<char>(std::tolower(static_cast<unsigned char>(base))) : base;
    };
    data.front() = write(data.front(), false);
    data.back() = write(data.back(), true);
    return data;
}

std::string stripEnds(const std::string& data) { return data.substr(1, data.size() - 2); }

// EAN-13 on the 1D reader: ISBN and ISSN conversion, the check digit.
std::string ean13Data1d(const Options& o, std::string data) {
    if (o.s(10, kSymbologyEan13Isbn) && data.starts_with("978")) {
        const std::string nine = data.substr(3, 9);
        return nine + *checkCharacter(kIsbnMethod, nine);
    }
    if (o.s(10, kSymbologyEan13Issn) && data.starts_with("977")) {
        const std::string seven = data.substr(3, 7);
        return seven + *checkCharacter(kIsbnMethod, seven);
    }
    return o.s(10, kSymbologyEan13TransmitChecksum) ? data : dropLast(data);
}

std::string upcAData1d(const Options& o, std::string data) {
    if (o.s(9, kSymbologyUpcAToEan13)) return ean13Data1d(o, "0" + data);
    if (!o.s(10, kSymbologyUpcATransmitChecksum)) data = dropLast(data);
    return o.s(10, kSymbologyUpcASystemNumber) ? data : dropFirst(data);
}

std::optional<std::string> twoOfFive1d(const Options& o, std::string data, BitRange verify, BitRange transmit,
                                       std::size_t optionByte, std::size_t lengthByte) {
    if (!fitsLengths1d(o.symbologyByte(lengthByte), o.symbologyByte(lengthByte + 1), data.size())) {
        return std::nullopt;
    }
    if (!o.s(optionByte, verify)) return data;
    if (!hasMod10Check(data)) return std::nullopt;
    return o.s(optionByte, transmit) ? data : dropLast(data);
}

std::optional<std::string> code39Data(std::string data, bool verify, bool transmit, bool ascii) {
    if (verify) {
        if (!hasCode39Check(data)) return std::nullopt;
        if (!transmit) data = dropLast(data);
    }
    return ascii ? fullAscii(data) : data;
}

std::string rssData(const Options& o, std::string data, BitRange codeId, BitRange applicationId, BitRange check) {
    if (!o.s(3, check)) data = dropLast(data);
    if (o.s(3, applicationId)) data = "01" + data;
    return o.s(3, codeId) ? "]e0" + data : data;
}

std::optional<std::string> options1d(const Options& o, Symbology symbology, std::string data) {
    switch (symbology) {
        case Symbology::Ean13:
        case Symbology::Bookland: return ean13Data1d(o, data);
        case Symbology::UpcA: return upcAData1d(o, data);
        case Symbology::UpcE:
            if (o.s(9, kSymbologyUpcEToUpcA)) return upcAData1d(o, upcEToUpcA(data));
            if (!o.s(10, kSymbologyUpcETransmitChecksum)) data = dropLast(data);
            return o.s(10, kSymbologyUpcESystemNumber) ? data : dropFirst(data);
        case Symbology::Ean8:
            if (o.s(11, kSymbologyEan8ToEan13)) return ean13Data1d(o, "00000" + data);
            return o.s(10, kSymbologyEan8TransmitChecksum) ? data : dropLast(data);
        case Symbology::Code39: {
            auto result = code39Data(data, o.s(5, kSymbologyCode39VerifyChecksum),
                                     o.s(5, kSymbologyCode39TransmitChecksum), o.s(5, kSymbologyCode39FullAscii));
            if (result && o.s(5, kSymbologyCode39StartStop)) result = "*" + *result + "*";
            return result;
        }
        case Symbology::ItalianPharmacode:
            return o.s(5, kSymbologyItalianPharmacodeTransmitChecksum) ? data : dropLast(data);
        case Symbology::FrenchPharmacode:
            return o.s(5, kSymbologyFrenchPharmacodeTransmitChecksum) ? data : dropLast(data);
        case Symbology::Interleaved25:
            return twoOfFive1d(o, data, kSymbologyInterleaved25VerifyChecksum, kSymbologyInterleaved25TransmitChecksum,
                               5, 14);
        case Symbology::Industrial25:
            return twoOfFive1d(o, data, kSymbologyIndustrial25VerifyChecksum, kSymbologyIndustrial25TransmitChecksum, 6,
                               12);
        case Symbology::Matrix25:
            return twoOfFive1d(o, data, kSymbologyMatrix25VerifyChecksum, kSymbologyMatrix25TransmitChecksum, 6, 16);
        case Symbology::Codabar:
            if (!o.s(7, kSymbologyCodabarTransmitStartStop)) return stripEnds(data);
            return codabarEnds(data, o.value(symbologyBits(7, kSymbologyCodabarStartStopPair)));
        case Symbology::Msi: {
            if (!fitsLengths1d(o.symbologyByte(18), o.symbologyByte(19), data.size())) return std::nullopt;
            const unsigned transmission = o.value(symbologyBits(9, kSymbologyMsiChecksumTransmission));
            return transmission == 1 ? data : dropLast(data, transmission == 2 ? 2 : 1);
        }
        case Symbology::Plessey: return o.s(9, kSymbologyPlesseyTransmitChecksum) ? data : dropLast(data, 2);
        case Symbology::Rss14:
            return rssData(o, data, kSymbologyRss14CodeId, kSymbologyRss14ApplicationId, kSymbologyRss14CheckDigit);
        case Symbology::RssLimited:
            return rssData(o, data, kSymbologyRssLimitedCodeId, kSymbologyRssLimitedApplicationId,
                           kSymbologyRssLimitedCheckDigit);
        case Symbology::RssExpanded: return o.s(4, kSymbologyRssExpandedCodeId) ? "]e0" + data : data;
        default: return data;
    }
}

// UPC on the 2D reader: the preamble (none, the system character, or the
// system character after the country code 0) and the check digit.
std::string upcData2d(std::string data, unsigned preamble, bool transmitChecksum) {
    if (!transmitChecksum) data = dropLast(data);
    if (preamble == 0) return dropFirst(data);
    return preamble == 2 ? "0" + data : data;
}

std::optional<std::string> lengthChecked2d(const Options& o, std::string data, std::size_t optionByte, BitRange option,
                                           std::size_t lengthByte) {
    if (!fitsLengths2d(o.value(readerBits(optionByte, option)), o.readerByte(lengthByte), o.readerByte(lengthByte + 1),
                       data.size())) {
        return std::nullopt;
    }
    return data;
}

std::optional<std::string> interleaved2d(const Options& o, std::string data) {
    if (!lengthChecked2d(o, data, 14, kReaderInterleaved25LengthOption, 15)) return std::nullopt;
    if (o.r(14, kReaderInterleaved25ToEan13) && data.size() == 14 && data.front() == '0') return data.substr(1);
    const bool verify = o.r(14, kReaderInterleaved25VerifyUss) || o.r(14, kReaderInterleaved25VerifyOpcc);
    if (!verify) return data;
    if (!hasMod10Check(data)) return std::nullopt;
    return o.r(14, kReaderInterleaved25TransmitChecksum) ? data : dropLast(data);
}

std::optional<std::string> options2d(const Options& o, Symbology symbology, std::string data) {
    switch (symbology) {
        case Symbology::UpcA:
            return upcData2d(data, o.value(readerBits(1, kReaderUpcAPreamble)), o.r(1, kReaderUpcATransmitChecksum));
        case Symbology::UpcE:
            if (o.r(2, kReaderUpcE0ToUpcA)) data = upcEToUpcA(data);
            return upcData2d(data, o.value(readerBits(1, kReaderUpcE0Preamble)), o.r(1, kReaderUpcE0TransmitChecksum));
        case Symbology::UpcE1:
            if (o.r(2, kReaderUpcE1ToUpcA)) data = upcEToUpcA(data);
            return upcData2d(data, o.value(readerBits(1, kReaderUpcE1Preamble)), o.r(2, kReaderUpcE1TransmitChecksum));
        case Symbology::Ean8: return o.r(2, kReaderEan8ToEan13) ? "00000" + data : data;
        case Symbology::Code39: {
            const unsigned length1 = kReaderCode39Length1.get(o.readerByte(6));
            if (!fitsLengths2d(o.value(readerBits(5, kReaderCode39LengthOption)), length1, o.readerByte(7),
                               data.size())) {
                return std::nullopt;
            }
            return code39Data(data, o.r(5, kReaderCode39VerifyChecksum), o.r(5, kReaderCode39TransmitChecksum),
                              o.r(6, kReaderCode39FullAscii));
        }
        case Symbology::Code93: return lengthChecked2d(o, data, 8, kReaderCode93LengthOption, 9);
        case Symbology::Code11: return lengthChecked2d(o, data, 11, kReaderCode11LengthOption, 12);
        case Symbology::Industrial25: return lengthChecked2d(o, data, 17, kReaderDiscrete25LengthOption, 18);
        case Symbology::Interleaved25: return interleaved2d(o, data);
        case Symbology::Codabar: {
            const auto checked = lengthChecked2d(o, data, 20, kReaderCodabarLengthOption, 21);
            if (!checked || o.r(20, kReaderCodabarTransmitStartStop)) return checked;
            return stripEnds(data);
        }
        case Symbology::Msi: {
            if (!lengthChecked2d(o, data, 23, kReaderMsiLengthOption, 24)) return std::nullopt;
            if (o.r(23, kReaderMsiTransmitChecksum)) return data;
            return dropLast(data, o.r(23, kReaderMsiTwoCheckDigits) ? 2 : 1);
        }
        case Symbology::Rss14:
        case Symbology::RssLimited: return o.r(28, kReaderRssToUpcEan) && data.front() == '0' ? data.substr(1) : data;
        default: return data;
    }
}

}  // namespace

std::optional<std::string> applySymbologyOptions(const Definition& definition, Symbology symbology, std::string data) {
    const Options options(definition);
    if (isTwoD(readerMode(definition.settings.ReaderType))) return options2d(options, symbology, std::move(data));
    return options1d(options, symbology, std::move(data));
}

}  // namespace tessel::sim
