#pragma once

// A vector canvas (vector_canvas.h) that draws with cairo: outlines as cairo paths, text as
// glyphs of the screen's own font files with their characters attached, images as pixel
// images. PDF pictures are made with it.

#include <cairo.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/record/cairo_handles.h"
#include "platform/record/vector_canvas.h"

namespace kp {

class CairoCanvas final : public VectorCanvas {
public:
    // Draws on `context`, whose user space has the top-left corner of `area` (logical
    // coordinates) at (0, 0) and one unit per pixel, and clips to the area.
    CairoCanvas(cairo_t* context, Rect const& area);
    ~CairoCanvas() override;
    CairoCanvas(CairoCanvas const&) = delete;
    CairoCanvas& operator=(CairoCanvas const&) = delete;

    void set_clip(Region const* clip) override;
    void fill_rect(Rect const& box, Color color) override;
    void fill_polygon(std::span<Spot const> points, FillRule rule, Color color) override;
    void fill_ellipse(Ellipse const& ellipse, Color color) override;
    void stroke_lines(std::span<Polyline const> lines, Stroke const& stroke) override;
    void stroke_arc(EllipseArc const& arc, Stroke const& stroke) override;
    void draw_text(PlacedText const& text) override;
    void draw_image(Surface const& pixels, Rect const& part, Point at, Region const* within,
                    ImageAlpha alpha) override;

private:
    cairo_font_face_t* face_for(Font const& font);
    void apply(Stroke const& stroke);

    cairo_t* context_;
    // Declared in this order so that the clip's state is restored before the area's.
    cairo::SavedState area_state_;
    std::optional<cairo::SavedState> clip_state_;
    Region const* clip_ = nullptr;
    // Cairo faces for the screen's font files, made once per picture.
    std::map<std::tuple<std::string, int32_t, bool>, cairo::FontFacePtr> faces_;
};

// A surface's pixels as a cairo image that shares nothing with the surface.
// The part of the pixels as an opaque cairo image.
cairo::SurfacePtr cairo_image_of(Surface const& pixels, Rect const& part);
// Pixels whose high byte says whether they were painted, as an image with that alpha.
cairo::SurfacePtr cairo_argb_image_of(Surface const& pixels, Rect const& part);

} // namespace kp
