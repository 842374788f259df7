#pragma once

// The curve engine that every curve call shares: it samples the curve once, fits the ranges
// and draws the axes when the plot option asks for them, then draws the polyline, halving
// long steps up to three times and drawing steps that jump across most of the range dashed.

#include <array>
#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// What a curve gives at one value of its parameter.
enum class PointOutcome {
    exists,
    missing, // the curve has no point there: the pen lifts
    failed,  // the curve ends; a failure while sampling draws nothing
};

// Where the sampling pass puts the curve's points: a run of reals per coordinate, and
// whether each point exists.
struct SampleRuns {
    std::array<double*, 3> coordinates{};
    bool* exists = nullptr;
};

// A curve as a function of its parameter t. A source that fails keeps its failure for the
// call that drew it to report.
class CurveSource {
public:
    virtual ~CurveSource() = default;
    // Computes the point at t into `point`, which holds (t, 0, ZPlane) on entry.
    virtual PointOutcome evaluate(double t, Triple& point) = 0;
    // The sampling pass: the points at ts[0 .. count - 1] in order, a missing point stored
    // as (0, 0, 0). Returns the index of the first point that failed (the points after it
    // are not wanted), or count. Evaluates one point after the other unless the source
    // knows better.
    virtual int32_t sample(double const* ts, int32_t count, double z_plane, SampleRuns const& runs);
    // True when evaluating runs the program's own code, which may draw into the graph.
    virtual bool runs_program_code() const { return false; }
};

enum class CurveShape {
    Graph = 1, // y = f(x), with x the parameter
    Plane = 2, // (x(t), y(t)) at the graph's ZPlane
    Space = 3, // (x(t), y(t), z(t))
};

struct CurveRequest {
    CurveShape shape = CurveShape::Graph;
    double t1 = 0; // the interval, already nudged inwards
    double t2 = 0;
    int32_t count = 0; // samples, at least 2
    TkColor colour = 0;
    uint8_t option = 0;
};

// Draws the curve in the current graph. The engine's own failures are left in the error
// state: 20802 for fewer than 2 samples, 20803 for a reversed or unbounded interval, heap
// error 1 for more samples than the heap admits. A failed point of the source ends the
// curve (one while sampling draws nothing; one while refining ends the curve there).
// Afterwards the pen has the colour of the graph's style and the style of the last segment.
void draw_curve(GraphRecord& graph, CurveSource& source, CurveRequest const& request);

} // namespace kelvo
