#pragma once

// Device contexts: where drawing goes and with what.
//
// A context draws on a target that its concrete kind supplies at each call: a surface, the
// device position of the context's logical (0, 0), and the visible region (in device
// coordinates, inside the surface) outside which nothing may change. A memory context's
// target is its selected bitmap, at origin (0, 0), all of it visible. A window's context
// draws into its host's framebuffer at the window's position, clipped to the window's
// visible region, and tells the host every rectangle it changes through `damaged`.
//
// Everything else lives here, once: the selected objects, the attributes, and every drawing
// call, which takes logical coordinates, clips to the visible region narrowed by a clip
// region the caller may select, and paints through the raster engine. Coordinates may be
// anything in 32 bits; degenerate input (empty boxes, fewer points than a shape needs)
// draws nothing.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "platform/base/color.h"
#include "platform/base/point.h"
#include "platform/base/rect.h"
#include "platform/base/region.h"
#include "platform/font/logical_font.h"
#include "platform/graphics/background_mode.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/graphics_object.h"
#include "platform/graphics/pen.h"
#include "platform/raster/painted_line.h"
#include "platform/raster/clip.h"
#include "platform/base/device_geometry.h"
#include "platform/raster/polygon.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/stamp.h"
#include "platform/raster/surface.h"

namespace kp {

class Coverage;
class Recording;
class SpanSink;
struct DrawingCall;
struct Gaps;

// What a context draws on at the moment of a call. The concrete context owns the region
// and keeps it unchanged until the call returns. A null surface or an empty region means
// there is nothing to draw on (a hidden window): calls then change nothing but the current
// position.
struct DrawingTarget {
    Surface* surface = nullptr;
    Point origin;                    // device position of logical (0, 0)
    Region const* visible = nullptr; // device coordinates, inside the surface
};

class DeviceContext {
public:
    DeviceContext(DeviceContext const&) = delete;
    DeviceContext& operator=(DeviceContext const&) = delete;
    // Lets go of every selected object, so that it can be deleted.
    virtual ~DeviceContext();

    // --- Objects ---------------------------------------------------------------------
    // Selects a pen, brush, font or (memory contexts only) bitmap and returns the handle of
    // the object it replaces, which the caller selects again to undo. Returns 0, changing
    // nothing, for a bad handle, a region, a bitmap in a context that cannot hold one, or a
    // bitmap that is selected into another context.
    uint32_t select_object(uint32_t handle);
    // The handle of the selected object of that kind (0 for regions).
    uint32_t selected_object(ObjectKind kind) const;
    Pen const& pen() const { return pen_; }
    Brush const& brush() const { return brush_; }
    LogicalFont const& font() const;

    // Narrows all drawing to a copy of the region object's shape (logical coordinates); the
    // object stays the caller's. 0 removes the clip. False for a handle that is not a region.
    bool select_clip_region(uint32_t region_handle);
    std::optional<Region> clip_region() const { return clip_region_; }

    // --- Attributes (each setter returns the previous value) ---------------------------
    RasterOp raster_op() const { return raster_op_; }
    RasterOp set_raster_op(RasterOp op);
    Color background_color() const { return background_color_; }
    Color set_background_color(Color color);
    BackgroundMode background_mode() const { return background_mode_; }
    BackgroundMode set_background_mode(BackgroundMode mode);
    Color text_color() const { return text_color_; }
    Color set_text_color(Color color);
    Point current_position() const { return position_; }
    Point move_to(Point point);

    // --- Drawing ---------------------------------------------------------------------
    // A line with the pen from the current position to `to`, which becomes the current
    // position. One-pixel pens paint the start and not the end; wider pens cover both ends.
    void line_to(Point to);
    // Sets one pixel; the raster operation does not apply.
    void set_pixel(Point point, Color color);
    // The colour at a point, or nothing outside the clip.
    std::optional<Color> pixel(Point point);
    // Outlined with the pen, filled with the brush. The box is half-open: (0, 0, 10, 10)
    // covers pixels 0..9 in both directions.
    void rectangle(Rect box);
    // Lines with both ends painted, in order, each in its own colour: what move_to(from),
    // line_to(to) and line_to(to + (1, 0)) paint with the pen in that colour, and the current
    // position ends where the last of them leaves it. One-pixel solid pens paint the whole
    // run in one pass and record it as lines or, for runs too long to keep as lines (a
    // polyline of millions of points), as the pixels they paint.
    enum class RecordLinesAs : uint8_t { Lines, Pixels };
    void draw_lines(std::span<PaintedLine const> lines, RecordLinesAs record_as = RecordLinesAs::Lines);
    // Whether painting pixels again in the colour they were painted in changes nothing: a
    // one-pixel solid pen and a repeatable raster operation. A line of draw_lines from the end
    // of the line before it to that end again then paints nothing new.
    bool repaints_harmlessly() const;
    // A stamp in one colour at each centre (logical coordinates), combined with the pixels by
    // the raster operation, or set whatever it says (as set_pixel sets pixels). Plot symbols
    // by the million: the stamp holds what one symbol paints in this raster operation.
    enum class StampOp : uint8_t { ByRasterOp, Set };
    void draw_stamps(Stamp const& stamp, std::span<Point const> centres, Color color, StampOp how);
    // Lines through the points with the pen; the current position does not move.
    void polyline(std::span<Point const> points);
    // A closed polygon through the points, filled with the brush by `rule` and outlined
    // with the pen.
    void polygon(std::span<Point const> points, FillRule rule);
    // The ellipse in a half-open box, outlined with the pen and filled with the brush.
    void ellipse(Rect box);
    // The part of the ellipse's outline counter-clockwise from the ray (box centre, start)
    // to the ray (box centre, end); the whole outline when the rays coincide.
    void arc(Rect box, Point start, Point end);
    // Fills a region (logical coordinates) with the brush and the raster operation.
    void paint_region(Region const& region);

