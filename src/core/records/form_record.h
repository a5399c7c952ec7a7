#pragma once
// One data-entry form: up to 8 input fields and the form-wide settings.
// Per-field attributes are arrays indexed by field 0..7, not sub-records.
#include <array>
#include <cstddef>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

inline constexpr std::size_t kFieldsPerForm = 8;
inline constexpr std::size_t kFunctionBranches = 4;  // FN+1 .. FN+4
// The longest data a field takes, and the longest part of a barcode it keeps.
inline constexpr Byte kMaxDataLength = 160;

struct FormRecord {
    Byte reserved0;
    Byte escTarget;      // target code: 0 main menu, 1..10 form, 11..20 menu
    Byte nextTarget;     // target code, or 21
    Byte stampPosition;  // 0 none, 1 top of the record, 2 bottom of the record
    Byte stampSplit;     // 1 = date and time in two separate fields
    Byte stampYear;
    Byte stampYearDigits;  // 0 four digits, 1 two digits
    Byte stampMonth;
    Byte stampDay;
    Byte stampDateSeparatorOn;
    Bytes<2> stampDateSeparator;  // one character and its zero
    Byte stampDateStyle;          // 0 Y.M.D, 1 M.D.Y, 2 D.M.Y
    Byte stampHour;
    Byte stampMinute;
    Byte stampSecond;
    Byte stampTimeSeparatorOn;
    Bytes<2> stampTimeSeparator;      // one character and its zero
    Byte recordAction;                // 0 save .. 8 nothing
    Byte formLookup;                  // 0 none, 1..3 lookup file 1..3
    Bytes<kFieldsPerForm> fieldLink;  // lookup column or variable; meaning follows formLookup
    Bytes<kFieldsPerForm> fieldType;  // 0 none .. 18 compare; 12 continues the field before
    std::array<TextCell, kFieldsPerForm> fieldPrompt;
    Bytes<kFieldsPerForm> inputSource;  // 0 reader, 1 keypad, 2 both, 3 RFID, 4 all, 5..7 variable 1..3
    Bytes<kFieldsPerForm> minLength;    // 0..160
    Bytes<kFieldsPerForm> maxLength;    // 0..160
    Bytes<kFieldsPerForm> fixedLengthOn;
    Bytes<kFieldsPerForm> alignment;  // 0/1 left/right with blanks, 2/3 left/right with zeros
    Bytes<kFieldsPerForm> fixedLength;
    Bytes<kFieldsPerForm> initialValueOn;                // for a lookup field: save the field's data
    std::array<Bytes<10>, kFieldsPerForm> initialValue;  // up to 9 characters and a zero
    Bytes<kFieldsPerForm> prefixOn;
    std::array<Bytes<10>, kFieldsPerForm> prefix;  // up to 9 bytes of any value 1..255 and a zero
    Bytes<kFieldsPerForm> suffixOn;
    std::array<Bytes<10>, kFieldsPerForm> suffix;  // as prefix
    Bytes<kFieldsPerForm> partialOn;
    Bytes<kFieldsPerForm> partialStart;   // kPartialStartBits
    Bytes<kFieldsPerForm> partialLength;  // 0..160
    Bytes<kFieldsPerForm> leadingCodeOn;
    // Up to 6 characters, zero-padded; a full slot has no zero.
    std::array<Bytes<6>, kFieldsPerForm> leadingCode;
    Bytes<kFieldsPerForm> autoEnter;  // 0 no, 1 scan+enter, 2 enter+scan, 3 automatic from keyboard
    Bytes<kFieldsPerForm> inputMark;  // character marking the input position, 0 none
    std::array<Bytes<50>, kFieldsPerForm> fieldReserve;
    Byte fieldCount;                   // 1 + index of the last used field line, 0 for none
    Byte currentField;                 // the simulator's current field
    Bytes<kFieldsPerForm> checkDigit;  // 0 off, 1..8 verification method
    // 0 off, 1..10 form, 11 remains, 12 summation, 13 delete the last record.
    Bytes<kFunctionBranches> branchTarget;
    Bytes<kFieldsPerForm> decimalPlaces;     // real fields: 0 variable, 1..6 fixed
    Bytes<kFunctionBranches> sumSpec;        // kSumSpecBits
    Bytes<kFunctionBranches> sumSource;      // 0..2 lookup file 1..3, 3 the data file
    Byte errorAction;                        // 0 skip the error, else 1 + target code
    Bytes<kFunctionBranches> remainsSpec;    // kRemainsSpecBits
    Bytes<kFunctionBranches> remainsFilter;  // kRemainsFilterBits
    Bytes<22> reserved1052;
    Byte printMethod;         // 0 none, 1 on a filled form, 2..10 on function key 1..9
    Byte printQuantity;       // labels to print; 0 = from field printQuantityField
    Byte printQuantityField;  // field 0..7
    Bytes<8> printData;       // per print variable: 0 none, 1..8 field, 9..16 field in its second form
    Bytes<130> reserved1085;
};

