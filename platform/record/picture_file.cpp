#include "platform/record/picture_file.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "platform/raster/pixel_limits.h"
#include "platform/raster/png_file.h"
#include "platform/record/cairo_handles.h"
#include "platform/record/cairo_canvas.h"
#include "platform/record/svg_document.h"
#include "platform/record/vector_replay.h"

namespace kp {

namespace {

// Points per pixel at the screen's 96 pixels per inch.
constexpr double points_per_pixel = 72.0 / 96.0;

bool ends_with_ignoring_case(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// A file beside the destination under a fresh name, removed again unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string const& destination)
    {
        std::vector<char> name(destination.begin(), destination.end());
        for (char c : std::string_view(".XXXXXX"))
            name.push_back(c);
        name.push_back('\0');
        int const fd = mkstemp(name.data());
        if (fd < 0)
            return;
        // mkstemp makes the file private; a saved picture gets the usual permissions.
        mode_t const mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
        close(fd);
        path_.assign(name.data());
    }
    ~TemporaryFile()
    {
        if (!path_.empty())
            std::remove(path_.c_str());
    }
    TemporaryFile(TemporaryFile const&) = delete;
    TemporaryFile& operator=(TemporaryFile const&) = delete;

    bool exists() const { return !path_.empty(); }
    std::string const& path() const { return path_; }
    // Renames it to the destination; true when it is there.
    bool move_to(std::string const& destination)
    {
        if (std::rename(path_.c_str(), destination.c_str()) != 0)
            return false;
        path_.clear();
        return true;
    }

private:
    std::string path_;
};

bool write_pdf(Recording const& recording, FinalPixels const& final_pixels, std::string const& path)
{
    Rect const area = recording.area();
    cairo::SurfacePtr surface(
        cairo_pdf_surface_create(path.c_str(), area.width * points_per_pixel, area.height * points_per_pixel));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "KelvoLib");
    {
        cairo::ContextPtr context(cairo_create(surface.get()));
        cairo_scale(context.get(), points_per_pixel, points_per_pixel);
        // The page starts white, as a cleared graph does.
        cairo_set_source_rgb(context.get(), 1, 1, 1);
        cairo_paint(context.get());
        {
            CairoCanvas canvas(context.get(), area);
            replay(recording, final_pixels, canvas);
        }
        if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS)
            return false;
    }
    cairo_surface_finish(surface.get());
    return cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS;
}

bool write_pixels(Recording const& recording, FinalPixels const& final_pixels, std::string const& path)
{
    Rect const area = recording.area();
    Surface picture(area.size(), colors::white);
    Rect const source = area.translated(final_pixels.origin.x, final_pixels.origin.y).intersected(final_pixels.surface.bounds());
    for (int32_t y = source.top(); y < source.bottom(); ++y) {
        uint32_t const* from = final_pixels.surface.row(y) + source.left();
        std::copy_n(from, source.width, picture.row(y - area.y - final_pixels.origin.y) + (source.left() - area.x - final_pixels.origin.x));
    }
    return write_png(picture, path);
}

} // namespace

std::optional<PictureFormat> picture_format_for(std::string_view path)
{
    if (ends_with_ignoring_case(path, ".png"))
        return PictureFormat::Png;
    if (ends_with_ignoring_case(path, ".svg"))
        return PictureFormat::Svg;
    if (ends_with_ignoring_case(path, ".pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

bool save_picture(Recording const& recording, FinalPixels const& final_pixels, PictureFormat format,
                  std::string const& path)
{
    if (recording.area().is_empty() || !within_pixel_limits(recording.area().size()))
        return false;
    TemporaryFile file(path);
    if (!file.exists())
        return false;
    bool written = false;
    switch (format) {
    case PictureFormat::Png:
        written = write_pixels(recording, final_pixels, file.path());
        break;
    case PictureFormat::Svg:
        written = write_svg(recording, final_pixels, file.path());
        break;
    case PictureFormat::Pdf:
        written = write_pdf(recording, final_pixels, file.path());
        break;
    }
    return written && file.move_to(path);
}

} // namespace kp
