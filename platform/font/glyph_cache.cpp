#include "platform/font/glyph_cache.h"

namespace kp {

std::shared_ptr<Glyph const> GlyphCache::find(uint32_t index) const
{
    auto it = glyphs_.find(index);
    return it == glyphs_.end() ? nullptr : it->second;
}

std::shared_ptr<Glyph const> GlyphCache::insert(Glyph glyph)
{
    std::size_t const bytes = glyph.coverage.size() + sizeof(Glyph);
    if (bytes_ + bytes > byte_budget) {
        glyphs_.clear();
        bytes_ = 0;
    }
    uint32_t const index = glyph.index;
    auto stored = std::make_shared<Glyph const>(std::move(glyph));
    glyphs_.insert_or_assign(index, stored);
    bytes_ += bytes;
    return stored;
}

} // namespace kp