    // --- Block copies ----------------------------------------------------------------
    // Combines the block of `area`'s size at `from` in `source` (logical coordinates there)
    // into `area` of this context with `op`. Pixels whose source lies outside the source's
    // surface or visible region are left alone. `source` may be this context, and the
    // blocks may overlap.
    void copy_block(Rect area, DeviceContext& source, Point from, RasterOp op);
    // Moves the pixels of `area` by (dx, dy), changing only pixels inside `clip`, and
    // returns the region of area and clip whose pixels no longer show anything (logical
    // coordinates). It is left as it was: the caller paints it.
    Region scroll(Rect area, int32_t dx, int32_t dy, Rect clip);

    // --- For text drawing and for windows ---------------------------------------------
    // What a call draws on now: the surface, the origin, and the clip in device coordinates
    // (the visible region narrowed by the selected clip region). Nothing when there is
    // nothing to draw on. Text drawing paints through this, tells the recording what it drew
    // and then reports damage. The clip is the context's own: it holds until the context's
    // next canvas or drawing call.
    struct Canvas {
        Surface& surface;
        Point origin;
        Region const& clip;
    };
    std::optional<Canvas> canvas();
    // Tells the context's owner that pixels in this device rectangle changed. A caller that
    // painted through the canvas says whether it has told the recording (if any) what it
    // drew; what the recording was not told, it keeps as the rectangle's final pixels.
    enum class Recorded : uint8_t { No, Yes };
    void report_damage(Rect const& device_rect, Recorded recorded = Recorded::No);

    // --- Recording (recording.h) -----------------------------------------------------
    // Starts a new recording of what is drawn into `area` (logical coordinates), replacing
    // the one there was; its first step is the area's present picture. The recording folds
    // old steps into pixels to stay within `budget_bytes`.
    void start_recording(Rect area, std::size_t budget_bytes = default_recording_budget);
    static constexpr std::size_t default_recording_budget = std::size_t{16} << 20;
    void stop_recording();
    // Null when the context is not recording.
    Recording* recording() { return recording_.get(); }
    Recording const* recording() const { return recording_.get(); }
    // Pixels of this context's target changed without a drawing call (the window system
    // erased part of a window): a recording keeps them as final pixels. `device_region` is
    // in device coordinates.
    void changed_behind_drawing(Region const& device_region);

protected:
    DeviceContext();

    // Asked once at the start of every drawing call. A window's context answers with its
    // host's framebuffer, the window's position in it and its visible region (narrowed to
    // the update region while it paints).
    virtual DrawingTarget target() = 0;
    // Pixels inside this device rectangle changed (one rectangle per drawing call, covering
    // what it painted, already clipped). Window contexts pass it to their host.
    virtual void damaged(Rect const& /*device_rect*/) {}
    // A block was copied unchanged (source copy) into this device rectangle from a context
    // that holds a bitmap: an off-screen picture made visible, which is how programs show
    // what they drew off-screen. Called after `damaged` for the same block.
    virtual void picture_copied_in(Rect const& /*device_rect*/) {}
    // Memory contexts hold a bitmap; windows draw on their host.
    virtual bool holds_bitmaps() const { return false; }
    // The surface of the selected bitmap (an empty one until a bitmap is selected).
    Surface* selected_bitmap_surface() const;

private:
    enum Slot : uint8_t { PenSlot, BrushSlot, FontSlot, BitmapSlot, SlotCount };
    struct Selection {
        uint32_t handle = 0;
        GraphicsObject* object = nullptr;
    };

    // The target of one drawing call, with the clip it may paint through.
    struct Frame {
        Surface& surface;
        Point origin;
        Region const& region;
        Clip clip;

        DevicePoint device(Point logical) const { return DevicePoint::from(logical, origin); }
    };
    // Calling it again invalidates the previous frame's clip: take one frame per call.
    std::optional<Frame> frame();

    void select_into(Slot slot, uint32_t handle, GraphicsObject* object);
    // Clips the box to the frame: the device rectangle a call may have changed.
    static Rect damage_in(Frame const& frame, DeviceBox box);
    void report_damage(Frame const& frame, DeviceBox box);
    // What the recording needs to know of a call on `frame` that may change `damage`.
    DrawingCall call_on(Frame const& frame, Rect const& damage) const;
    Gaps gaps() const;

    // Outlines: the pen along a path, segment by segment for one-pixel pens.
    void stroke_path(Frame const& frame, std::span<DevicePoint const> path, bool closed, Coverage* record);
    void stroke_segment(Frame const& frame, DevicePoint from, DevicePoint to, int64_t first_index, Coverage* record);
    void add_wide_path(Coverage& coverage, std::span<DevicePoint const> path, bool closed) const;
    void paint_coverage(Frame const& frame, Coverage const& coverage, uint32_t value);
    void paint_pixels_in_pattern(Frame const& frame, std::span<std::pair<int32_t, int32_t> const> pixels);
    bool outline_needs_coverage() const;

    std::array<Selection, SlotCount> selected_{};
    Pen pen_;
    Brush brush_;
    std::optional<Region> clip_region_;
    Region effective_clip_; // visible region narrowed by clip_region_, rebuilt per call

    RasterOp raster_op_ = RasterOp::Copy;
    Color background_color_ = colors::white;
    BackgroundMode background_mode_ = BackgroundMode::Opaque;
    Color text_color_ = colors::black;
    Point position_;
    // Pixels the pen has walked since the last move-to, so that dashes run on across
    // consecutive line-tos.
    int64_t pattern_index_ = 0;
    std::unique_ptr<Recording> recording_;
};

} // namespace kp
