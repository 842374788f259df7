#pragma once

// Shared helpers of the font tests: fonts from the process-wide engine and pixel
// comparisons of small surfaces.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/font/font_engine.h"
#include "platform/font/text_renderer.h"
#include "platform/raster/surface.h"

namespace kp::testing {

enum class Slant { Upright, Italic };

inline std::shared_ptr<Font const> font(std::string face, int32_t height = -13, int32_t weight = font_weight_normal,
                                        Slant slant = Slant::Upright, int32_t escapement = 0)
{
    FontEngine* engine = FontEngine::shared();
    if (engine == nullptr)
        return nullptr;
    LogicalFont logical;
    logical.face_name = std::move(face);
    logical.height = height;
    logical.weight = weight;
    logical.italic = slant == Slant::Italic;
    logical.escapement = escapement;
    return engine->realize(logical);
}

// The pixels that differ between two surfaces of the same size, row by row.
inline std::vector<Point> changed_pixels(Surface const& before, Surface const& after)
{
    std::vector<Point> changed;
    for (int32_t y = 0; y < after.height(); ++y) {
        for (int32_t x = 0; x < after.width(); ++x) {
            if (before.at(x, y) != after.at(x, y))
                changed.push_back({x, y});
        }
    }
    return changed;
}

inline Rect bounds_of(std::vector<Point> const& points)
{
    Rect bounds;
    for (Point p : points)
        bounds.unite({p.x, p.y, 1, 1});
    return bounds;
}

// Draws into a whole surface, clipped to nothing but its bounds.
inline Rect draw(Surface& surface, Font const& font, Point corner, char32_t character, TextPaint const& paint = {})
{
    Region const clip(surface.bounds());
    return draw_character({surface, {}, clip}, font, corner, character, paint);
}

} // namespace kp::testing
