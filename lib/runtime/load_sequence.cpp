#include "lib/runtime/load_sequence.h"

#include <cstdlib>

#include "lib/draw/colours.h"
#include "lib/formula/formula_state.h"
#include "lib/runtime/error_state.h"
#include "lib/window/graph_window.h"

namespace kelvo {

namespace {

struct Step {
    char const* what;
    void (*run)();
};

// In this order: the colour set, ln 10 and the error state; the evaluator limits and random
// seeds; the graph window class; the axis-label defaults; the formula symbol table.
// (Name lists keep no library-wide state, so they need no step.)
constexpr Step load_steps[] = {
    {"colour set", &build_colour_set},
    {"error state", &reset_error_state},
    {"evaluator limits and random seeds", &start_evaluator},
    {"graph window class", &register_graph_window_class},
    {"formula symbol table", &start_symbol_table},
};

// Released at exit, in this order.
constexpr Step unload_steps[] = {
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
