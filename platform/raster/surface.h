#pragma once

// A block of 32-bit pixels (0x00RRGGBB), rows top to bottom, with no padding between rows.
// Bitmaps own one; a host's framebuffer is one.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/rect.h"

namespace kp {

class Surface {
public:
    Surface() = default;
    // Negative sizes count as 0. Every pixel starts as `fill`.
    explicit Surface(Size size, Color fill = colors::black);

    Size size() const { return size_; }
    int32_t width() const { return size_.width; }
    int32_t height() const { return size_.height; }
    Rect bounds() const { return Rect::from_size(size_); }
    bool is_empty() const { return size_.is_empty(); }

    // Device-level access: callers clip (the point must lie inside the surface).
    uint32_t* row(int32_t y) { return pixels_.data() + static_cast<std::size_t>(y) * size_.width; }
    uint32_t const* row(int32_t y) const { return pixels_.data() + static_cast<std::size_t>(y) * size_.width; }
    uint32_t& at(int32_t x, int32_t y) { return row(y)[x]; }
    uint32_t at(int32_t x, int32_t y) const { return row(y)[x]; }

    // Checked access for tests and callers outside the raster engine.
    Color pixel(Point p) const;
    void set_pixel(Point p, Color color);

    void fill(Color color);
    // Changes the size, keeping the pixels of the common top-left part; new pixels are `fill`.
    void resize(Size size, Color fill = colors::black);
    // Becomes a surface of the size with every pixel `fill`, in the memory it holds when that
    // is enough (a surface used again and again needs no fresh memory each time).
    void reset(Size size, Color fill);

    std::span<uint32_t> pixels() { return pixels_; }
    std::span<uint32_t const> pixels() const { return pixels_; }

private:
    Size size_;
    std::vector<uint32_t> pixels_;
};

} // namespace kp