static_assert(std::is_trivially_copyable_v<FormRecord>);
static_assert(sizeof(FormRecord) == 1215);
static_assert(offsetof(FormRecord, reserved0) == 0);
static_assert(offsetof(FormRecord, escTarget) == 1);
static_assert(offsetof(FormRecord, nextTarget) == 2);
static_assert(offsetof(FormRecord, stampPosition) == 3);
static_assert(offsetof(FormRecord, stampSplit) == 4);
static_assert(offsetof(FormRecord, stampYear) == 5);
static_assert(offsetof(FormRecord, stampYearDigits) == 6);
static_assert(offsetof(FormRecord, stampMonth) == 7);
static_assert(offsetof(FormRecord, stampDay) == 8);
static_assert(offsetof(FormRecord, stampDateSeparatorOn) == 9);
static_assert(offsetof(FormRecord, stampDateSeparator) == 10);
static_assert(offsetof(FormRecord, stampDateStyle) == 12);
static_assert(offsetof(FormRecord, stampHour) == 13);
static_assert(offsetof(FormRecord, stampMinute) == 14);
static_assert(offsetof(FormRecord, stampSecond) == 15);
static_assert(offsetof(FormRecord, stampTimeSeparatorOn) == 16);
static_assert(offsetof(FormRecord, stampTimeSeparator) == 17);
static_assert(offsetof(FormRecord, recordAction) == 19);
static_assert(offsetof(FormRecord, formLookup) == 20);
static_assert(offsetof(FormRecord, fieldLink) == 21);
static_assert(offsetof(FormRecord, fieldType) == 29);
static_assert(offsetof(FormRecord, fieldPrompt) == 37);
static_assert(offsetof(FormRecord, inputSource) == 205);
static_assert(offsetof(FormRecord, minLength) == 213);
static_assert(offsetof(FormRecord, maxLength) == 221);
static_assert(offsetof(FormRecord, fixedLengthOn) == 229);
static_assert(offsetof(FormRecord, alignment) == 237);
static_assert(offsetof(FormRecord, fixedLength) == 245);
static_assert(offsetof(FormRecord, initialValueOn) == 253);
static_assert(offsetof(FormRecord, initialValue) == 261);
static_assert(offsetof(FormRecord, prefixOn) == 341);
static_assert(offsetof(FormRecord, prefix) == 349);
static_assert(offsetof(FormRecord, suffixOn) == 429);
static_assert(offsetof(FormRecord, suffix) == 437);
static_assert(offsetof(FormRecord, partialOn) == 517);
static_assert(offsetof(FormRecord, partialStart) == 525);
static_assert(offsetof(FormRecord, partialLength) == 533);
static_assert(offsetof(FormRecord, leadingCodeOn) == 541);
static_assert(offsetof(FormRecord, leadingCode) == 549);
static_assert(offsetof(FormRecord, autoEnter) == 597);
static_assert(offsetof(FormRecord, inputMark) == 605);
static_assert(offsetof(FormRecord, fieldReserve) == 613);
static_assert(offsetof(FormRecord, fieldCount) == 1013);
static_assert(offsetof(FormRecord, currentField) == 1014);
static_assert(offsetof(FormRecord, checkDigit) == 1015);
static_assert(offsetof(FormRecord, branchTarget) == 1023);
static_assert(offsetof(FormRecord, decimalPlaces) == 1027);
static_assert(offsetof(FormRecord, sumSpec) == 1035);
static_assert(offsetof(FormRecord, sumSource) == 1039);
static_assert(offsetof(FormRecord, errorAction) == 1043);
static_assert(offsetof(FormRecord, remainsSpec) == 1044);
static_assert(offsetof(FormRecord, remainsFilter) == 1048);
static_assert(offsetof(FormRecord, reserved1052) == 1052);
static_assert(offsetof(FormRecord, printMethod) == 1074);
static_assert(offsetof(FormRecord, printQuantity) == 1075);
static_assert(offsetof(FormRecord, printQuantityField) == 1076);
static_assert(offsetof(FormRecord, printData) == 1077);
static_assert(offsetof(FormRecord, reserved1085) == 1085);

