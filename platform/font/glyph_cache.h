#pragma once

// Rendered glyphs of one font, kept by glyph index so that every character a face lacks
// shares the one "missing" glyph and the cache can never hold more than the face's glyphs.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/font/glyph.h"

namespace kp {

class GlyphCache {
public:
    // Large fonts drawn with many different characters would otherwise keep every bitmap;
    // past this many coverage bytes the cache starts again. Glyphs handed out stay valid.
    static constexpr std::size_t byte_budget = std::size_t{32} << 20;

    std::shared_ptr<Glyph const> find(uint32_t index) const;
    std::shared_ptr<Glyph const> insert(Glyph glyph);
    std::size_t size() const { return glyphs_.size(); }

private:
    std::unordered_map<uint32_t, std::shared_ptr<Glyph const>> glyphs_;
    std::size_t bytes_ = 0;
};

} // namespace kp
