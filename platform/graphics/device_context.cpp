#include "platform/graphics/device_context.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "platform/graphics/graphics_objects.h"
#include "platform/record/recording.h"

namespace kp {

DeviceContext::DeviceContext()
{
    // A new context holds the stock black pen, white brush, default font and empty bitmap.
    auto select_stock = [this](Slot slot, StockObject which) {
        uint32_t const handle = stock_object(which);
        select_into(slot, handle, find_graphics_object(handle));
    };
    select_stock(PenSlot, StockObject::BlackPen);
    select_stock(BrushSlot, StockObject::WhiteBrush);
    select_stock(FontSlot, StockObject::DefaultFont);
    select_stock(BitmapSlot, StockObject::DefaultBitmap);
}

DeviceContext::~DeviceContext()
{
    for (Selection& selection : selected_)
        if (selection.object)
            selection.object->remove_selection();
}

void DeviceContext::select_into(Slot slot, uint32_t handle, GraphicsObject* object)
{
    assert(object);
    Selection& selection = selected_[slot];
    object->add_selection();
    if (selection.object)
        selection.object->remove_selection();
    selection = {handle, object};
    if (Pen const* pen = object->get<Pen>())
        pen_ = *pen;
    else if (Brush const* brush = object->get<Brush>())
        brush_ = *brush;
}

uint32_t DeviceContext::select_object(uint32_t handle)
{
    GraphicsObject* object = find_graphics_object(handle);
    if (!object)
        return 0;
    Slot slot = SlotCount;
    switch (object->kind()) {
    case ObjectKind::Pen:
        slot = PenSlot;
        break;
    case ObjectKind::Brush:
        slot = BrushSlot;
        break;
    case ObjectKind::Font:
        slot = FontSlot;
        break;
    case ObjectKind::Bitmap:
        // A bitmap is drawn on by one context at a time; the stock empty one by any.
        if (!holds_bitmaps() || (object->selections() > 0 && !object->is_stock()
                                 && selected_[BitmapSlot].object != object))
            return 0;
        slot = BitmapSlot;
        break;
    case ObjectKind::Region:
        return 0;
    }
    uint32_t const previous = selected_[slot].handle;
    select_into(slot, handle, object);
    if (slot == BitmapSlot && recording_) {
        // Other pixels altogether: the recording keeps them as they are until drawn over.
        Surface const* surface = selected_bitmap_surface();
        recording_->patch(Region(surface->bounds()), {});
    }
    return previous;
}

uint32_t DeviceContext::selected_object(ObjectKind kind) const
{
    switch (kind) {
    case ObjectKind::Pen:
        return selected_[PenSlot].handle;
    case ObjectKind::Brush:
        return selected_[BrushSlot].handle;
    case ObjectKind::Font:
        return selected_[FontSlot].handle;
    case ObjectKind::Bitmap:
        return selected_[BitmapSlot].handle;
    case ObjectKind::Region:
        break;
    }
    return 0;
}

LogicalFont const& DeviceContext::font() const
{
    LogicalFont const* font = selected_[FontSlot].object->get<LogicalFont>();
    assert(font);
    return *font;
}

Surface* DeviceContext::selected_bitmap_surface() const
{
    Bitmap* bitmap = selected_[BitmapSlot].object->get<Bitmap>();
    assert(bitmap);
    return &bitmap->surface;
}

bool DeviceContext::select_clip_region(uint32_t region_handle)
{
    if (region_handle == 0) {
        clip_region_.reset();
        return true;
    }
    Region const* region = region_of(region_handle);
    if (!region)
        return false;
    clip_region_ = *region;
    return true;
}

RasterOp DeviceContext::set_raster_op(RasterOp op)
{
    RasterOp const previous = raster_op_;
    if (is_raster_op(static_cast<int32_t>(op)))
        raster_op_ = op;
    return previous;
}

Color DeviceContext::set_background_color(Color color)
{
    return std::exchange(background_color_, color);
}

BackgroundMode DeviceContext::set_background_mode(BackgroundMode mode)
{
    BackgroundMode const previous = background_mode_;
    if (mode == BackgroundMode::Transparent || mode == BackgroundMode::Opaque)
        background_mode_ = mode;
    return previous;
}

Color DeviceContext::set_text_color(Color color) { return std::exchange(text_color_, color); }

Point DeviceContext::move_to(Point point)
{
    pattern_index_ = 0;
    return std::exchange(position_, point);
}

std::optional<DeviceContext::Frame> DeviceContext::frame()
{
    DrawingTarget const drawing_target = target();
    if (!drawing_target.surface || !drawing_target.visible || drawing_target.surface->is_empty())
        return std::nullopt;
    Region const* region = drawing_target.visible;
    if (clip_region_) {
        // Narrowed in logical coordinates first, so that only rectangles inside the surface
        // are moved by the origin.
        Point const o = drawing_target.origin;
        effective_clip_ = clip_region_->intersected(region->translated(o.negated())).translated(o.x, o.y);
        region = &effective_clip_;
    }
    if (region->is_empty())
        return std::nullopt;
    assert(drawing_target.surface->bounds().contains(region->bounds()));
    return Frame{*drawing_target.surface, drawing_target.origin, *region, Clip(*region)};
}

std::optional<DeviceContext::Canvas> DeviceContext::canvas()
{
    std::optional<Frame> f = frame();
    if (!f)
        return std::nullopt;
    return Canvas{f->surface, f->origin, f->region};
}

void DeviceContext::report_damage(Rect const& device_rect, Recorded recorded)
{
    if (device_rect.is_empty())
        return;
    if (recording_ && recorded == Recorded::No) {
        if (std::optional<Frame> f = frame())
            recording_->patch(f->region.intersected(Region(device_rect)), f->origin);
    }
    damaged(device_rect);
}

Rect DeviceContext::damage_in(Frame const& frame, DeviceBox box)
{
    return box.within(frame.clip.bounds());
}

void DeviceContext::report_damage(Frame const& frame, DeviceBox box)
{
    Rect const changed = damage_in(frame, box);
    if (!changed.is_empty())
        damaged(changed);
}

DrawingCall DeviceContext::call_on(Frame const& frame, Rect const& damage) const
{
    return {frame.region, frame.origin, raster_op_, damage};
}

Gaps DeviceContext::gaps() const
{
    return {background_mode_, background_color_};
}

void DeviceContext::start_recording(Rect area, std::size_t budget_bytes)
{
    if (recording_ && recording_->area() == area && recording_->budget_bytes() == budget_bytes)
        recording_->restart();
    else
        recording_ = std::make_unique<Recording>(area, budget_bytes);
}

void DeviceContext::stop_recording()
{
    recording_.reset();
}

void DeviceContext::changed_behind_drawing(Region const& device_region)
{
    if (!recording_)
        return;
    DrawingTarget const drawing_target = target();
    recording_->patch(device_region, drawing_target.origin);
}

} // namespace kp
