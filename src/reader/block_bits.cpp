#include "reader/block_bits.h"

#include <bit>

namespace tessel {
namespace {

template <typename Definition_>
auto& byteOf(Definition_& definition, ReaderBlock block, std::size_t byte) {
    switch (block) {
        case ReaderBlock::Symbology: return recordBytes(definition.symbology)[byte];
        case ReaderBlock::Reader: return recordBytes(definition.reader)[byte];
        case ReaderBlock::Settings: break;
    }
    return recordBytes(definition.settings)[byte];
}

unsigned shiftOf(unsigned mask) { return mask == 0 ? 0 : static_cast<unsigned>(std::countr_zero(mask)); }

}  // namespace

Byte& blockByte(Definition& definition, ReaderBlock block, std::size_t byte) { return byteOf(definition, block, byte); }

Byte blockByte(const Definition& definition, ReaderBlock block, std::size_t byte) {
    return byteOf(definition, block, byte);
}

unsigned readBits(const Definition& definition, const BlockBits& bits) {
    return (blockByte(definition, bits.block, bits.byte) & bits.mask) >> shiftOf(bits.mask);
}

void writeBits(Definition& definition, const BlockBits& bits, unsigned value) {
    Byte& byte = blockByte(definition, bits.block, bits.byte);
    byte = static_cast<Byte>((byte & ~bits.mask) | ((value << shiftOf(bits.mask)) & bits.mask));
}

}  // namespace tessel
