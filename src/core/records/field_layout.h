#pragma once
// Named descriptions of record members. They drive the readable export and
// import of a definition; tests check that each record's descriptions cover
// its bytes exactly once, in order, and that the element lists name members
// that exist.
#include <cstddef>
#include <span>
#include <string_view>

#include "core/bytes.h"

namespace tessel {

enum class FieldKind {
    Number,  // each element one unsigned byte
    Word,    // each element a 16-bit little-endian word
    Text,    // each element a zero-terminated 8-bit text cell
    // Each element characters zero-padded to its size; a full element has no
    // zero. An element of one byte is a single character, 0 for none.
    Characters,
    Bytes,  // each element a byte string that is not text (reserved, runtime)
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

// A member holding one element per field (menu item, ...), as the readable
// form shows it inside that element's object. `blank` is the value of each of
// its bytes in an element that is not in use.
struct ElementMember {
    std::string_view member;  // the member's name in the layout table
    std::string_view name;    // its name inside the element's object
    Byte blank = 0;
};

// Members with one element per field (menu item, ...) that the readable form
// gathers into one object per element, numbered from 1, so each value is read
// with the element it belongs to. An element whose bytes are all blank is not
// in use and is left out.
struct ElementList {
    std::string_view name;    // the list, e.g. "fields"
    std::string_view number;  // each element's number, e.g. "field"
    std::size_t count;
    std::span<const ElementMember> members;
};

// Describes member `member` of `Record` by its own offset and size, so a
// description can never disagree with the struct.
#define TESSEL_FIELD(Record, member, kind, ...) \
    ::tessel::FieldLayout { #member, offsetof(Record, member), sizeof(Record::member), kind, __VA_ARGS__ }

}  // namespace tessel
