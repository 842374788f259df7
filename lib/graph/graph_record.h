#pragma once

// The graph record: everything the library keeps for one graph window.

#include <array>
#include <cstdint>
#include <memory>

#include "lib/graph/coordinate_state.h"
#include "lib/graph/drawing_modes.h"
#include "lib/graph/parameter_list.h"
#include "lib/graph/style_record.h"
#include "lib/graph/text_placement.h"
#include "lib/kelvolib.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/window/painting.h"

namespace kelvo {

// Device-context slots: what each drawing target's context is and which saved objects
// belong to it.
enum class Slot : int { Window = 1, RetainedImage = 2, ShownImage = 3 };
inline constexpr int slot_count = 3;
constexpr std::size_t slot_index(Slot slot)
{
    return static_cast<std::size_t>(static_cast<int>(slot) - 1);
}

struct PenRecord {
    TkColor colour = 0;
    int32_t style = 1; // 1 solid, 2 dotted, 3 dashed, 4 invisible, 5 dash-dot
    int32_t width = 1;
};

struct FontRecord {
    int32_t face = 1;
    int32_t style = 1;
    int32_t size = 10;
    int32_t orientation = code_of(Orientation::Right);
};

// Objects a device context held before the library first selected its own (0 = none yet).
struct SavedObjects {
    uint32_t pen = 0;
    uint32_t brush = 0;
    uint32_t font = 0;
};

inline constexpr int cursor_shape_count = 7;

struct GraphRecord {
    TkGraph id = 0;
    TkWnd window = 0; // 0 once the window is being destroyed
    StyleRecord style;
    DrawingMode drawing_mode = DrawingMode::Foreground;
    // Slot 1 is the window's own context (owned by the window); slots 2 and 3 the
    // retained and shown images' memory contexts.
    kp::DeviceContext* window_context = nullptr;
    std::array<std::unique_ptr<kp::MemoryDeviceContext>, 2> image_contexts;
    int32_t window_width = 0;
    int32_t window_height = 0;
    int32_t image_width = 0;
    int32_t image_height = 0;
    std::array<uint32_t, 2> saved_bitmaps{}; // slots 2 and 3
    int32_t end_text_x = 0;
    int32_t end_text_y = 0;
    bool metrics_valid = false;
    int32_t cell_width = 0;
    int32_t cell_height = 0;
    int32_t ascent = 0;
    std::array<SavedObjects, slot_count> saved_objects{};
    FontRecord font;
    PenRecord pen;
    TkColor back_colour = 0;
    int32_t write_mode = 1;
    TkColor text_colour = 0;
    int32_t justification = code_of(Justification::Start);
    int32_t cursor_shape = 1;
    std::array<uint32_t, cursor_shape_count> cursor_handles{};
    TkWnd message_route = 0;
    bool routing = false; // passing a message along the route just now
    kp::PaintRecord paint_record;
    int32_t mouse_x = 0;
    int32_t mouse_y = 0;
    CoordinateSettings coordinates;
    EffectiveScales scales;
    ParameterList parameters; // named constants of the graph's formulae; empty at open

    // The device context of a slot, or null when the graph has none there.
    kp::DeviceContext* context(Slot slot) const;
};

} // namespace kelvo
