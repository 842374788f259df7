#pragma once

// A graph on a headless host of its own, drawn as a program draws: in "Delay Redraw" mode by
// default (drawing goes to the image, a dispatch publishes it), in the library's light style,
// cleared.

#include <cstdint>

#include <benchmark/benchmark.h>

#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

class HeadlessGraph {
public:
    static constexpr int32_t delay_redraw = 4;

    explicit HeadlessGraph(int32_t width = 1024, int32_t height = 768, int32_t mode = delay_redraw)
        : host(KpCreateHeadlessHost(width, height))
        , graph(TkOpenGraph(host, 0, 0, width, height, mode))
    {
        TkKelvoStyle(graph, 1);
        TkClearWindow(graph);
    }
    ~HeadlessGraph()
    {
        TkCloseGraph(graph);
        KpDestroyWindow(host);
    }
    HeadlessGraph(HeadlessGraph const&) = delete;
    HeadlessGraph& operator=(HeadlessGraph const&) = delete;

    TkWnd host = 0;
    TkGraph graph = 0;
};

// Clears a graph outside the timed part of an iteration, so that a "drawing alone" row times
// the plot calls on a cleared graph as a program makes them, and not a picture (and its
// recording for vector export) that grows by the same plot over and over.
inline void clear_untimed(benchmark::State& state, TkGraph graph)
{
    state.PauseTiming();
    TkClearWindow(graph);
    state.ResumeTiming();
}

// What clear_untimed leaves in the time of an iteration with nothing drawn: the pausing and
// resuming of the timers, to be taken off the "drawing alone" rows.
inline void untimed_clear_alone(benchmark::State& state)
{
    HeadlessGraph const g;
    for (auto _ : state)
        clear_untimed(state, g.graph);
}
