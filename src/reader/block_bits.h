#pragma once
// Bits of the reader blocks addressed by block, byte and mask, so that the
// Barcode page and the option dialogs can be described as tables of the bits
// their controls edit.
#include <cstddef>

#include "core/definition.h"

namespace tessel {

enum class ReaderBlock {
    Symbology,  // SymbologyBlock, edited in 1D mode
    Reader,     // ReaderSettings, edited in 2D and long-range mode
    Settings,   // SystemSettings (the EAN128 field separator)
};

struct BlockBits {
    ReaderBlock block;
    std::size_t byte;
    unsigned mask;  // the bits of the byte; a value is read and written shifted down to bit 0
};

constexpr BlockBits symbologyBits(std::size_t byte, BitRange bits) {
    return {ReaderBlock::Symbology, byte, bits.mask()};
}
constexpr BlockBits readerBits(std::size_t byte, BitRange bits) { return {ReaderBlock::Reader, byte, bits.mask()}; }
constexpr BlockBits wholeByte(ReaderBlock block, std::size_t byte) { return {block, byte, 0xFFu}; }

Byte& blockByte(Definition& definition, ReaderBlock block, std::size_t byte);
Byte blockByte(const Definition& definition, ReaderBlock block, std::size_t byte);

// The value of the bits, shifted down to bit 0.
unsigned readBits(const Definition& definition, const BlockBits& bits);
// Stores `value` into the bits and leaves every other bit of the byte.
void writeBits(Definition& definition, const BlockBits& bits, unsigned value);

}  // namespace tessel
