#pragma once
// The texts that the terminal's own screens show: 27 blocks of consecutive
// line cells, 133 lines in all. Block 1 has no screen; blocks 2 to 27 are the
// screens named by string ids 1581 to 1606.
#include <array>
#include <span>

#include "core/bytes.h"

namespace tessel {

inline constexpr int kTextBlockCount = 27;
inline constexpr std::size_t kTerminalTextLines = 133;

struct TextBlockInfo {
    std::size_t firstLine;  // index of the block's first line in TerminalTexts
    std::size_t lineCount;
    int nameId;          // string id of the screen's name; 0 for block 1
    int defaultId4760;   // string id of the first default line; 0 when none
    int defaultIdGroup;  // the same for the group family
};

// Blocks 1 to 27 at indexes 0 to 26.
inline constexpr std::array<TextBlockInfo, kTextBlockCount> kTextBlocks = [] {
    constexpr std::array<std::array<int, 3>, kTextBlockCount> rows{{
        {4, 0, 0},       {4, 721, 721},   {8, 761, 761},   {4, 981, 981},   {4, 991, 991},   {4, 1021, 1021},
        {7, 1031, 1031}, {8, 781, 781},   {6, 801, 811},   {6, 841, 851},   {5, 861, 861},   {4, 881, 881},
        {4, 901, 901},   {6, 921, 921},   {8, 941, 941},   {3, 1091, 1091}, {5, 741, 741},   {4, 821, 821},
        {5, 731, 731},   {5, 971, 971},   {3, 751, 751},   {2, 961, 961},   {4, 1001, 1001}, {3, 1011, 1011},
        {6, 1071, 1071}, {8, 1041, 1041}, {3, 1051, 1051},
    }};
    std::array<TextBlockInfo, kTextBlockCount> blocks{};
    std::size_t line = 0;
    for (std::size_t b = 0; b < rows.size(); ++b) {
        const int nameId = b == 0 ? 0 : 1580 + static_cast<int>(b);
        blocks[b] = {line, static_cast<std::size_t>(rows[b][0]), nameId, rows[b][1], rows[b][2]};
        line += blocks[b].lineCount;
    }
    return blocks;
}();
static_assert(kTextBlocks.back().firstLine + kTextBlocks.back().lineCount == kTerminalTextLines);

// The "Main menu " block has a fourth line of 20 blanks that no string id gives.
inline constexpr int kMainMenuBlock = 2;
// The image always takes these two blocks from the family's default texts.
inline constexpr int kUploadPortBlock = 9;
inline constexpr int kDownloadPortBlock = 10;

struct TerminalTexts {
    std::array<TextCell, kTerminalTextLines> lines;

    // The lines of block `number` (1 to 27).
    std::span<TextCell> block(int number) {
        const auto& info = kTextBlocks[static_cast<std::size_t>(number - 1)];
        return std::span<TextCell>(lines).subspan(info.firstLine, info.lineCount);
    }
    std::span<const TextCell> block(int number) const {
        const auto& info = kTextBlocks[static_cast<std::size_t>(number - 1)];
        return std::span<const TextCell>(lines).subspan(info.firstLine, info.lineCount);
    }
};
static_assert(sizeof(TerminalTexts) == 2793);

}  // namespace tessel
