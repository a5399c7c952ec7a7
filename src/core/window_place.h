#pragma once
// Where the main window goes on its screen: at its usual place, x 300 and
// y 50 from the screen's corner, but never partly off the screen's free area
// (the screen without its panels). At a larger scale factor the screen has
// fewer logical pixels than the fixed-size terminal needs; the window is then
// moved in, and when it is taller or wider than the free area its top-left
// corner stays on it, so the terminal's screen and upper keys are seen.
namespace tessel {

inline constexpr int kWindowPlaceX = 300;
inline constexpr int kWindowPlaceY = 50;

struct PlaceRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct PlacePoint {
    int x = 0, y = 0;

    bool operator==(const PlacePoint&) const = default;
};

// The window's top-left corner for a window of `width` x `height` on the
// screen whose whole area is `screen` and free area `available`.
PlacePoint windowPlace(PlaceRect screen, PlaceRect available, int width, int height);

}  // namespace tessel
