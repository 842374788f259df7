#pragma once

// Comparing a saved vector picture with the pixels it was saved from: the picture is
// rasterised back at the pixels' size by the usual command-line renderers, and each of its
// pixels must equal the original or lie within the colours of the original's 3 x 3
// neighbourhood, which is all that antialiasing an edge can produce.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/raster/png_file.h"
#include "platform/raster/surface.h"

namespace kp::testing {

struct PictureMatch {
    int64_t pixels = 0;
    int64_t matching = 0;
    // The same for the pixels that differ from the top-left one (the background, mostly):
    // a stricter measure, as plain background matches however little else does.
    int64_t ink_pixels = 0;
    int64_t ink_matching = 0;
    double share() const { return pixels == 0 ? 0.0 : static_cast<double>(matching) / static_cast<double>(pixels); }
    double ink_share() const
    {
        return ink_pixels == 0 ? 1.0 : static_cast<double>(ink_matching) / static_cast<double>(ink_pixels);
    }
};

// Rounding in the renderers' colour pipelines moves a channel by a step or two.
inline constexpr int channel_slack = 3;

inline PictureMatch match_pictures(Surface const& expected, Surface const& actual)
{
    PictureMatch match;
    if (expected.size() != actual.size())
        return match;
    int32_t const w = expected.width(), h = expected.height();
    if (w == 0 || h == 0)
        return match;
    uint32_t const background = expected.at(0, 0);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            ++match.pixels;
            bool const ink = expected.at(x, y) != background;
            match.ink_pixels += ink ? 1 : 0;
            uint32_t const got = actual.at(x, y);
            if (got == expected.at(x, y)) {
                ++match.matching;
                match.ink_matching += ink ? 1 : 0;
                continue;
            }
            bool inside = true;
            for (int shift : {16, 8, 0}) {
                int low = 255, high = 0;
                for (int32_t ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                    for (int32_t nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx) {
                        int const v = static_cast<int>((expected.at(nx, ny) >> shift) & 0xFF);
                        low = std::min(low, v);
                        high = std::max(high, v);
                    }
                int const v = static_cast<int>((got >> shift) & 0xFF);
                inside = inside && v >= low - channel_slack && v <= high + channel_slack;
            }
            match.matching += inside ? 1 : 0;
            match.ink_matching += inside && ink ? 1 : 0;
        }
    }
    return match;
}

// Rasterises an SVG or PDF file (by its extension) at width x height pixels into a PNG
// beside it and reads that back; nothing when the renderer failed.
inline std::optional<Surface> rasterised(std::string const& path, int32_t width, int32_t height)
{
    std::string const out = path + ".back.png";
    std::string command;
    if (path.ends_with(".svg")) {
        command = "rsvg-convert -b white -w " + std::to_string(width) + " -h " + std::to_string(height) + " -o '" + out
            + "' '" + path + "'";
    } else {
        std::string const stem = path + ".back";
        command = "pdftoppm -png -singlefile -r 96 -scale-to-x " + std::to_string(width) + " -scale-to-y "
            + std::to_string(height) + " '" + path + "' '" + stem + "'";
    }
    if (std::system(command.c_str()) != 0)
        return std::nullopt;
    return read_png(out);
}

} // namespace kp::testing
