#pragma once
// The record format of one lookup file (fixed-length or delimited columns)
// and what the terminal does with records and input that do not fit it.
// A lookup is in use when recordLength and columnCount are both non-zero.
#include <array>
#include <cstddef>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

inline constexpr std::size_t kColumnsPerLookup = 8;

struct LookupRecord {
    Byte recordLength;
    Byte columnCount;                       // 0..8
    Byte keyColumn;                         // column 0..7
    Bytes<kColumnsPerLookup> columnOffset;  // 1-based position in the record
    Bytes<kColumnsPerLookup> columnLength;  // maximum length when delimited; at most 255 together
    Byte delimiter;                         // 0 fixed-length columns, else the delimiter's character code
    Byte uploadable;
    Byte noMatchAction;    // 0 continue, 1 warn, 2 insert, 3 warn and insert, 4 clear, 5 warn and clear
    Byte badFormatAction;  // 0 stop the download, 1 truncate or reformat, 2 skip the record
    Byte readOnce;
    Byte negativeRemains;
    Byte deleteIfNull;
    Byte onSdCard;
    Bytes<95> reserved27;
};

static_assert(std::is_trivially_copyable_v<LookupRecord>);
static_assert(sizeof(LookupRecord) == 122);
static_assert(offsetof(LookupRecord, recordLength) == 0);
static_assert(offsetof(LookupRecord, columnCount) == 1);
static_assert(offsetof(LookupRecord, keyColumn) == 2);
static_assert(offsetof(LookupRecord, columnOffset) == 3);
static_assert(offsetof(LookupRecord, columnLength) == 11);
static_assert(offsetof(LookupRecord, delimiter) == 19);
static_assert(offsetof(LookupRecord, uploadable) == 20);
static_assert(offsetof(LookupRecord, noMatchAction) == 21);
static_assert(offsetof(LookupRecord, badFormatAction) == 22);
static_assert(offsetof(LookupRecord, readOnce) == 23);
static_assert(offsetof(LookupRecord, negativeRemains) == 24);
static_assert(offsetof(LookupRecord, deleteIfNull) == 25);
static_assert(offsetof(LookupRecord, onSdCard) == 26);
static_assert(offsetof(LookupRecord, reserved27) == 27);

inline constexpr std::array<FieldLayout, 14> kLookupRecordLayout{{
    TESSEL_FIELD(LookupRecord, recordLength, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, columnCount, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, keyColumn, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, columnOffset, FieldKind::Number, kColumnsPerLookup),
    TESSEL_FIELD(LookupRecord, columnLength, FieldKind::Number, kColumnsPerLookup),
    TESSEL_FIELD(LookupRecord, delimiter, FieldKind::Characters),
    TESSEL_FIELD(LookupRecord, uploadable, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, noMatchAction, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, badFormatAction, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, readOnce, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, negativeRemains, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, deleteIfNull, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, onSdCard, FieldKind::Number),
    TESSEL_FIELD(LookupRecord, reserved27, FieldKind::Bytes),
}};

// A column as a new lookup has it in each unused column.
inline constexpr std::array<ElementMember, 2> kLookupColumnMembers{{
    {"columnOffset", "offset", 1},
    {"columnLength", "length"},
}};

inline constexpr std::array<ElementList, 1> kLookupRecordLists{{
    {"columns", "column", kColumnsPerLookup, kLookupColumnMembers},
}};

}  // namespace tessel
