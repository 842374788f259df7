#include "platform/raster/png_file.h"

#include <cstring>
#include <vector>

#include <png.h>

namespace kp {

namespace {

// The simplified libpng interface reports errors through the image record instead of long
// jumps, so it is safe to call from C++. This frees what it holds on every path.
class PngImage {
public:
    PngImage()
    {
        std::memset(&image_, 0, sizeof image_);
        image_.version = PNG_IMAGE_VERSION;
    }
    ~PngImage() { png_image_free(&image_); }
    PngImage(PngImage const&) = delete;
    PngImage& operator=(PngImage const&) = delete;
    png_image* get() { return &image_; }

private:
    png_image image_;
};

} // namespace

bool write_png(Surface const& surface, std::string const& path)
{
    if (surface.is_empty())
        return false;
    std::vector<uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(surface.size().area()) * 3);
    for (uint32_t pixel : surface.pixels()) {
        bytes.push_back(static_cast<uint8_t>(pixel >> 16));
        bytes.push_back(static_cast<uint8_t>(pixel >> 8));
        bytes.push_back(static_cast<uint8_t>(pixel));
    }
    PngImage image;
    image.get()->width = static_cast<png_uint_32>(surface.width());
    image.get()->height = static_cast<png_uint_32>(surface.height());
    image.get()->format = PNG_FORMAT_RGB;
    // Graphs are flat colours, which compress well without the search for the best filter of
    // each row: that search costs more than drawing most plots, for files a little larger.
    image.get()->flags = PNG_IMAGE_FLAG_FAST;
    return png_image_write_to_file(image.get(), path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
}

std::optional<Surface> read_png(std::string const& path)
{
    PngImage image;
    if (png_image_begin_read_from_file(image.get(), path.c_str()) == 0)
        return std::nullopt;
    png_uint_32 const width = image.get()->width;
    png_uint_32 const height = image.get()->height;
    if (width == 0 || height == 0 || width > 1u << 15 || height > 1u << 15)
        return std::nullopt;
    image.get()->format = PNG_FORMAT_RGB;
    std::vector<uint8_t> bytes(std::size_t{width} * height * 3);
    png_color black{0, 0, 0};
    if (png_image_finish_read(image.get(), &black, bytes.data(), 0, nullptr) == 0)
        return std::nullopt;
    Surface surface({static_cast<int32_t>(width), static_cast<int32_t>(height)});
    auto pixels = surface.pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = Color::from_rgb(bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]).pixel();
    return surface;
}

} // namespace kp
