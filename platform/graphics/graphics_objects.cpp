#include "platform/graphics/graphics_objects.h"

#include <array>
#include <memory>
#include <new>

#include "platform/base/handle_table.h"
#include "platform/base/no_destructor.h"

namespace kp {

namespace {

class ObjectTable {
public:
    ObjectTable()
    {
        auto stock = [this](StockObject which, GraphicsObject::Value value) {
            stock_[static_cast<std::size_t>(which)]
                = objects_.insert(std::make_unique<GraphicsObject>(std::move(value), ObjectLifetime::Stock));
        };
        stock(StockObject::BlackPen, Pen::make(PenStyle::Solid, 1, colors::black));
        stock(StockObject::WhitePen, Pen::make(PenStyle::Solid, 1, colors::white));
        stock(StockObject::NullPen, Pen::make(PenStyle::Invisible, 1, colors::black));
        stock(StockObject::WhiteBrush, Brush{BrushStyle::Solid, colors::white});
        stock(StockObject::BlackBrush, Brush{BrushStyle::Solid, colors::black});
        stock(StockObject::NullBrush, Brush{BrushStyle::Hollow, colors::black});
        stock(StockObject::DefaultFont, LogicalFont{});
        stock(StockObject::DefaultBitmap, Bitmap{});
    }

    uint32_t insert(GraphicsObject::Value value)
    {
        return objects_.insert(std::make_unique<GraphicsObject>(std::move(value), ObjectLifetime::Owned));
    }
    GraphicsObject* find(uint32_t handle) const { return objects_.find(handle); }
    void remove(uint32_t handle) { objects_.remove(handle); }
    std::size_t size() const { return objects_.size(); }
    uint32_t stock(StockObject which) const { return stock_[static_cast<std::size_t>(which)]; }

private:
    // Handles of this table start here, so that a window or array handle passed by mistake
    // is unlikely to name a graphics object.
    static constexpr uint32_t first_handle = 0x0B000001;
    HandleTable<GraphicsObject> objects_{first_handle};
    std::array<uint32_t, 8> stock_{};
};

ObjectTable& table()
{
    static NoDestructor<ObjectTable> objects;
    return *objects;
}

uint32_t create_bitmap(int32_t width, int32_t height, BitmapKind kind)
{
    if (!within_pixel_limits({width, height}))
        return 0;
    try {
        return table().insert(Bitmap{Surface({width, height}), kind});
    } catch (std::bad_alloc const&) {
        return 0;
    }
}

template <typename T>
T* find_as(uint32_t handle)
{
    GraphicsObject* object = table().find(handle);
    return object ? object->get<T>() : nullptr;
}

} // namespace

uint32_t stock_object(StockObject which) { return table().stock(which); }

std::size_t live_object_count() { return table().size(); }

uint32_t create_pen(PenStyle style, int32_t width, Color color)
{
    if (!is_pen_style(static_cast<int32_t>(style)))
        return 0;
    return table().insert(Pen::make(style, width, color));
}

uint32_t create_solid_brush(Color color) { return table().insert(Brush{BrushStyle::Solid, color}); }

uint32_t create_font(LogicalFont const& font) { return table().insert(font); }

uint32_t create_rect_region(Rect const& rect) { return table().insert(Region(rect)); }

uint32_t create_compatible_bitmap(DeviceContext const&, int32_t width, int32_t height)
{
    return create_bitmap(width, height, BitmapKind::Normal);
}

uint32_t create_discardable_bitmap(DeviceContext const&, int32_t width, int32_t height)
{
    return create_bitmap(width, height, BitmapKind::Discardable);
}

bool delete_object(uint32_t handle)
{
    GraphicsObject* object = table().find(handle);
    if (!object)
        return false;
    if (object->is_stock())
        return true;
    if (object->selections() > 0)
        return false;
    table().remove(handle);
    return true;
}

std::optional<ObjectKind> object_kind(uint32_t handle)
{
    GraphicsObject* object = table().find(handle);
    if (!object)
        return std::nullopt;
    return object->kind();
}

std::optional<Pen> pen_of(uint32_t handle)
{
    Pen const* pen = find_as<Pen>(handle);
    return pen ? std::optional<Pen>(*pen) : std::nullopt;
}

std::optional<Brush> brush_of(uint32_t handle)
{
    Brush const* brush = find_as<Brush>(handle);
    return brush ? std::optional<Brush>(*brush) : std::nullopt;
}

LogicalFont const* font_of(uint32_t handle) { return find_as<LogicalFont>(handle); }

std::optional<Size> bitmap_size(uint32_t handle)
{
    Bitmap const* bitmap = find_as<Bitmap>(handle);
    return bitmap ? std::optional<Size>(bitmap->surface.size()) : std::nullopt;
}

Surface* bitmap_surface(uint32_t handle)
{
    Bitmap* bitmap = find_as<Bitmap>(handle);
    return bitmap ? &bitmap->surface : nullptr;
}

Region const* region_of(uint32_t handle) { return find_as<Region>(handle); }

bool set_region(uint32_t handle, Region region)
{
    Region* target = find_as<Region>(handle);
    if (!target)
        return false;
    *target = std::move(region);
    return true;
}

GraphicsObject* find_graphics_object(uint32_t handle) { return table().find(handle); }

} // namespace kp
