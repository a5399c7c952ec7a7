#include "core/model_family.h"

#include <array>

namespace tessel {
namespace {

constexpr std::array<int, 3> k4760Interfaces{1491, 1492, 1529};         // Cradle-IR, IrDA, Bluetooth SPP
constexpr std::array<int, 4> kGroupInterfaces{1551, 1552, 1553, 1555};  // RS-232, Bluetooth, USB-VCOM, SD Card
constexpr std::array<int, 3> k4760LinkKinds{0, 1, 2};
constexpr std::array<int, 4> kGroupLinkKinds{2, 2, 2, 3};

}  // namespace

std::span<const int> interfaceStringIds(int family) {
    if (is4760(family)) return k4760Interfaces;
    return kGroupInterfaces;
}

std::optional<int> linkKindOf(int family, int interfaceChoice) {
    const std::span<const int> kinds = is4760(family) ? std::span<const int>(k4760LinkKinds) : kGroupLinkKinds;
    if (interfaceChoice < 0 || static_cast<std::size_t>(interfaceChoice) >= kinds.size()) return std::nullopt;
    return kinds[static_cast<std::size_t>(interfaceChoice)];
}

}  // namespace tessel
