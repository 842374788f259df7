#pragma once

// Collects the walk of a FreeType outline (FT_Outline_Decompose) into a GlyphOutline.
// FreeType walks in 26.6 pixels with y upwards; the outline keeps pixels with y downwards.
//
// The callbacks are called from FreeType's C code, which no exception may cross. A callback
// that cannot store its step (out of memory) keeps the exception and returns FreeType's
// out-of-memory error, which ends the walk; finish() throws the kept exception again once
// FreeType has returned.

#include <exception>
#include <initializer_list>

#include <ft2build.h>
#include FT_OUTLINE_H

#include "platform/font/glyph_outline.h"

namespace kp {

class OutlineWriter {
public:
    // What FT_Outline_Decompose calls, with a writer as its `user` argument.
    static FT_Outline_Funcs const callbacks;

    static int move_to(FT_Vector const* to, void* user) noexcept;
    static int line_to(FT_Vector const* to, void* user) noexcept;
    static int conic_to(FT_Vector const* control, FT_Vector const* to, void* user) noexcept;
    static int cubic_to(FT_Vector const* control1, FT_Vector const* control2, FT_Vector const* to,
                        void* user) noexcept;

    // The outline once the walk has returned `walk_error`: the exception a callback kept is
    // thrown here; a walk that failed for another reason gives an empty outline.
    GlyphOutline finish(FT_Error walk_error);

private:
    // Runs one step of the walk on the writer behind `user`, keeping what it throws.
    template <typename Step>
    static int guarded_step(void* user, Step&& step) noexcept;

    void add(GlyphOutline::Verb verb, std::initializer_list<FT_Vector const*> points);
    void close();

    GlyphOutline outline_;
    bool open_ = false;
    std::exception_ptr failure_;
};

} // namespace kp
