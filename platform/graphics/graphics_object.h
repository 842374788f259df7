#pragma once

// A graphics object: what a 32-bit object handle names. Device contexts select pens,
// brushes, fonts and bitmaps; regions are painted and clip. An object selected into a
// context stays alive until every context has let go of it.

#include <cstdint>
#include <variant>

#include "platform/base/region.h"
#include "platform/font/logical_font.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/pen.h"

namespace kp {

enum class ObjectKind : uint8_t { Pen = 1, Brush, Font, Bitmap, Region };

// Stock objects exist for the whole run; deleting one does nothing.
enum class ObjectLifetime : uint8_t { Owned, Stock };

class GraphicsObject {
public:
    using Value = std::variant<Pen, Brush, LogicalFont, Bitmap, Region>;

    GraphicsObject(Value value, ObjectLifetime lifetime) : value_(std::move(value)), lifetime_(lifetime) {}

    ObjectKind kind() const { return static_cast<ObjectKind>(value_.index() + 1); }
    bool is_stock() const { return lifetime_ == ObjectLifetime::Stock; }

    template <typename T>
    T* get() { return std::get_if<T>(&value_); }
    template <typename T>
    T const* get() const { return std::get_if<T>(&value_); }

    // Contexts this object is selected into.
    int32_t selections() const { return selections_; }
    void add_selection() { ++selections_; }
    void remove_selection() { --selections_; }

private:
    Value value_;
    ObjectLifetime lifetime_;
    int32_t selections_ = 0;
};

} // namespace kp
