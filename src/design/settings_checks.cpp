#include "design/settings_checks.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "core/model_family.h"
#include "design/design_terms.h"
#include "reader/reader_type.h"

namespace tessel {
namespace {

// The layout generation a definition of this program carries; Open upgrades older ones.
constexpr Byte kCurrentSettingsVersion = '4';
// "Nil" .. "Calculator" of the function list.
constexpr int kHighestFunction = 19;

// A byte of a block and the values the terminal takes for it.
struct ByteRange {
    std::string_view member;
    std::size_t offset;
    int lowest;
    int highest;
};

#define TESSEL_RANGE(Record, member, lowest, highest) \
    ByteRange { #member, offsetof(Record, member), lowest, highest }

constexpr std::array kSettingsRanges{
    TESSEL_RANGE(SystemSettings, programStart, 0, 1),
    TESSEL_RANGE(SystemSettings, separateDataFiles, 0, 1),
    TESSEL_RANGE(SystemSettings, baudRate, 0, 4),
    TESSEL_RANGE(SystemSettings, backlight, 0, 1),
    TESSEL_RANGE(SystemSettings, backlightIdle, 1, 9),
    TESSEL_RANGE(SystemSettings, dataDeletion, 0, 1),
    TESSEL_RANGE(SystemSettings, entryOptions, 0, 2),
    TESSEL_RANGE(SystemSettings, promptDuration, 0, 99),
    TESSEL_RANGE(SystemSettings, protectSettings, 0, 1),
    TESSEL_RANGE(SystemSettings, protectEditData, 0, 1),
    TESSEL_RANGE(SystemSettings, protectDeleteData, 0, 1),
    TESSEL_RANGE(SystemSettings, protectDateTime, 0, 1),
    TESSEL_RANGE(SystemSettings, protectLoadApplication, 0, 1),
    TESSEL_RANGE(SystemSettings, protectLoadLookup, 0, 1),
    TESSEL_RANGE(SystemSettings, protectUploadPort, 0, 1),
    TESSEL_RANGE(SystemSettings, protectDownloadPort, 0, 1),
    TESSEL_RANGE(SystemSettings, protectBaudRate, 0, 1),
    TESSEL_RANGE(SystemSettings, protectBacklight, 0, 1),
    TESSEL_RANGE(SystemSettings, protectDataDeletion, 0, 1),
    TESSEL_RANGE(SystemSettings, protectEntryOptions, 0, 1),
    TESSEL_RANGE(SystemSettings, functionKeysOn, 0, 1),
    TESSEL_RANGE(SystemSettings, codeIdOn, 0, 1),
    TESSEL_RANGE(SystemSettings, modemSpeed, 0, 4),
    TESSEL_RANGE(SystemSettings, keyClick, 0, 5),
    TESSEL_RANGE(SystemSettings, goodReadBeep, 0, 3),
    TESSEL_RANGE(SystemSettings, warningBeep, 0, 3),
    TESSEL_RANGE(SystemSettings, protectKeyClick, 0, 1),
    TESSEL_RANGE(SystemSettings, protectGoodRead, 0, 1),
    TESSEL_RANGE(SystemSettings, protectWarningBeep, 0, 1),
    TESSEL_RANGE(SystemSettings, vibrator, 0, 5),
    TESSEL_RANGE(SystemSettings, btPrintMode, 0, 2),
};

// The length bytes of the 2D reader: 0..127.
constexpr std::array kReaderLengthRanges{
    TESSEL_RANGE(ReaderSettings, code39Length2, 0, 127),
    TESSEL_RANGE(ReaderSettings, code93Length1, 0, 127),
    TESSEL_RANGE(ReaderSettings, code93Length2, 0, 127),
    TESSEL_RANGE(ReaderSettings, code11Length1, 0, 127),
    TESSEL_RANGE(ReaderSettings, code11Length2, 0, 127),
    TESSEL_RANGE(ReaderSettings, interleaved25Length1, 0, 127),
    TESSEL_RANGE(ReaderSettings, interleaved25Length2, 0, 127),
    TESSEL_RANGE(ReaderSettings, discrete25Length1, 0, 127),
    TESSEL_RANGE(ReaderSettings, discrete25Length2, 0, 127),
    TESSEL_RANGE(ReaderSettings, codabarLength1, 0, 127),
    TESSEL_RANGE(ReaderSettings, codabarLength2, 0, 127),
    TESSEL_RANGE(ReaderSettings, msiLength1, 0, 127),
    TESSEL_RANGE(ReaderSettings, msiLength2, 0, 127),
};

#undef TESSEL_RANGE

// A run of bits of one byte and the values the terminal takes for it.
struct BitsRange {
    std::string_view byte;
    std::size_t offset;
    BitRange bits;
    unsigned highest;
};

const std::array kSymbologyBitRanges{
    BitsRange{"byte6", offsetof(SymbologyBlock, byte6), kSymbologyInterleaved25StartStop, 2},
    BitsRange{"byte6", offsetof(SymbologyBlock, byte6), kSymbologyIndustrial25StartStop, 2},
    BitsRange{"byte7", offsetof(SymbologyBlock, byte7), kSymbologyMatrix25StartStop, 2},
    BitsRange{"byte9", offsetof(SymbologyBlock, byte9), kSymbologyMsiChecksumVerification, 2},
    BitsRange{"byte9", offsetof(SymbologyBlock, byte9), kSymbologyMsiChecksumTransmission, 2},
    BitsRange{"byte20", offsetof(SymbologyBlock, byte20), kSymbologyScanMode, 8},
};

const std::array kReaderBitRanges{
    BitsRange{"byte1", offsetof(ReaderSettings, byte1), kReaderUpcAPreamble, 2},
    BitsRange{"byte1", offsetof(ReaderSettings, byte1), kReaderUpcE0Preamble, 2},
    BitsRange{"byte1", offsetof(ReaderSettings, byte1), kReaderUpcE1Preamble, 2},
    BitsRange{"byte2", offsetof(ReaderSettings, byte2), kReaderSupplementals, 2},
    BitsRange{"byte30", offsetof(ReaderSettings, byte30), kReaderLedIllumination, 3},
};

std::string outside(int value, int lowest, int highest) {
    return std::to_string(value) + " is outside " + std::to_string(lowest) + ".." + std::to_string(highest);
}

// The Settings page edits the settings; the Barcode page the reader's blocks.
constexpr FindingLocation kSettingsPage{DesignPage::Settings};
constexpr FindingLocation kBarcodePage{DesignPage::Barcode};

FindingLocation pageOfBlock(std::string_view block) { return block == "settings" ? kSettingsPage : kBarcodePage; }

void checkBytes(std::string_view block, std::span<const Byte> bytes, std::span<const ByteRange> ranges,
                std::vector<Finding>& findings) {
    for (const auto& range : ranges) {
        const int value = bytes[range.offset];
        if (value < range.lowest || value > range.highest)
            findings.push_back({std::string(block) + ", " + attributeName(range.member),
                                outside(value, range.lowest, range.highest), pageOfBlock(block)});
    }
}

void checkBits(std::string_view block, std::span<const Byte> bytes, std::span<const BitsRange> ranges,
               std::vector<Finding>& findings) {
    for (const auto& range : ranges) {
        const unsigned value = range.bits.get(bytes[range.offset]);
        if (value > range.highest)
            findings.push_back(
                {std::string(block) + ", " + attributeName(range.byte) + ", " + attributeName(range.bits.name),
                 outside(static_cast<int>(value), 0, static_cast<int>(range.highest)), kBarcodePage});
    }
}

// The ports of the family's port list: four for the 4760, seven for the group.
int highestPort(int family) { return is4760(family) ? 3 : 6; }

void checkSystemSettings(const SystemSettings& settings, int family, std::vector<Finding>& findings) {
    if (settings.settingsVersion != kCurrentSettingsVersion)
        findings.push_back(
            {"settings, settings version",
             characterName(settings.settingsVersion) + " is not the current " + characterName(kCurrentSettingsVersion),
             kSettingsPage});
    checkBytes("settings", recordBytes(settings), kSettingsRanges, findings);
    const ByteRange ports[] = {{"uploadPort", offsetof(SystemSettings, uploadPort), 0, highestPort(family)},
                               {"downloadPort", offsetof(SystemSettings, downloadPort), 0, highestPort(family)}};
    checkBytes("settings", recordBytes(settings), ports, findings);
    for (std::size_t key = 0; key < kFunctionKeys; ++key) {
        if (settings.functionKeyMap[key] > kHighestFunction)
            findings.push_back({"settings, " + functionKeyPlace(key) + " function",
                                outside(settings.functionKeyMap[key], 0, kHighestFunction), kSettingsPage});
    }
}

void checkReader(const Definition& definition, std::vector<Finding>& findings) {
    if (!isTwoD(readerMode(definition.settings.ReaderType))) {
        const auto bytes = recordBytes(definition.symbology);
        checkBits("symbology", bytes, kSymbologyBitRanges, findings);
        if (definition.symbology.readTimeout == 0)
            findings.push_back({"symbology, read timeout", outside(0, 1, 255), kBarcodePage});
        return;
    }
    const auto bytes = recordBytes(definition.reader);
    checkBits("reader settings", bytes, kReaderBitRanges, findings);
    checkBytes("reader settings", bytes, kReaderLengthRanges, findings);
}

}  // namespace

void checkSettingsRanges(const Definition& definition, int family, std::vector<Finding>& findings) {
    checkSystemSettings(definition.settings, family, findings);
    checkReader(definition, findings);
}

}  // namespace tessel
