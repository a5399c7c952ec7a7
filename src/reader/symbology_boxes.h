#pragma once
// The 27 symbology check boxes of the Barcode page (controls 101 to 127) and
// the bit each one edits in 1D mode and in 2D mode.
#include <array>
#include <optional>

#include "reader/block_bits.h"

namespace tessel {

inline constexpr std::size_t kSymbologyBoxes = 27;
inline constexpr int kFirstBoxId = 101;

struct SymbologyBox {
    int label1d;  // string id of the 1D label; 0 for the box 1D mode hides
    std::optional<BlockBits> bit1d;
    int label2d;
    BlockBits bit2d;
};

extern const std::array<SymbologyBox, kSymbologyBoxes> kSymbologyBoxTable;

// Boxes by control id, for the rules that name them.
constexpr std::size_t boxIndex(int id) { return static_cast<std::size_t>(id - kFirstBoxId); }
inline constexpr std::size_t kBoxEan13 = boxIndex(105);  // 2D: enables Bookland EAN
inline constexpr std::size_t kBoxBookland = boxIndex(106);
inline constexpr std::size_t kBoxCode11 = boxIndex(113);
inline constexpr std::size_t kBoxPostal = boxIndex(118);
inline constexpr std::size_t kBoxPdf417 = boxIndex(122);   // 2D: first of the six 2D symbologies
inline constexpr std::size_t kBoxCode128 = boxIndex(124);  // 1D: enables EAN128
inline constexpr std::size_t kBoxEan128 = boxIndex(125);
inline constexpr std::size_t kBoxQrCode = boxIndex(127);  // hidden in 1D mode

}  // namespace tessel
