#pragma once
// Where the keys of each terminal's picture are: which key a click hits, where
// its image goes, and which pressed image a key of the group family shows.
#include <optional>
#include <vector>

namespace tessel::sim {

struct KeyHit {
    int code;
    int originX;  // top-left corner of the key's image
    int originY;
};

// One key of a picture: its code, its inclusive hit rectangle and the
// top-left corner of its image.
struct KeyArea {
    int code;
    int left, right, top, bottom;
    int originX, originY;

    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The keys of the family's picture, in the order they are hit-tested.
std::vector<KeyArea> keyAreas(int family);

// The key under the client point (x, y) of the family's skin, if any.
std::optional<KeyHit> hitTestKey(int family, int x, int y);

// The key of `code` on the family's picture, if the picture has one.
std::optional<KeyArea> findKeyArea(int family, int code);

// Index of the pressed image of a group-family key among the skin's images
// (1 is the whole released keypad); 0 for a key without one.
int groupPressedImage(int code);

}  // namespace tessel::sim
