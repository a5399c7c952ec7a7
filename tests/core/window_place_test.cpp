#include "core/window_place.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

// The terminal window is 267 x 645 logical pixels at any scale factor; a
// larger factor leaves the screen fewer logical pixels.
TEST(WindowPlace, StaysOnTheScreenItOpensOn) {
    struct Case {
        const char* what;
        PlaceRect screen, available;
        PlacePoint place;
    };
    const Case cases[] = {
        {"full HD at scale 1", {0, 0, 1920, 1080}, {0, 0, 1920, 1040}, {300, 50}},
        {"a panel at the top", {0, 0, 1920, 1080}, {0, 32, 1920, 1048}, {300, 50}},
        {"a tall panel at the top", {0, 0, 1920, 1080}, {0, 80, 1920, 1000}, {300, 80}},
        {"scale 1.5: a bottom panel would cover the keys", {0, 0, 1280, 720}, {0, 0, 1280, 690}, {300, 45}},
        {"scale 2: taller than the screen, top kept", {0, 0, 960, 540}, {0, 0, 960, 510}, {300, 0}},
        {"scale 2 with a top panel", {0, 0, 960, 540}, {0, 24, 960, 516}, {300, 24}},
        {"a narrow screen", {0, 0, 480, 800}, {0, 0, 480, 800}, {213, 50}},
        {"narrower than the window, left kept", {0, 0, 200, 800}, {10, 0, 190, 800}, {10, 50}},
        {"the second screen, right of the first", {1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}, {2220, 50}},
        {"a screen above the first", {0, -768, 1024, 768}, {0, -768, 1024, 740}, {300, -718}},
        {"a second screen at scale 2", {1920, 0, 960, 540}, {1920, 0, 960, 540}, {2220, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windowPlace(c.screen, c.available, 267, 645), c.place) << c.what;
    }
}

}  // namespace
}  // namespace tessel
