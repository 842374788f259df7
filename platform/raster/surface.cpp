#include "platform/raster/surface.h"

#include <algorithm>
#include <cstring>

namespace kp {

namespace {
Size non_negative(Size size)
{
    if (size.width <= 0 || size.height <= 0)
        return {};
    return size;
}
} // namespace

Surface::Surface(Size size, Color fill)
    : size_(non_negative(size))
    , pixels_(static_cast<std::size_t>(size_.area()), fill.pixel())
{
}

Color Surface::pixel(Point p) const
{
    if (!bounds().contains(p))
        return {};
    return Color::from_pixel(at(p.x, p.y));
}

void Surface::set_pixel(Point p, Color color)
{
    if (bounds().contains(p))
        at(p.x, p.y) = color.pixel();
}

void Surface::fill(Color color)
{
    std::fill(pixels_.begin(), pixels_.end(), color.pixel());
}

void Surface::resize(Size size, Color fill)
{
    size = non_negative(size);
    if (size == size_)
        return;
    std::vector<uint32_t> resized(static_cast<std::size_t>(size.area()), fill.pixel());
    int32_t const common_width = std::min(size.width, size_.width);
    int32_t const common_height = std::min(size.height, size_.height);
    for (int32_t y = 0; y < common_height; ++y)
        std::memcpy(resized.data() + static_cast<std::size_t>(y) * size.width, row(y),
                    static_cast<std::size_t>(common_width) * sizeof(uint32_t));
    size_ = size;
    pixels_ = std::move(resized);
}

void Surface::reset(Size size, Color fill)
{
    size_ = non_negative(size);
    pixels_.assign(static_cast<std::size_t>(size_.area()), fill.pixel());
}

} // namespace kp
