#include "simulator/startup_groups.h"

#include "core/model_family.h"

namespace tessel {
namespace {

constexpr std::size_t kUploadPorts4760 = 5;
constexpr std::size_t kBuzzerEntry = 1;  // of the settings text lines
// Behind the three lines of its block, "Misc - continuous " carries the
// calculator entry and the three entries of the buzzer's screen.
constexpr std::array<std::size_t, 4> kMiscContinuousSettingsLines{0, 2, 3, 4};

std::vector<LineHome> blockLines(int number, std::size_t first, std::size_t count) {
    const auto& info = kTextBlocks[static_cast<std::size_t>(number - 1)];
    std::vector<LineHome> homes;
    for (std::size_t line = first; line < first + count; ++line) homes.push_back({false, info.firstLine + line});
    return homes;
}

}  // namespace

std::size_t editedLines(std::size_t group, int family) {
    if (group == kUploadPortGroup && is4760(family)) return kUploadPorts4760;
    return kStartupGroupTable[group].lines;
}

std::vector<LineHome> groupHomes(std::size_t group, int family) {
    const int number = static_cast<int>(group) + 2;
    const std::size_t blockLength = kTextBlocks[static_cast<std::size_t>(number - 1)].lineCount;
    if (group == kSettingsGroup) {
        auto homes = blockLines(number, 1, blockLength - 2);
        homes.push_back({true, kBuzzerEntry});
        homes.push_back(blockLines(number, blockLength - 1, 1).front());
        return homes;
    }
    if (group == kMiscContinuousGroup) {
        auto homes = blockLines(number, 0, blockLength);
        for (const std::size_t line : kMiscContinuousSettingsLines) homes.push_back({true, line});
        return homes;
    }
    if (group == kUploadPortGroup && is4760(family)) return blockLines(number, 0, kUploadPorts4760);
    return blockLines(number, 0, blockLength);
}

}  // namespace tessel
