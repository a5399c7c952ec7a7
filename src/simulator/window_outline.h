#pragma once
// The outline of each terminal's picture: the main window is cut to it.
#include <span>

namespace tessel::sim {

struct OutlinePoint {
    int x;
    int y;
};

// The polygon, in window pixels and in order, filled with the winding rule.
std::span<const OutlinePoint> windowOutline(int family);

}  // namespace tessel::sim
