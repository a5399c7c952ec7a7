#pragma once
// Weight-code (scale barcode) options: little-endian words around the two
// prefix characters.
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/bytes.h"
#include "core/records/field_layout.h"

namespace tessel {

// The value the block always carries in its first word.
inline constexpr std::uint16_t kWeightCodeMarker = 43994;

struct WeightCodeBlock {
    Word16 marker;         // kWeightCodeMarker
    Word16 flags;          // kWeightCodeFlagBits
    Bytes<2> prefixCode;   // two characters, no terminating zero
    Word16 maskCode;       // 5..9
    Word16 keyField;       // field 1..8
    Word16 quantityField;  // field 1..8
};

static_assert(std::is_trivially_copyable_v<WeightCodeBlock>);
static_assert(sizeof(WeightCodeBlock) == 12);
static_assert(offsetof(WeightCodeBlock, marker) == 0);
static_assert(offsetof(WeightCodeBlock, flags) == 2);
static_assert(offsetof(WeightCodeBlock, prefixCode) == 4);
static_assert(offsetof(WeightCodeBlock, maskCode) == 6);
static_assert(offsetof(WeightCodeBlock, keyField) == 8);
static_assert(offsetof(WeightCodeBlock, quantityField) == 10);

inline constexpr BitRange kWeightCodeEnable{"enable", 0, 1};
inline constexpr BitRange kWeightCode1cFormat{"format1c", 1, 1};
inline constexpr std::array<BitRange, 3> kWeightCodeFlagBits{{
    {"reserved2", 2, 14},
    kWeightCode1cFormat,
    kWeightCodeEnable,
}};

inline constexpr std::array<FieldLayout, 6> kWeightCodeBlockLayout{{
    TESSEL_FIELD(WeightCodeBlock, marker, FieldKind::Word),
    TESSEL_FIELD(WeightCodeBlock, flags, FieldKind::Bits, 1, kWeightCodeFlagBits),
    TESSEL_FIELD(WeightCodeBlock, prefixCode, FieldKind::Characters),
    TESSEL_FIELD(WeightCodeBlock, maskCode, FieldKind::Word),
    TESSEL_FIELD(WeightCodeBlock, keyField, FieldKind::Word),
    TESSEL_FIELD(WeightCodeBlock, quantityField, FieldKind::Word),
}};

}  // namespace tessel
