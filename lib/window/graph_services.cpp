#include "lib/window/graph_services.h"

#include "platform/window/cursor.h"

namespace kelvo {

namespace {
constexpr int32_t arrow_shape = 1;
constexpr int32_t hourglass_shape = 2;
constexpr int32_t arrow_again_shape = 6;

uint32_t load_cursor(int32_t shape)
{
    switch (shape) {
    case 1:
        return kp::load_system_cursor(kp::SystemCursor::Arrow);
    case 2:
        return kp::load_system_cursor(kp::SystemCursor::Hourglass);
    case 3:
        return kp::load_system_cursor(kp::SystemCursor::Cross);
    case 4:
        return kp::load_named_cursor("TkHand");
    case 5:
        return kp::load_system_cursor(kp::SystemCursor::IBeam);
    case 7:
        return kp::load_named_cursor("TkDot");
    default:
        return 0;
    }
}
} // namespace

uint32_t cursor_of_shape(GraphRecord& graph, int32_t shape)
{
    if (shape < 1 || shape > cursor_shape_count)
        return 0;
    uint32_t& handle = graph.cursor_handles[static_cast<std::size_t>(shape - 1)];
    if (handle == 0)
        handle = load_cursor(shape);
    return handle;
}

int32_t set_mouse_shape(GraphRecord& graph, int32_t shape)
{
    int32_t const previous = graph.cursor_shape;
    if (shape == arrow_again_shape)
        shape = arrow_shape;
    if (shape < 1 || shape > cursor_shape_count)
        return previous;
    uint32_t const cursor = cursor_of_shape(graph, shape);
    graph.cursor_shape = shape;
    kp::set_cursor(cursor);
    return previous;
}

int32_t set_waiting(GraphRecord& graph, bool on)
{
    return set_mouse_shape(graph, on ? hourglass_shape : arrow_again_shape);
}

} // namespace kelvo
