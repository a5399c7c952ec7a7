#pragma once
// Terminal-wide settings of the application: ports and speeds, backlight,
// data deletion, entry prompts, sounds, security, function keys, the
// code identifiers and a few bytes of the reader settings.
#include <algorithm>
#include <array>
#include <cstddef>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

inline constexpr std::size_t kFunctionKeys = 9;  // FN+1 .. FN+9
inline constexpr std::size_t kCodeIdSymbologies = 15;
inline constexpr std::size_t kSettingsTextLines = 5;

struct SystemSettings {
    Byte settingsVersion;  // ASCII digit of the layout generation, '4' now
    Byte programStart;     // 0 form 1, 1 menu 1
    Byte fieldDelimiter1;
    Byte fieldDelimiter2;    // 0 none
    Byte separateDataFiles;  // 1 = one data file per form
    Byte uploadPort;         // index in the family's port list
    TextCell uploadPhone;
    Byte downloadPort;  // index in the family's port list
    Byte baudRate;      // 0 115200, 1 57600, 2 38400, 3 19200, 4 9600 bps
    Byte backlight;
    Byte backlightIdle;   // 1..9, in tens of seconds
    Byte dataDeletion;    // 0 manual, 1 automatic
    Byte entryOptions;    // 0 no prompt, 1 show count, 2 show record
    Byte promptDuration;  // 0 wait for a key, else tenths of a second
    Byte protectSettings;
    Byte protectEditData;
    Byte protectDeleteData;
    Byte protectDateTime;
    Byte protectLoadApplication;
    Byte protectLoadLookup;
    Byte protectUploadPort;
    Byte protectDownloadPort;
    Byte protectBaudRate;
    Byte protectBacklight;
    Byte protectDataDeletion;
    Byte protectEntryOptions;
    Bytes<12> password;                   // up to 10 letters and digits and a zero
    Bytes<kFunctionKeys> functionKeyMap;  // function index per key, 0 none
    Bytes<15> reserved67;
    Byte functionKeysOn;
    Byte reserved83;
    Byte codeIdOn;
    // Code 39, Italian Pharmacode, French Pharmacode, Discrete 25,
    // Interleaved 25, Matrix 25, Codabar, Code 93, Code 128, UPC-E, EAN8,
    // EAN13, UPC-A, MSI, Plessey; a one-character identifier has a zero
    // second byte.
    std::array<Bytes<2>, kCodeIdSymbologies> codeId;
    Byte modemSpeed;  // as baudRate
    TextCell downloadPhone;
    Byte keyClick;      // 0 mute, 1..5 tone
    Byte goodReadBeep;  // 0 mute, 1..3 beeps
    Byte warningBeep;   // 0 mute, 1..3 beeps
    Byte protectKeyClick;
    Byte protectGoodRead;
    Byte protectWarningBeep;
    Bytes<7> reserved143;
    // Calculator entry of the utilities screen (its first character is the
    // entry's number), buzzer entry of the settings screen, then the buzzer
    // screen's key click, barcode read and warning beep entries.
    std::array<TextCell, kSettingsTextLines> textLines;
    Byte reserved255;
    Byte ReaderType;                 // kReaderTypeBits
    Byte vibrator;                   // 0 off, 1..5 seconds
    Byte fieldSeparatorReplacement;  // character replacing the EAN128 field separator, 0 none
    Byte btPrintMode;                // 0 always on, 1 only for a print form, 2 only on a key press
    Bytes<8> reserved260;
};

