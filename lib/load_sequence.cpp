#include "lib/load_sequence.h"

#include <cstdlib>
#include <vector>

#include "lib/axes/scales.h"
#include "lib/draw/colours.h"
#include "lib/formula/formula_state.h"
#include "lib/graph/graph_table.h"
#include "lib/graph/scale_routine.h"
#include "lib/numeric/numeric_state.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/runtime_state.h"
#include "lib/window/graph_lifecycle.h"
#include "lib/window/graph_window.h"

namespace kelvo {

namespace {

struct Step {
    char const* what;
    void (*run)();
};

// The tables are built here, before the unload step is registered, so that they are
// destroyed only after the unload steps have emptied them.
void create_handle_tables()
{
    runtime_state();
    graph_table();
    numeric_state();
}

void install_coordinate_scales()
{
    install_scale_routine(&compute_effective_scales);
}

// Destroying a graph's window releases the graph with everything it holds.
void close_open_graphs()
{
    std::vector<TkGraph> open;
    graph_table().graphs.for_each([&](uint32_t id, GraphRecord const&) { open.push_back(id); });
    for (TkGraph id : open)
        close_graph(id);
}

void dispose_ode_sets()
{
    NumericState& state = numeric_state();
    state.current_set = nullptr;
    std::vector<uint32_t> handles;
    state.ode_sets.for_each([&](uint32_t handle, OdeSet const&) { handles.push_back(handle); });
    for (uint32_t handle : handles)
        state.ode_sets.remove(handle);
}

void dispose_arrays_and_blocks()
{
    RuntimeState& state = runtime_state();
    std::vector<uint32_t> handles;
    state.arrays.for_each([&](uint32_t handle, LibraryArray const&) { handles.push_back(handle); });
    for (uint32_t handle : handles)
        state.arrays.remove(handle);
    state.blocks.clear();
}

// In this order: the tables of graphs, arrays and ODE sets; the colour set, ln 10 and the error state; the evaluator limits and random
// seeds; the graph window class; the coordinate subsystem's scale computation, which
// opening a graph runs; the formula symbol table. (Name lists keep no library-wide state,
// so they need no step.)
constexpr Step load_steps[] = {
    {"handle tables", &create_handle_tables},
    {"colour set", &build_colour_set},
    {"error state", &reset_error_state},
    {"evaluator limits and random seeds", &start_evaluator},
    {"graph window class", &register_graph_window_class},
    {"coordinate scales", &install_coordinate_scales},
    {"formula symbol table", &start_symbol_table},
};

// Released at exit, in this order: graphs first, while everything their windows, images
// and formulae use still stands; then what callers left open; then the library's own.
constexpr Step unload_steps[] = {
    {"open graphs", &close_open_graphs},
    {"ODE sets", &dispose_ode_sets},
    {"arrays and blocks", &dispose_arrays_and_blocks},
    {"formula symbol table", &release_symbol_table},
    {"error state", &reset_error_state},
};

bool loaded = false;

void unload_at_exit()
{
    unload_library();
}

} // namespace

void load_library()
{
    if (loaded)
        return;
    loaded = true;
    for (Step const& step : load_steps)
        step.run();
    // Registered after everything the steps built, so it runs before their destructors.
    std::atexit(&unload_at_exit);
}

void unload_library()
{
    if (!loaded)
        return;
    loaded = false;
    for (Step const& step : unload_steps)
        step.run();
}

// The shared library's load hook; the test programs link the same objects and get it too.
__attribute__((constructor)) static void on_library_load()
{
    load_library();
}

} // namespace kelvo
