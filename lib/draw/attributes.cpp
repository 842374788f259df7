#include "lib/draw/attributes.h"

#include <array>

#include "lib/draw/colours.h"
#include "lib/draw/fonts.h"
#include "lib/graph/pixel_boxes.h"
#include "lib/graph/drawing_targets.h"
#include "lib/graph/graph_recording.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/object_guards.h"

namespace kelvo {

void set_pen(GraphRecord& graph, TkColor colour, int32_t style, int32_t width)
{
    if (!kp::is_pen_style(style))
        return;
    kp::Color const color = to_color(colour);
    // One pen and brush per target, all made before any is selected, so that a failure
    // leaves the old ones in force.
    std::array<kp::OwnedObject, 2> pens;
    std::array<kp::OwnedObject, 2> brushes;
    for (int i = 0; i < target_count(graph); ++i) {
        pens[static_cast<std::size_t>(i)] =
            kp::OwnedObject(kp::create_pen(static_cast<kp::PenStyle>(style), width, color));
        brushes[static_cast<std::size_t>(i)] = kp::OwnedObject(kp::create_solid_brush(color));
        if (!pens[static_cast<std::size_t>(i)] || !brushes[static_cast<std::size_t>(i)])
            return;
    }
    graph.pen = {colour, style, width};
    for (int i = 0; i < target_count(graph); ++i) {
        Slot const slot = target_slot(graph, i + 1);
        if (select_library_object(graph, slot, kp::ObjectKind::Pen, pens[static_cast<std::size_t>(i)].get()))
            pens[static_cast<std::size_t>(i)].release();
        if (select_library_object(graph, slot, kp::ObjectKind::Brush, brushes[static_cast<std::size_t>(i)].get()))
            brushes[static_cast<std::size_t>(i)].release();
    }
}

void set_pen_colour(GraphRecord& graph, TkColor colour)
{
    set_pen(graph, colour, graph.pen.style, graph.pen.width);
}

void set_pen_style(GraphRecord& graph, int32_t style)
{
    set_pen(graph, graph.pen.colour, style, graph.pen.width);
}

void set_back_colour_and_write_mode(GraphRecord& graph, TkColor back_colour, int32_t write_mode)
{
    if (!kp::is_raster_op(write_mode))
        return;
    graph.back_colour = back_colour;
    graph.write_mode = write_mode;
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) {
        context.set_background_color(to_color(back_colour));
        context.set_raster_op(static_cast<kp::RasterOp>(write_mode));
    });
}

void apply_style(GraphRecord& graph, StyleRecord const& style)
{
    int32_t const opened_mode = graph.style.drawing_mode;
    graph.style = style;
    graph.style.drawing_mode = opened_mode;
    set_pen(graph, style.pen_colour, 1, 1);
    set_font(graph, {style.font_face, style.font_style, style.font_size, style.font_orientation});
    set_back_colour_and_write_mode(graph, style.back_colour, style.write_mode);
    set_text_colour(graph, style.text_colour);
    graph.justification = style.justification;
    for_each_target(graph, [](kp::DeviceContext& context, Slot) {
        context.set_background_mode(kp::BackgroundMode::Transparent);
    });
}

void reset_coordinate_settings(GraphRecord& graph)
{
    graph.coordinates = default_coordinate_settings(cell_metrics(graph), graph.style);
}

void apply_numbered_style(GraphRecord& graph, int32_t number)
{
    apply_style(graph, build_style_record(number));
    reset_coordinate_settings(graph);
}

void restore_defaults(GraphRecord& graph)
{
    StyleRecord const own = graph.style;
    apply_style(graph, own);
    reset_coordinate_settings(graph);
}

void fill_rectangle(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour,
                    int32_t write_mode)
{
    if (!kp::is_raster_op(write_mode))
        return;
    kp::Color const color = to_color(colour);
    kp::OwnedObject pen(kp::create_pen(kp::PenStyle::Solid, 1, color));
    kp::OwnedObject brush(kp::create_solid_brush(color));
    kp::Rect const box = inclusive_box(x1, y1, x2, y2);
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) {
        kp::ScopedSelection with_pen(context, pen.get());
        kp::ScopedSelection with_brush(context, brush.get());
        kp::ScopedRasterOp with_op(context, static_cast<kp::RasterOp>(write_mode));
        context.rectangle(box);
    });
}

void clear_window(GraphRecord& graph)
{
    graph.end_text_x = 0;
    graph.end_text_y = 0;
    start_new_recording(graph);
    fill_rectangle(graph, 0, 0, graph.window_width, graph.window_height, graph.back_colour, 1);
    mark_recording_cleared(graph);
}

} // namespace kelvo
