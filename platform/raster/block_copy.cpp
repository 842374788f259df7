#include "platform/raster/block_copy.h"

#include <cassert>
#include <cstring>
#include <vector>

namespace kp {

void copy_block(Surface& destination, Point to, Surface const& source, Rect const& from, RasterOp op)
{
    if (from.is_empty())
        return;
    assert(source.bounds().contains(from));
    assert(destination.bounds().contains(Rect{to.x, to.y, from.width, from.height}));

    bool const same_surface = &destination == &source;
    // Whole rows of surfaces of one width form one contiguous block.
    if (op == RasterOp::Copy && from.x == 0 && to.x == 0 && from.width == source.width()
        && destination.width() == source.width()) {
        std::memmove(destination.row(to.y), source.row(from.y),
                     static_cast<std::size_t>(from.area()) * sizeof(uint32_t));
        return;
    }

    // A row that is read and written at once (same surface, same row) needs its source saved
    // first unless the operation moves memory as a whole.
    bool const shared_rows = same_surface && to.y == from.y && op != RasterOp::Copy;
    std::vector<uint32_t> saved(shared_rows ? static_cast<std::size_t>(from.width) : 0);

    bool const bottom_up = same_surface && to.y > from.y;
    for (int32_t i = 0; i < from.height; ++i) {
        int32_t const row = bottom_up ? from.height - 1 - i : i;
        uint32_t const* source_row = source.row(from.y + row) + from.x;
        if (shared_rows) {
            std::memcpy(saved.data(), source_row, saved.size() * sizeof(uint32_t));
            source_row = saved.data();
        }
        combine_row(destination.row(to.y + row) + to.x, source_row, from.width, op);
    }
}

} // namespace kp
