#pragma once

// The graph the plotting tests draw into: 300 x 240 pixels in Auto Redraw, cleared, with the
// colour it was cleared to.

#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {

class PlotGraphTest : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(300, 240, 2);
        TkClearWindow(graph);
        background = shown(graph, 0, 0);
    }

    TkGraph graph = 0;
    TkColor background = 0;
};

} // namespace kelvo::testing
