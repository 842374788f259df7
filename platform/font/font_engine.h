#pragma once

// Realizes logical fonts: matches them to installed faces through fontconfig, opens them
// with FreeType at their pixel size and keeps recently realized fonts for reuse.
//
// The screen has 96 pixels per logical inch. A negative height asks for that many pixels
// of em (the character height without internal leading), a positive one for that cell
// height (ascent + descent), 0 for the default em of 16 pixels. Escapements are turned to
// the nearest quarter turn.

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/font/font.h"
#include "platform/font/font_matcher.h"
#include "platform/font/logical_font.h"

namespace kp {

namespace freetype {
class Library;
}

inline constexpr int32_t pixels_per_logical_inch = 96;

class FontEngine {
public:
    // Null when FreeType or fontconfig cannot start.
    static std::unique_ptr<FontEngine> create();
    // The engine that device contexts use, started on first use and never freed (see
    // no_destructor.h); null when it cannot start.
    static FontEngine* shared();

    FontEngine(std::shared_ptr<freetype::Library> library, std::unique_ptr<FontMatcher> matcher);
    ~FontEngine();
    FontEngine(FontEngine const&) = delete;
    FontEngine& operator=(FontEngine const&) = delete;

    // The font for a logical font, realized once and shared while it is recently used.
    // Null only when no usable font is installed at all.
    std::shared_ptr<Font const> realize(LogicalFont const& font);

    FontMatcher const& matcher() const { return *matcher_; }
    std::size_t cached_font_count() const { return cache_.size(); }

    // How many realized fonts the engine keeps; fonts still selected somewhere live on.
    static constexpr std::size_t cache_capacity = 64;

private:
    std::shared_ptr<freetype::Library> library_;
    std::unique_ptr<FontMatcher> matcher_;
    // Most recently used first.
    std::vector<std::shared_ptr<Font const>> cache_;
};

} // namespace kp
