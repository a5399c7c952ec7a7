#include "simulator/keypad.h"

#include <array>
#include <iterator>

#include "core/model_family.h"

namespace tessel::sim {
namespace {

// The 4760 keys band by band from the top, in the order they are tested.
constexpr KeyArea k4760Keys[] = {
    {42, 56, 98, 301, 340, 56, 301},    {43, 162, 204, 301, 340, 162, 301}, {32, 105, 155, 361, 383, 105, 361},
    {33, 105, 155, 387, 409, 105, 387}, {34, 65, 97, 353, 383, 65, 353},    {35, 164, 196, 353, 383, 164, 353},
    {36, 62, 99, 386, 411, 62, 386},    {37, 162, 199, 386, 411, 162, 386}, {1, 62, 93, 416, 436, 62, 416},
    {2, 97, 128, 416, 436, 97, 416},    {3, 132, 163, 416, 436, 132, 416},  {4, 167, 198, 416, 436, 167, 416},
    {5, 62, 93, 441, 461, 62, 441},     {6, 97, 128, 441, 461, 97, 441},    {7, 132, 163, 441, 461, 132, 441},
    {8, 167, 198, 441, 461, 167, 441},  {9, 62, 93, 466, 486, 62, 466},     {10, 97, 128, 466, 486, 97, 466},
    {11, 132, 163, 466, 486, 132, 466}, {12, 167, 198, 466, 486, 167, 466}, {13, 62, 93, 490, 510, 62, 490},
    {14, 97, 128, 490, 510, 97, 490},   {15, 132, 163, 490, 510, 132, 490}, {16, 167, 198, 490, 510, 167, 490},
    {17, 62, 86, 517, 534, 62, 517},    {18, 90, 114, 517, 534, 90, 517},   {19, 118, 142, 517, 534, 118, 517},
    {20, 146, 170, 517, 534, 146, 517}, {21, 174, 198, 517, 534, 174, 517}, {22, 62, 86, 541, 558, 62, 541},
    {23, 90, 114, 541, 558, 90, 541},   {24, 118, 142, 541, 558, 118, 541}, {25, 146, 170, 541, 558, 146, 541},
    {26, 174, 198, 541, 558, 174, 541}, {27, 62, 86, 565, 582, 62, 565},    {28, 90, 114, 565, 582, 90, 565},
    {29, 118, 142, 565, 582, 118, 565}, {30, 146, 170, 565, 582, 146, 565}, {31, 174, 198, 565, 582, 174, 565},
    {38, 77, 99, 588, 603, 77, 588},    {39, 105, 127, 588, 603, 105, 588}, {40, 133, 155, 588, 603, 133, 588},
    {41, 158, 186, 586, 604, 158, 586},
};

// The group family's keys: four columns per band below the top row.
constexpr std::array<int, 4> kGroupLeft{49, 88, 125, 163};
constexpr std::array<int, 4> kGroupRight{74, 112, 149, 188};

struct GroupBand {
    std::array<int, 4> codes;
    int top, bottom, originY;
    std::array<int, 4> originX;
};

constexpr GroupBand kGroupBands[] = {
    {{34, 32, 33, 35}, 327, 341, 327, {49, 88, 126, 164}}, {{1, 2, 3, 30}, 352, 368, 353, {49, 88, 125, 164}},
    {{5, 6, 7, 13}, 382, 398, 384, {49, 88, 125, 164}},    {{9, 10, 11, 31}, 414, 430, 414, {49, 88, 125, 164}},
    {{15, 14, 29, 12}, 445, 461, 445, {49, 88, 125, 164}}, {{17, 18, 19, 20}, 474, 490, 474, {49, 88, 125, 164}},
    {{21, 22, 23, 24}, 499, 515, 499, {49, 88, 125, 164}}, {{25, 26, 4, 37}, 524, 540, 524, {49, 88, 125, 165}},
};

constexpr KeyArea kGroupTopAndBottom[] = {
    {36, 43, 81, 284, 317, 45, 289},    {44, 95, 141, 284, 317, 99, 289}, {42, 156, 191, 284, 317, 157, 289},
    {38, 54, 72, 541, 558, 58, 541},    {39, 84, 102, 541, 558, 85, 541}, {40, 144, 162, 541, 558, 144, 541},
    {41, 172, 190, 541, 558, 173, 541},
};

std::vector<KeyArea> groupKeyAreas() {
    std::vector<KeyArea> keys(std::begin(kGroupTopAndBottom), std::end(kGroupTopAndBottom));
    for (const auto& band : kGroupBands) {
        for (std::size_t column = 0; column < 4; ++column) {
            keys.push_back({band.codes[column], kGroupLeft[column], kGroupRight[column], band.top, band.bottom,
                            band.originX[column], band.originY});
        }
    }
    return keys;
}

}  // namespace

std::vector<KeyArea> keyAreas(int family) {
    if (is4760(family)) return {std::begin(k4760Keys), std::end(k4760Keys)};
    return groupKeyAreas();
}

// The 4760 keys are tested band by band and the first match wins; the group
// family's bands are all tested and the last match wins (they do not overlap).
std::optional<KeyHit> hitTestKey(int family, int x, int y) {
    std::optional<KeyHit> hit;
    for (const auto& key : keyAreas(family)) {
        if (!key.contains(x, y)) continue;
        hit = KeyHit{key.code, key.originX, key.originY};
        if (is4760(family)) break;
    }
    return hit;
}

std::optional<KeyArea> findKeyArea(int family, int code) {
    for (const auto& key : keyAreas(family)) {
        if (key.code == code) return key;
    }
    return std::nullopt;
}

int groupPressedImage(int code) {
    constexpr std::array<int, 45> kImages{
        0, 9,  10, 11, 35, 13, 14, 15, 0,  17, 18, 19, 24, 16, 22, 21,  // codes 0..15
        0, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 0,  0,  23, 12, 20,  // codes 16..31
        6, 7,  5,  8,  2,  36, 37, 38, 39, 40, 4,  0,  3,               // codes 32..44
    };
    if (code < 0 || code >= static_cast<int>(kImages.size())) return 0;
    return kImages[static_cast<std::size_t>(code)];
}

}  // namespace tessel::sim
