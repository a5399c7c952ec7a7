#pragma once
// The terminal model family beside the definition, and what the preferences'
// interface choices mean for each family.
#include <optional>
#include <span>

namespace tessel {

inline constexpr int kFamily4760 = 4760;
inline constexpr int kFamilyGroup = 4130;
// Held from start-up until the first New or Open: a model of the group family.
inline constexpr int kFamilyAtStartup = 4120;

inline constexpr bool is4760(int family) { return family == kFamily4760; }

// String ids of the interfaces offered for downloading and receiving.
std::span<const int> interfaceStringIds(int family);

// The link kind (0 the infrared cradle) of an interface choice; nothing for a
// choice that starts no transfer.
std::optional<int> linkKindOf(int family, int interfaceChoice);

}  // namespace tessel