static_assert(std::is_trivially_copyable_v<SystemSettings>);
static_assert(sizeof(SystemSettings) == 268);
static_assert(offsetof(SystemSettings, settingsVersion) == 0);
static_assert(offsetof(SystemSettings, programStart) == 1);
static_assert(offsetof(SystemSettings, fieldDelimiter1) == 2);
static_assert(offsetof(SystemSettings, fieldDelimiter2) == 3);
static_assert(offsetof(SystemSettings, separateDataFiles) == 4);
static_assert(offsetof(SystemSettings, uploadPort) == 5);
static_assert(offsetof(SystemSettings, uploadPhone) == 6);
static_assert(offsetof(SystemSettings, downloadPort) == 27);
static_assert(offsetof(SystemSettings, baudRate) == 28);
static_assert(offsetof(SystemSettings, backlight) == 29);
static_assert(offsetof(SystemSettings, backlightIdle) == 30);
static_assert(offsetof(SystemSettings, dataDeletion) == 31);
static_assert(offsetof(SystemSettings, entryOptions) == 32);
static_assert(offsetof(SystemSettings, promptDuration) == 33);
static_assert(offsetof(SystemSettings, protectSettings) == 34);
static_assert(offsetof(SystemSettings, protectEditData) == 35);
static_assert(offsetof(SystemSettings, protectDeleteData) == 36);
static_assert(offsetof(SystemSettings, protectDateTime) == 37);
static_assert(offsetof(SystemSettings, protectLoadApplication) == 38);
static_assert(offsetof(SystemSettings, protectLoadLookup) == 39);
static_assert(offsetof(SystemSettings, protectUploadPort) == 40);
static_assert(offsetof(SystemSettings, protectDownloadPort) == 41);
static_assert(offsetof(SystemSettings, protectBaudRate) == 42);
static_assert(offsetof(SystemSettings, protectBacklight) == 43);
static_assert(offsetof(SystemSettings, protectDataDeletion) == 44);
static_assert(offsetof(SystemSettings, protectEntryOptions) == 45);
static_assert(offsetof(SystemSettings, password) == 46);
static_assert(offsetof(SystemSettings, functionKeyMap) == 58);
static_assert(offsetof(SystemSettings, reserved67) == 67);
static_assert(offsetof(SystemSettings, functionKeysOn) == 82);
static_assert(offsetof(SystemSettings, reserved83) == 83);
static_assert(offsetof(SystemSettings, codeIdOn) == 84);
static_assert(offsetof(SystemSettings, codeId) == 85);
static_assert(offsetof(SystemSettings, modemSpeed) == 115);
static_assert(offsetof(SystemSettings, downloadPhone) == 116);
static_assert(offsetof(SystemSettings, keyClick) == 137);
static_assert(offsetof(SystemSettings, goodReadBeep) == 138);
static_assert(offsetof(SystemSettings, warningBeep) == 139);
static_assert(offsetof(SystemSettings, protectKeyClick) == 140);
static_assert(offsetof(SystemSettings, protectGoodRead) == 141);
static_assert(offsetof(SystemSettings, protectWarningBeep) == 142);
static_assert(offsetof(SystemSettings, reserved143) == 143);
static_assert(offsetof(SystemSettings, textLines) == 150);
static_assert(offsetof(SystemSettings, reserved255) == 255);
static_assert(offsetof(SystemSettings, ReaderType) == 256);
static_assert(offsetof(SystemSettings, vibrator) == 257);
static_assert(offsetof(SystemSettings, fieldSeparatorReplacement) == 258);
static_assert(offsetof(SystemSettings, btPrintMode) == 259);
static_assert(offsetof(SystemSettings, reserved260) == 260);

// Which bytes of the block each editor writes. Several pages edit this one
// block, and each copies back only its own bytes, so an edit on one page never
// undoes another page's; the bytes between the spans are reserved.
//   Settings page: ports, speeds, backlight, deletion, entry prompts, security,
//                  function keys (5..83), modem speed to the protect boxes
//                  and the reserved bytes after them (115..149), vibrator (257)
//   Menu page:     separateDataFiles (4)
//   Startup page:  programStart and both field delimiters (1..3), the text lines (150..254)
//   Barcode page:  the code identifiers (84..114), ReaderType (256) and the
//                  field-separator replacement (258)
//   Printer dialog of the Form page: btPrintMode (259)
struct OwnedBytes {
    std::size_t begin;  // first byte
    std::size_t end;    // one past the last byte
};

inline constexpr std::array<OwnedBytes, 3> kSettingsPageBytes{{
    {offsetof(SystemSettings, uploadPort), offsetof(SystemSettings, codeIdOn)},
    {offsetof(SystemSettings, modemSpeed), offsetof(SystemSettings, textLines)},
    {offsetof(SystemSettings, vibrator), offsetof(SystemSettings, fieldSeparatorReplacement)},
}};
inline constexpr std::array<OwnedBytes, 1> kMenuPageBytes{{
    {offsetof(SystemSettings, separateDataFiles), offsetof(SystemSettings, uploadPort)},
}};
inline constexpr std::array<OwnedBytes, 2> kStartupPageBytes{{
    {offsetof(SystemSettings, programStart), offsetof(SystemSettings, separateDataFiles)},
    {offsetof(SystemSettings, textLines), offsetof(SystemSettings, reserved255)},
}};
inline constexpr std::array<OwnedBytes, 3> kBarcodePageBytes{{
    {offsetof(SystemSettings, codeIdOn), offsetof(SystemSettings, modemSpeed)},
    {offsetof(SystemSettings, ReaderType), offsetof(SystemSettings, vibrator)},
    {offsetof(SystemSettings, fieldSeparatorReplacement), offsetof(SystemSettings, btPrintMode)},
}};

