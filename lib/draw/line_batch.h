#pragma once

// Many pixel lines of a graph drawn as one: lines (both ends painted, as draw_line paints
// them) are collected with their colours and drawn, in the order given, in one pass over
// each drawing target. Surfaces draw thousands of edges a few pixels long, where the cost
// of each separate drawing call would outweigh the pixels.

#include <cstdint>
#include <vector>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"

namespace kelvo {

struct ColouredLine {
    int32_t x1, y1, x2, y2;
    TkColor colour;
};

class LineBatch {
public:
    explicit LineBatch(GraphRecord& graph) : graph_(graph) {}
    // Draws what is still pending; lines that cannot be drawn for want of memory are
    // dropped.
    ~LineBatch();
    LineBatch(LineBatch const&) = delete;
    LineBatch& operator=(LineBatch const&) = delete;

    void add(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour)
    {
        pending_.push_back({x1, y1, x2, y2, colour});
        if (pending_.size() >= flush_size)
            flush();
    }

    // Draws the pending lines exactly as draw_line would one after the other with the pen
    // in that colour, and leaves the pen in the colour of the last one. Nothing else may be
    // drawn into the graph while lines are pending.
    void flush();

private:
    static constexpr std::size_t flush_size = 4096;

    GraphRecord& graph_;
    std::vector<ColouredLine> pending_;
};

} // namespace kelvo
