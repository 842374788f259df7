#pragma once

// The six curve calls: a graph y = f(x), a plane curve and a space curve, each given by
// formula text in one parameter or by a function of the caller's own. Each clears the error
// state, nudges the interval inwards and runs the curve engine, and returns the error code.

#include <cstdint>
#include <span>
#include <string_view>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "lib/plot/curve_engine.h"

namespace kelvo {

struct CurveCall {
    double t1 = 0; // the interval as the caller gave it
    double t2 = 0;
    int32_t count = 0;
    TkColor colour = 0;
    uint8_t option = 0;
};

// One formula draws y = f(x); two or three draw (x(t), y(t)) or (x(t), y(t), z(t)), all in
// the one variable `name` and with the graph's parameters. Nothing is drawn when a formula
// does not compile: the first compile error is returned.
int32_t draw_formula_curve(GraphRecord& graph, std::span<std::string_view const> formulae, std::string_view name,
                           CurveCall const& call);

// y = f(x) from the caller's function.
int32_t draw_function_curve(GraphRecord& graph, TkRealFunc f, CurveCall const& call);

// A curve whose points the caller's function stores into the caller's variables: x and y
// for a plane curve at ZPlane, or x, y and z. The function returns 0 where the curve has no
// point. A missing function or variable is 20804 "Bad data specified".
int32_t draw_function_curve(GraphRecord& graph, TkRealFunc f, double* x, double* y, CurveCall const& call);
int32_t draw_function_curve(GraphRecord& graph, TkRealFunc f, double* x, double* y, double* z, CurveCall const& call);

} // namespace kelvo
