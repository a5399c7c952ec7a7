#include "core/window_place.h"

#include <algorithm>

namespace tessel {
namespace {

// `wanted` moved into [start, start + room - size]; the start wins when the
// size does not fit the room.
int within(int wanted, int start, int room, int size) { return std::max(start, std::min(wanted, start + room - size)); }

}  // namespace

PlacePoint windowPlace(PlaceRect screen, PlaceRect available, int width, int height) {
    return {within(screen.x + kWindowPlaceX, available.x, available.width, width),
            within(screen.y + kWindowPlaceY, available.y, available.height, height)};
}

}  // namespace tessel
