#pragma once

// A recording of what a device context has drawn into one picture area, kept so that the
// picture can be saved as vector graphics (picture_file.h).
//
// Each drawing call of the context becomes a step in logical coordinates: a pen path, a
// rectangle, polygon, ellipse or arc with its pen and brush, pixels, a run of text with its
// font, or an image. What vector graphics cannot say faithfully (raster operations that
// combine with what is there, scrolling, blocks read back from the surface, drawing the
// context did not see itself) becomes a patch: a region whose picture is taken from the
// surface's final pixels when the picture is saved. Replaying the steps in order over a
// white page therefore gives the surface's picture:
// - a step paints with a colour or an image, never reading the page, so painting a step a
//   second time over pixels that already hold its result changes nothing;
// - a patch puts the final pixels there; the steps after it paint again what those pixels
//   already show.
// The same two facts make the recording's memory bounded: an opaque step or patch that hides
// earlier steps lets them go, and when the recording outgrows its budget the oldest steps
// are folded into one patch of the area they covered.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/point.h"
#include "platform/base/rect.h"
#include "platform/base/region.h"
#include "platform/font/text_paint.h"
#include "platform/graphics/background_mode.h"
#include "platform/graphics/brush.h"
#include "platform/raster/painted_line.h"
#include "platform/graphics/pen.h"
#include "platform/raster/polygon.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/surface.h"

namespace kp {

class Font;

enum class StepKind : uint8_t {
    Path,      // the pen along points; `closed` joins the last point to the first
    Segments,  // one-pixel solid lines between points 0-1, 2-3, ..., both ends painted
    Rectangle, // `box` outlined with the pen and filled with the brush
    Polygon,   // points filled by `rule` with the brush and outlined with the pen
    Ellipse,   // in `box`, outlined and filled
    Arc,       // in `box`, counter-clockwise from the ray through points[0] to points[1]
    Pixels,    // pixels[index], painted one by one or as the pixels of many lines, over box
    Fill,      // `box` filled with `color` (regions are filled rectangle by rectangle)
    Text,      // texts[index]
    Image,     // images[index] at box
    Patch,     // patches[index]: the final pixels of that region
};

// How a one-pixel pen's dash gaps are painted.
struct Gaps {
    BackgroundMode mode = BackgroundMode::Transparent;
    Color color;
    constexpr bool operator==(Gaps const&) const = default;
};

struct RecordedStep {
    StepKind kind = StepKind::Path;
    bool closed = false;
    FillRule rule = FillRule::Alternate;
    Pen pen;
    Brush brush;
    Gaps gaps;
    Color color;
    // Where a one-pixel pen's dash pattern starts at the first point, in pixels along the
    // pattern, reduced to one period.
    int32_t pattern_start = 0;
    uint32_t clip = 0;  // 0: none; else clips[clip - 1]
    uint32_t first = 0; // points of paths, polygons and arcs; the index of texts, images, patches
    uint32_t count = 0;
    // The shape's box; for paths, segments and polygons the pixels their points lie on.
    Rect box;
};

// Characters drawn one cell after the other in one font and paint.
struct RecordedText {
    std::shared_ptr<Font const> font;
    Point corner;              // the first cell's top-left corner
    std::u32string characters; // as the font reads them (code points, or symbol bytes)
    TextPaint paint;
    Point end; // the corner of the cell that would follow the last
};

struct RecordedImage {
    Surface pixels; // shown at the step's box origin
};

// Pixels painted in colours of their own over the step's box (the surface is the box's size):
// a pixel whose high byte is painted_pixel holds a colour, the others were not painted.
struct RecordedPixels {
    static constexpr uint32_t painted_pixel = 0xFF000000;
    Surface pixels;
};

// What a drawing call drew on, in device coordinates: its clip, the device position of
// logical (0, 0), its raster operation, and the device rectangle it may have changed.
struct DrawingCall {
    Region const& clip;
    Point origin;
    RasterOp op = RasterOp::Copy;
    Rect damage;
};

class Recording {
public:
    // A recording of `area` (logical coordinates) that starts with the area's present
    // pixels: one patch over all of it, until something hides it.
    Recording(Rect area, std::size_t budget_bytes);

    Rect area() const { return area_; }

    // Starts again as a new recording of the same area would, keeping the memory the old one
    // grew: a graph cleared for every frame of a large plot does not grow it again each time.
    void restart();