// partialStart, per field.
inline constexpr BitRange kPartialStartPosition{"startPosition", 0, 7};  // 1-based, 0..99
inline constexpr BitRange kPartialSaveFullBarcode{"saveFullBarcode", 7, 1};
inline constexpr std::array<BitRange, 2> kPartialStartBits{{
    kPartialSaveFullBarcode,
    kPartialStartPosition,
}};

// sumSpec, per function key branching to summation.
inline constexpr BitRange kSumMultiplierField{"multiplierField", 4, 4};  // field 1..8, 0 none
inline constexpr BitRange kSumField{"sumField", 0, 4};                   // field 0..7
inline constexpr std::array<BitRange, 2> kSumSpecBits{{
    kSumMultiplierField,
    kSumField,
}};

// remainsSpec, per function key branching to remains.
inline constexpr BitRange kRemainsFilterOn{"filterOn", 4, 1};
inline constexpr BitRange kRemainsLookupField{"lookupField", 0, 4};  // field 0..7
inline constexpr std::array<BitRange, 3> kRemainsSpecBits{{
    {"reserved5", 5, 3},
    kRemainsFilterOn,
    kRemainsLookupField,
}};

// remainsFilter, per function key branching to remains.
inline constexpr BitRange kRemainsFilterVariable{"filterVariable", 4, 4};  // variable 1..3 as 0..2
inline constexpr BitRange kRemainsFilterIsSuffix{"filterIsSuffix", 0, 1};
inline constexpr std::array<BitRange, 3> kRemainsFilterBits{{
    kRemainsFilterVariable,
    {"reserved1", 1, 3},
    kRemainsFilterIsSuffix,
}};

