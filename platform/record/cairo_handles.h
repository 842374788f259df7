#pragma once

// Owners of cairo objects: every surface, context and font face the picture writer makes
// is released by one of these.

#include <cairo.h>

#include <memory>

namespace kp::cairo {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct FontFaceRelease {
    void operator()(cairo_font_face_t* face) const { cairo_font_face_destroy(face); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using ContextPtr = std::unique_ptr<cairo_t, ContextRelease>;
using FontFacePtr = std::unique_ptr<cairo_font_face_t, FontFaceRelease>;

// cairo_save now, cairo_restore when the scope ends.
class SavedState {
public:
    explicit SavedState(cairo_t* context) : context_(context) { cairo_save(context_); }
    ~SavedState() { cairo_restore(context_); }
    SavedState(SavedState const&) = delete;
    SavedState& operator=(SavedState const&) = delete;

private:
    cairo_t* context_;
};

} // namespace kp::cairo