    // --- What the context draws -----------------------------------------------------
    void path(DrawingCall const& call, std::span<Point const> points, bool closed, Pen const& pen,
              int64_t pattern_start, Gaps gaps);
    // A line-to: continues the last path when it ends at `from` with the same pen and dash
    // phase, so that a run of line-tos is one path.
    void line(DrawingCall const& call, Point from, Point to, Pen const& pen, int64_t pattern_start, Gaps gaps);
    // One-pixel solid lines that paint both ends, drawn in one call; each joins the last
    // step when that holds such lines in the same colour.
    void painted_lines(DrawingCall const& call, std::span<PaintedLine const> lines);
    void rectangle(DrawingCall const& call, Rect box, Pen const& pen, Brush const& brush, Gaps gaps);
    void polygon(DrawingCall const& call, std::span<Point const> points, FillRule rule, Pen const& pen,
                 Brush const& brush, Gaps gaps);
    void ellipse(DrawingCall const& call, Rect box, Pen const& pen, Brush const& brush, Gaps gaps);
    void arc(DrawingCall const& call, Rect box, Point start, Point end, Pen const& pen, Gaps gaps);
    void pixel(DrawingCall const& call, Point point, Color color);
    // One-pixel solid lines that paint both ends (what draw_lines paints), kept as the pixels
    // they paint rather than as lines, so that a picture of millions of lines takes no more
    // room than its area. `ends` is the box of the lines' ends (logical coordinates).
    void painted_lines_as_pixels(DrawingCall const& call, std::span<PaintedLine const> lines, DeviceBox const& ends);
    void fill(DrawingCall const& call, Region const& region, Color color);
    // Characters drawn cell after cell from `corner`. Text that starts where the newest text
    // ends, in the same font, paint and clip, continues it: the library draws a text character
    // by character, and a character without ink (a space between words) continues it too, so
    // that the saved text keeps its words together.
    void text(DrawingCall const& call, std::shared_ptr<Font const> const& font, TextPaint const& paint, Point corner,
              std::u32string_view characters);
    // An image shown unchanged with its top-left pixel at `at`.
    void image(DrawingCall const& call, Point at, Surface pixels);
    // The call's damage is kept as final pixels.
    void patch(DrawingCall const& call);
    // Pixels changed in a device region without any drawing call (the window system erased
    // or moved them): kept as final pixels.
    void patch(Region const& device_region, Point origin);

    // --- Clearing -----------------------------------------------------------------------
    // Everything recorded so far is the cleared picture: nothing has been drawn on it yet.
    void mark_cleared() { drawn_since_cleared_ = false; }
    // Whether anything was drawn since the last mark_cleared (true until the first one).
    bool shows_drawing() const { return drawn_since_cleared_; }

    // --- For saving and for tests -------------------------------------------------------
    std::span<RecordedStep const> steps() const { return steps_; }
    std::span<Point const> points(RecordedStep const& step) const;
    Region const* clip(RecordedStep const& step) const;
    RecordedText const& text(RecordedStep const& step) const { return texts_[step.first]; }
    RecordedImage const& image(RecordedStep const& step) const { return images_[step.first]; }
    RecordedPixels const& pixels(RecordedStep const& step) const { return pixels_[step.first]; }
    // The final-pixels region of a patch step.
    Region const& patch(RecordedStep const& step) const { return patches_[step.first]; }
    // The logical rectangle a step may paint, before its clip.
    Rect bounds(RecordedStep const& step) const;
    // What the recording holds, in bytes (an estimate that counts what grows).
    std::size_t memory_bytes() const { return bytes_; }
    std::size_t budget_bytes() const { return budget_; }
    // Which steps later opaque steps cover wholly, so that they show nothing (one flag a
    // step). The pass gives up growing what it knows to be covered past a bound, so some
    // hidden steps may go unflagged; none is flagged that shows.
    std::vector<bool> hidden_steps() const;

private:
    // Whether a call can change the area at all.
    bool touches_area(DrawingCall const& call) const;
    // Prepares a step for a call: false when the call cannot change the area; for a raster
    // operation that combines with what is there, records a patch instead and says false.
    bool begin_step(DrawingCall const& call, RecordedStep& step);
    uint32_t clip_index(DrawingCall const& call);
    bool add_path(DrawingCall const& call, std::span<Point const> points, bool closed, Pen const& pen,
                  int64_t pattern_start, Gaps gaps);
    // The one way a step enters the recording...
    void add(RecordedStep step);
    // ...and the one way the newest step grows: `grow` adds to it and returns the bytes it
    // added.
    template <typename Grow>
    void extend_newest(Grow&& grow);
    void add_patch(Region region);
    // Paints recorded pixels: paint(surface, box origin) on the newest step when it holds
    // pixels through the call's clip, grown to cover `needed` (logical), or on a new such step
    // whose box starts around `needed` or as the whole area.
    enum class PixelsBox : uint8_t { Growing, WholeArea };
    template <typename Paint>
    void paint_pixels(DrawingCall const& call, Rect needed, PixelsBox start, Paint&& paint);
    // A surface of unpainted pixels, in the spare memory when there is some.
    Surface unpainted_pixels(Size size);
    // Whether the newest step is a patch that holds all of `rect`.
    bool last_patch_holds(Rect const& rect) const;
    // Whether `step` covers the whole area with opaque paint, so that nothing before it shows.
    bool hides_whole_area(RecordedStep const& step) const;
    void forget_everything();

    // --- The memory budget (recording_budget.cpp) ---------------------------------------
    void keep_within_budget();
    void drop_hidden_steps();
    void fold_oldest_steps();
    // Rebuilds the pools so that they hold only what the steps refer to.
    void compact();
    std::size_t step_bytes(RecordedStep const& step) const;

    Rect area_;
    std::size_t budget_;
    std::vector<RecordedStep> steps_;
    std::vector<Point> points_;
    std::vector<Region> clips_;
    std::vector<RecordedText> texts_;
    std::vector<RecordedImage> images_;
    std::vector<RecordedPixels> pixels_;
    // Memory of recorded pixels let go, for the next (not counted in the budget's bytes).
    Surface spare_pixels_;
    std::vector<Region> patches_;
    std::size_t bytes_ = 0;
    bool drawn_since_cleared_ = true;
    // Where the pattern of the newest step, a line-to's path, stopped, to continue it.
    int64_t next_pattern_index_ = -1;
};

} // namespace kp
