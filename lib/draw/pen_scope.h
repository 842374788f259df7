#pragma once

// A pen for the length of a scope: the graph's own pen is put back at its end. Pens are
// made and selected only when they differ from the one in force, since every selection
// creates a pen and a brush per drawing target.

#include "lib/draw/attributes.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

constexpr bool same_pen(PenRecord const& a, PenRecord const& b)
{
    return a.colour == b.colour && a.style == b.style && a.width == b.width;
}

class PenScope {
public:
    explicit PenScope(GraphRecord& graph) : graph_(graph), saved_(graph.pen) {}
    PenScope(GraphRecord& graph, PenRecord const& pen) : PenScope(graph) { use(pen); }
    ~PenScope() { use(saved_); }
    PenScope(PenScope const&) = delete;
    PenScope& operator=(PenScope const&) = delete;

    void use(PenRecord const& pen)
    {
        if (!same_pen(graph_.pen, pen))
            set_pen(graph_, pen.colour, pen.style, pen.width);
    }
    void use_colour(TkColor colour) { use({colour, graph_.pen.style, graph_.pen.width}); }

private:
    GraphRecord& graph_;
    PenRecord saved_;
};

} // namespace kelvo
