#include "platform/raster/polygon.h"

#include <algorithm>
#include <vector>

namespace kp {

namespace {

using Wide = __int128;

// An edge that is not horizontal, from its top end (inclusive) to its bottom end (exclusive),
// stepping the first inside pixel of each row exactly: for row y the crossing is
// x(y) = x_top + (y - y_top) * dx / dy, and the first pixel at or right of it is ceil(x(y)).
struct Edge {
    int64_t top = 0;
    int64_t bottom = 0;
    int direction = 0; // +1 when the outline runs downwards here, for the winding rule

    int64_t x = 0;         // ceil of the crossing on the current row
    int64_t remainder = 0; // x * dy - exact numerator, in [0, dy)
    int64_t dy = 0;
    int64_t step = 0;      // floor(dx / dy)
    int64_t step_rest = 0; // dx - step * dy, in [0, dy)

    void start_at(int64_t y, DevicePoint upper, DevicePoint lower)
    {
        dy = lower.y - upper.y;
        int64_t const dx = lower.x - upper.x;
        step = dx / dy;
        step_rest = dx % dy;
        if (step_rest < 0) {
            step -= 1;
            step_rest += dy;
        }
        Wide const numerator = Wide{upper.x} * dy + Wide{y - upper.y} * dx;
        Wide q = numerator / dy;
        if (numerator % dy != 0 && numerator > 0)
            q += 1; // ceiling
        x = static_cast<int64_t>(q);
        remainder = static_cast<int64_t>(q * dy - numerator);
    }

    bool is_vertical() const { return step == 0 && step_rest == 0; }

    void advance()
    {
        // numerator grows by dx = step * dy + step_rest. Whether the ceiling moves one more
        // follows the fraction of the slope, which no branch predictor can guess, so it is
        // done without a branch: `carry` is all ones when the remainder went negative.
        x += step;
        remainder -= step_rest;
        int64_t const carry = remainder >> 63;
        x -= carry;
        remainder += dy & carry;
    }
};

} // namespace

void fill_polygon(std::span<DevicePoint const> vertices, FillRule rule, Rect const& rows, SpanSink& sink)
{
    if (vertices.size() < 3 || rows.is_empty())
        return;

    std::vector<Edge> pending;
    pending.reserve(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        DevicePoint const a = vertices[i];
        DevicePoint const b = vertices[(i + 1) % vertices.size()];
        if (a.y == b.y)
            continue;
        DevicePoint const upper = a.y < b.y ? a : b;
        DevicePoint const lower = a.y < b.y ? b : a;
        if (lower.y <= rows.top() || upper.y >= rows.bottom())
            continue;
        Edge edge;
        edge.top = std::max<int64_t>(upper.y, rows.top());
        edge.bottom = std::min<int64_t>(lower.y, rows.bottom());
        edge.direction = a.y < b.y ? 1 : -1;
        edge.start_at(edge.top, upper, lower);
        pending.push_back(edge);
    }
    if (pending.empty())
        return;
    // Edges enter the active list in the order of their first row.
    std::sort(pending.begin(), pending.end(), [](Edge const& e, Edge const& f) { return e.top > f.top; });

    // Active edges stay sorted by their crossing; from one row to the next they change order
    // only where edges cross, so an insertion sort does little work.
    std::vector<Edge> active;
    int64_t y = pending.back().top;
    while (!pending.empty() || !active.empty()) {
        while (!pending.empty() && pending.back().top == y) {
            active.push_back(pending.back());
            pending.pop_back();
        }
        if (active.empty()) {
            y = pending.back().top;
            continue;
        }
        for (std::size_t i = 1; i < active.size(); ++i) {
            if (active[i - 1].x <= active[i].x)
                continue;
            Edge moving = active[i];
            std::size_t j = i;
            for (; j > 0 && active[j - 1].x > moving.x; --j)
                active[j] = active[j - 1];
            active[j] = moving;
        }

        // Between vertical edges every row until the next edge starts or ends has the same
        // spans: they go to the sink as one block of rows.
        int64_t rows_alike = 1;
        if (std::all_of(active.begin(), active.end(), [](Edge const& e) { return e.is_vertical(); })) {
            int64_t next_change = pending.empty() ? rows.bottom() : pending.back().top;
            for (Edge const& e : active)
                next_change = std::min(next_change, e.bottom);
            rows_alike = next_change - y;
        }
        int32_t const row = static_cast<int32_t>(y);
        auto emit = [&](int64_t x0, int64_t x1) {
            if (rows_alike == 1)
                sink.span(row, x0, x1);
            else
                sink.span_rows(row, static_cast<int32_t>(y + rows_alike), x0, x1);
        };
        if (rule == FillRule::Alternate) {
            for (std::size_t i = 0; i + 1 < active.size(); i += 2)
                if (active[i].x < active[i + 1].x)
                    emit(active[i].x, active[i + 1].x);
        } else {
            int winding = 0;
            for (std::size_t i = 0; i + 1 < active.size(); ++i) {
                winding += active[i].direction;
                if (winding != 0 && active[i].x < active[i + 1].x)
                    emit(active[i].x, active[i + 1].x);
            }
        }

        // Vertical edges do not move from row to row: one step serves the whole block.
        y += rows_alike;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < active.size(); ++i) {
            if (active[i].bottom <= y)
                continue;
            if (kept != i)
                active[kept] = active[i];
            active[kept].advance();
            ++kept;
        }
        active.resize(kept);
    }
}

} // namespace kp
