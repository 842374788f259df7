#pragma once

// Many pixel lines of a graph drawn as one: lines (both ends painted, as draw_line paints
// them) are collected with their colours and drawn, in the order given, in one pass over
// each drawing target. Surfaces draw thousands of edges a few pixels long, where the cost
// of each separate drawing call would outweigh the pixels.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "platform/graphics/painted_line.h"

namespace kelvo {

class LineBatch {
public:
    explicit LineBatch(GraphRecord& graph);
    // Draws what is still pending; lines that cannot be drawn for want of memory are
    // dropped.
    ~LineBatch();
    LineBatch(LineBatch const&) = delete;
    LineBatch& operator=(LineBatch const&) = delete;

    void add(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour)
    {
        if (pending_.size() == pending_.capacity()) [[unlikely]]
            make_room();
        if (runs_.empty() || runs_.back().colour != colour)
            runs_.push_back({colour, pending_.size()});
        pending_.push_back({{x1, y1}, {x2, y2}, kp::Color::from_interface(colour)});
    }

    // Draws the pending lines exactly as draw_line would one after the other with the pen
    // in that colour, and leaves the pen in the colour of the last one. Nothing else may be
    // drawn into the graph while lines are pending.
    void flush();

private:
    static constexpr std::size_t flush_size = 4096;

    // Draws the batch when it is full, and otherwise lets it grow towards flush_size.
    void make_room();

    // Consecutive lines in one colour, from `first` to the next run. The lines hold the
    // colour as the platform paints it, which drops the high byte of the library's colour;
    // the pen takes the library's colour whole.
    struct ColourRun {
        TkColor colour;
        std::size_t first;
    };

    GraphRecord& graph_;
    // Already in the platform's form, so that a recording context takes them as they are.
    std::vector<kp::PaintedLine> pending_;
    std::vector<ColourRun> runs_;
    // The memory of the last batch, for the next: a plot makes batch after batch (a surface
    // one per drawing, axes one per axis), and each would otherwise grow its own again.
    static thread_local std::vector<kp::PaintedLine> spare_lines_;
    static thread_local std::vector<ColourRun> spare_runs_;
};

} // namespace kelvo
