#pragma once

// Many pixel lines of a graph drawn as one: lines (both ends painted, as draw_line paints
// them) are collected with their colours and handed, in the order given, to every drawing
// target at once. Surfaces draw thousands of edges a few pixels long, where the cost of each
// separate drawing call would outweigh the pixels.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "platform/graphics/device_context.h"
#include "platform/raster/painted_line.h"

namespace kelvo {

class LineBatch {
public:
    using RecordLinesAs = kp::DeviceContext::RecordLinesAs;
    // Lines of a polyline of many points may be recorded as the pixels they paint.
    explicit LineBatch(GraphRecord& graph, RecordLinesAs record_as = RecordLinesAs::Lines);
    // Draws what is still pending; lines that cannot be drawn for want of memory are
    // dropped.
    ~LineBatch();
    LineBatch(LineBatch const&) = delete;
    LineBatch& operator=(LineBatch const&) = delete;

    void add(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour)
    {
        if (pending_.size() == pending_.capacity()) [[unlikely]]
            make_room();
        pending_.push_back({{x1, y1}, {x2, y2}, kp::Color::from_interface(colour)});
        last_colour_ = colour;
    }

    // Whether every target repaints harmlessly, so that a line from the last end to that end
    // again, in its colour, adds nothing.
    bool skips_repeats() const { return repeats_skippable_; }

    // Draws the pending lines exactly as draw_line would one after the other with the pen
    // in that colour, and leaves the pen in the colour of the last one. Nothing else may be
    // drawn into the graph while lines are pending.
    void flush();

private:
    static constexpr std::size_t flush_size = 4096;

    // Draws the batch when it is full, and otherwise lets it grow towards flush_size.
    void make_room();

    GraphRecord& graph_;
    RecordLinesAs record_as_;
    // Whether every target repaints harmlessly (its pen and write mode stay during a batch).
    bool repeats_skippable_ = true;
    // In the platform's form, which drops the high byte of the library's colour.
    std::vector<kp::PaintedLine> pending_;
    // The last line's colour as the library gave it, for the pen, which keeps it whole.
    TkColor last_colour_ = 0;
    // The memory of the last batch, for the next: a plot makes batch after batch (a surface
    // one per drawing, axes one per axis), and each would otherwise grow its own again.
    static thread_local std::vector<kp::PaintedLine> spare_lines_;
};

} // namespace kelvo
