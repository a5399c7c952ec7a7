#pragma once
// Byte-level building blocks of the definition's fixed layouts. Every record is
// made only of these, so records have alignment 1, no padding, and the same
// layout on every host.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>

namespace tessel {

using Byte = std::uint8_t;

template <std::size_t N>
using Bytes = std::array<Byte, N>;

// A 16-bit little-endian word stored as two bytes.
struct Word16 {
    Byte lo = 0;
    Byte hi = 0;

    constexpr std::uint16_t value() const { return static_cast<std::uint16_t>(lo | (hi << 8)); }
    constexpr void set(std::uint16_t v) {
        lo = static_cast<Byte>(v & 0xFF);
        hi = static_cast<Byte>(v >> 8);
    }
};
static_assert(sizeof(Word16) == 2 && alignof(Word16) == 1);

// One line of terminal text: up to 20 8-bit characters and a terminating zero.
inline constexpr std::size_t kLineChars = 20;
inline constexpr std::size_t kLineCell = kLineChars + 1;
using TextCell = Bytes<kLineCell>;

// A run of bits inside one byte (or a little-endian word) of a record.
struct BitRange {
    std::string_view name;
    unsigned shift;
    unsigned width;

    constexpr unsigned mask() const { return ((1u << width) - 1u) << shift; }
    constexpr unsigned get(unsigned value) const { return (value & mask()) >> shift; }
    constexpr unsigned with(unsigned value, unsigned field) const {
        return (value & ~mask()) | ((field << shift) & mask());
    }
};

// Zero-terminated string view of a cell (the whole cell when it holds no zero).
template <std::size_t N>
std::string_view cellText(const Bytes<N>& cell) {
    const auto* chars = reinterpret_cast<const char*>(cell.data());
    return {chars, strnlen(chars, N)};
}

// Stores `text` cut to N - 1 bytes with its terminating zero; bytes after the
// zero are left as they were, as they carry no meaning.
template <std::size_t N>
void setCellText(Bytes<N>& cell, std::string_view text) {
    const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(cell.data(), text.data(), n);
    cell[n] = 0;
}

// A record's bytes. Records are made only of bytes, so this is their layout.
template <typename Record>
std::span<Byte, sizeof(Record)> recordBytes(Record& record) {
    static_assert(std::is_trivially_copyable_v<Record> && alignof(Record) == 1);
    return std::span<Byte, sizeof(Record)>(reinterpret_cast<Byte*>(&record), sizeof(Record));
}
template <typename Record>
std::span<const Byte, sizeof(Record)> recordBytes(const Record& record) {
    static_assert(std::is_trivially_copyable_v<Record> && alignof(Record) == 1);
    return std::span<const Byte, sizeof(Record)>(reinterpret_cast<const Byte*>(&record), sizeof(Record));
}

// Whether two records hold the same bytes.
template <typename Record>
bool sameBytes(const Record& a, const Record& b) {
    return std::memcmp(recordBytes(a).data(), recordBytes(b).data(), sizeof(Record)) == 0;
}

}  // namespace tessel
