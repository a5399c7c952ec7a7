#pragma once
// Named descriptions of record members. They drive the readable export and
// import of a definition; tests check that each record's descriptions cover
// its bytes exactly once, in order.
#include <cstddef>
#include <span>
#include <string_view>

#include "core/bytes.h"

namespace tessel {

enum class FieldKind {
    Number,  // each element one unsigned byte
    Word,    // each element a 16-bit little-endian word
    Text,    // each element a zero-terminated 8-bit text cell
    Bytes,   // each element a byte string that is not text (codes, prefixes, reserved)
    Bits,    // one byte (or word, when size is 2) made of named bit ranges
};

struct FieldLayout {
    std::string_view name;
    std::size_t offset;
    std::size_t size;  // bytes in all
    FieldKind kind;
    std::size_t count = 1;  // elements; element size is size / count
    std::span<const BitRange> bits = {};
};

// Describes member `member` of `Record` by its own offset and size, so a
// description can never disagree with the struct.
#define TESSEL_FIELD(Record, member, kind, ...) \
    ::tessel::FieldLayout { #member, offsetof(Record, member), sizeof(Record::member), kind, __VA_ARGS__ }

}  // namespace tessel