inline constexpr std::array<FieldLayout, 58> kFormRecordLayout{{
    TESSEL_FIELD(FormRecord, reserved0, FieldKind::Bytes),
    TESSEL_FIELD(FormRecord, escTarget, FieldKind::Number),
    TESSEL_FIELD(FormRecord, nextTarget, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampPosition, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampSplit, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampYear, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampYearDigits, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampMonth, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampDay, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampDateSeparatorOn, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampDateSeparator, FieldKind::Text),
    TESSEL_FIELD(FormRecord, stampDateStyle, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampHour, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampMinute, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampSecond, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampTimeSeparatorOn, FieldKind::Number),
    TESSEL_FIELD(FormRecord, stampTimeSeparator, FieldKind::Text),
    TESSEL_FIELD(FormRecord, recordAction, FieldKind::Number),
    TESSEL_FIELD(FormRecord, formLookup, FieldKind::Number),
    TESSEL_FIELD(FormRecord, fieldLink, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, fieldType, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, fieldPrompt, FieldKind::Text, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, inputSource, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, minLength, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, maxLength, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, fixedLengthOn, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, alignment, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, fixedLength, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, initialValueOn, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, initialValue, FieldKind::Text, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, prefixOn, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, prefix, FieldKind::Text, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, suffixOn, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, suffix, FieldKind::Text, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, partialOn, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, partialStart, FieldKind::Bits, kFieldsPerForm, kPartialStartBits),
    TESSEL_FIELD(FormRecord, partialLength, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, leadingCodeOn, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, leadingCode, FieldKind::Characters, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, autoEnter, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, inputMark, FieldKind::Characters, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, fieldReserve, FieldKind::Bytes, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, fieldCount, FieldKind::Number),
    TESSEL_FIELD(FormRecord, currentField, FieldKind::Number),
    TESSEL_FIELD(FormRecord, checkDigit, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, branchTarget, FieldKind::Number, kFunctionBranches),
    TESSEL_FIELD(FormRecord, decimalPlaces, FieldKind::Number, kFieldsPerForm),
    TESSEL_FIELD(FormRecord, sumSpec, FieldKind::Bits, kFunctionBranches, kSumSpecBits),
    TESSEL_FIELD(FormRecord, sumSource, FieldKind::Number, kFunctionBranches),
    TESSEL_FIELD(FormRecord, errorAction, FieldKind::Number),
    TESSEL_FIELD(FormRecord, remainsSpec, FieldKind::Bits, kFunctionBranches, kRemainsSpecBits),
    TESSEL_FIELD(FormRecord, remainsFilter, FieldKind::Bits, kFunctionBranches, kRemainsFilterBits),
    TESSEL_FIELD(FormRecord, reserved1052, FieldKind::Bytes),
    TESSEL_FIELD(FormRecord, printMethod, FieldKind::Number),
    TESSEL_FIELD(FormRecord, printQuantity, FieldKind::Number),
    TESSEL_FIELD(FormRecord, printQuantityField, FieldKind::Number),
    TESSEL_FIELD(FormRecord, printData, FieldKind::Number, 8),
    TESSEL_FIELD(FormRecord, reserved1085, FieldKind::Bytes),
}};

// The attributes of one field, as a new form has them in each unused field.
inline constexpr std::array<ElementMember, 25> kFormFieldMembers{{
    {"fieldType", "type"},
    {"fieldPrompt", "prompt"},
    {"fieldLink", "link"},
    {"inputSource", "inputSource", 2},
    {"minLength", "minLength"},
    {"maxLength", "maxLength", 160},
    {"fixedLengthOn", "fixedLengthOn"},
    {"alignment", "alignment"},
    {"fixedLength", "fixedLength"},
    {"initialValueOn", "initialValueOn"},
    {"initialValue", "initialValue"},
    {"prefixOn", "prefixOn"},
    {"prefix", "prefix"},
    {"suffixOn", "suffixOn"},
    {"suffix", "suffix"},
    {"partialOn", "partialOn"},
    {"partialStart", "partialStart"},
    {"partialLength", "partialLength", 20},
    {"leadingCodeOn", "leadingCodeOn"},
    {"leadingCode", "leadingCode"},
    {"autoEnter", "autoEnter", 1},
    {"inputMark", "inputMark"},
    {"checkDigit", "checkDigit"},
    {"decimalPlaces", "decimalPlaces"},
    {"fieldReserve", "reserve"},
}};

// What each of FN+1 .. FN+4 branches to, and the summation or remains it runs.
inline constexpr std::array<ElementMember, 5> kFormBranchMembers{{
    {"branchTarget", "target"},
    {"sumSpec", "sumSpec"},
    {"sumSource", "sumSource"},
    {"remainsSpec", "remainsSpec"},
    {"remainsFilter", "remainsFilter"},
}};

inline constexpr std::array<ElementList, 2> kFormRecordLists{{
    {"fields", "field", kFieldsPerForm, kFormFieldMembers},
    {"branches", "functionKey", kFunctionBranches, kFormBranchMembers},
}};

}  // namespace tessel
