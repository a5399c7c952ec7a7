#pragma once
// A picture of a barcode as a camera might take it: placed on a larger grey
// page, scaled, turned by a few degrees, softened and with noise, all from a
// fixed seed so that every run sees the same pixels.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "barcode/picture.h"

namespace tessel::test {

struct PhotoLike {
    int width = 1280;
    int height = 960;
    double scale = 1.0;
    double degrees = 0.0;
    int noise = 0;  // largest change of a pixel, up and down
};

inline barcode::Picture photoLike(const barcode::Picture& label, const PhotoLike& how) {
    barcode::Picture photo{how.width, how.height, {}};
    photo.pixels.resize(static_cast<std::size_t>(how.width) * how.height);
    const double angle = how.degrees * std::numbers::pi / 180;
    const double c = std::cos(angle) / how.scale;
    const double s = std::sin(angle) / how.scale;
    const double cx = how.width / 2.0;
    const double cy = how.height / 2.0;
    std::uint32_t seed = 12345;
    for (int y = 0; y < how.height; ++y) {
        for (int x = 0; x < how.width; ++x) {
            // Where the pixel falls on the label, averaged over four nearby points to soften edges.
            double sum = 0;
            for (const double d : {-0.5, 0.5}) {
                for (const double e : {-0.5, 0.5}) {
                    const double lx = (x + d - cx) * c + (y + e - cy) * s + label.width / 2.0;
                    const double ly = -(x + d - cx) * s + (y + e - cy) * c + label.height / 2.0;
                    const int ix = static_cast<int>(std::floor(lx));
                    const int iy = static_cast<int>(std::floor(ly));
                    const bool on = ix >= 0 && iy >= 0 && ix < label.width && iy < label.height;
                    sum += on ? label.at(ix, iy) : 200;  // the page round the label is light grey
                }
            }
            seed = seed * 1664525u + 1013904223u;
            const int jitter = how.noise == 0 ? 0 : static_cast<int>(seed >> 16) % (2 * how.noise + 1) - how.noise;
            const int value = static_cast<int>(sum / 4 * 0.8 + 20) + jitter;  // less contrast than print
            photo.pixels[static_cast<std::size_t>(y) * how.width + x] =
                static_cast<std::uint8_t>(std::clamp(value, 0, 255));
        }
    }
    return photo;
}

}  // namespace tessel::test
