#pragma once
// What the RFID reader reads: the tag's UID, its data, or both joined by a
// delimiter.
#include <array>
#include <cstddef>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

struct RfidBlock {
    Byte options;    // kRfidOptionBits
    Byte delimiter;  // character joining UID and data
    Byte startPosition;
    Byte maxLength;
    Bytes<6> reserved4;
};

static_assert(std::is_trivially_copyable_v<RfidBlock>);
static_assert(sizeof(RfidBlock) == 10);
static_assert(offsetof(RfidBlock, options) == 0);
static_assert(offsetof(RfidBlock, delimiter) == 1);
static_assert(offsetof(RfidBlock, startPosition) == 2);
static_assert(offsetof(RfidBlock, maxLength) == 3);
static_assert(offsetof(RfidBlock, reserved4) == 4);

inline constexpr BitRange kRfidReadUid{"readUid", 7, 1};
inline constexpr BitRange kRfidReadData{"readData", 6, 1};
inline constexpr BitRange kRfidUseDelimiter{"useDelimiter", 5, 1};
inline constexpr std::array<BitRange, 4> kRfidOptionBits{{
    kRfidReadUid,
    kRfidReadData,
    kRfidUseDelimiter,
    {"reserved0", 0, 5},
}};

inline constexpr std::array<FieldLayout, 5> kRfidBlockLayout{{
    TESSEL_FIELD(RfidBlock, options, FieldKind::Bits, 1, kRfidOptionBits),
    TESSEL_FIELD(RfidBlock, delimiter, FieldKind::Characters),
    TESSEL_FIELD(RfidBlock, startPosition, FieldKind::Number),
    TESSEL_FIELD(RfidBlock, maxLength, FieldKind::Number),
    TESSEL_FIELD(RfidBlock, reserved4, FieldKind::Bytes),
}};

}  // namespace tessel