// Copies the bytes of `spans` from `from` into `to`, leaving every other byte.
template <std::size_t N>
void copyOwnedBytes(SystemSettings& to, const SystemSettings& from, const std::array<OwnedBytes, N>& spans) {
    const auto source = recordBytes(from);
    const auto target = recordBytes(to);
    for (const OwnedBytes& span : spans) {
        std::copy(source.begin() + span.begin, source.begin() + span.end, target.begin() + span.begin);
    }
}

// ReaderType. Bits 0, 2 and 3 together name the reader: none set is the
// 1D laser/CCD reader, bit 0 the 2D reader, bit 2 the 1D long-range laser.
inline constexpr BitRange kReaderTypeKept{"kept", 4, 4};      // carried unchanged by every choice
inline constexpr BitRange kReaderTypeBit3{"typeBit3", 3, 1};  // cleared whenever a reader is chosen
inline constexpr BitRange kReaderTypeLongRange{"longRangeLaser", 2, 1};
inline constexpr BitRange kReaderTypeRfid{"rfidReader", 1, 1};
inline constexpr BitRange kReaderType2d{"reader2d", 0, 1};
inline constexpr std::array<BitRange, 5> kReaderTypeBits{{
    kReaderTypeKept,
    kReaderTypeBit3,
    kReaderTypeLongRange,
    kReaderTypeRfid,
    kReaderType2d,
}};

inline constexpr std::array<FieldLayout, 49> kSystemSettingsLayout{{
    TESSEL_FIELD(SystemSettings, settingsVersion, FieldKind::Characters),
    TESSEL_FIELD(SystemSettings, programStart, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, fieldDelimiter1, FieldKind::Characters),
    TESSEL_FIELD(SystemSettings, fieldDelimiter2, FieldKind::Characters),
    TESSEL_FIELD(SystemSettings, separateDataFiles, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, uploadPort, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, uploadPhone, FieldKind::Text),
    TESSEL_FIELD(SystemSettings, downloadPort, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, baudRate, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, backlight, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, backlightIdle, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, dataDeletion, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, entryOptions, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, promptDuration, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectSettings, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectEditData, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectDeleteData, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectDateTime, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectLoadApplication, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectLoadLookup, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectUploadPort, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectDownloadPort, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectBaudRate, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectBacklight, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectDataDeletion, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectEntryOptions, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, password, FieldKind::Text),
    TESSEL_FIELD(SystemSettings, functionKeyMap, FieldKind::Number, kFunctionKeys),
    TESSEL_FIELD(SystemSettings, reserved67, FieldKind::Bytes),
    TESSEL_FIELD(SystemSettings, functionKeysOn, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, reserved83, FieldKind::Bytes),
    TESSEL_FIELD(SystemSettings, codeIdOn, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, codeId, FieldKind::Characters, kCodeIdSymbologies),
    TESSEL_FIELD(SystemSettings, modemSpeed, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, downloadPhone, FieldKind::Text),
    TESSEL_FIELD(SystemSettings, keyClick, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, goodReadBeep, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, warningBeep, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectKeyClick, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectGoodRead, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, protectWarningBeep, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, reserved143, FieldKind::Bytes),
    TESSEL_FIELD(SystemSettings, textLines, FieldKind::Text, kSettingsTextLines),
    TESSEL_FIELD(SystemSettings, reserved255, FieldKind::Bytes),
    TESSEL_FIELD(SystemSettings, ReaderType, FieldKind::Bits, 1, kReaderTypeBits),
    TESSEL_FIELD(SystemSettings, vibrator, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, fieldSeparatorReplacement, FieldKind::Characters),
    TESSEL_FIELD(SystemSettings, btPrintMode, FieldKind::Number),
    TESSEL_FIELD(SystemSettings, reserved260, FieldKind::Bytes),
}};

}  // namespace tessel
