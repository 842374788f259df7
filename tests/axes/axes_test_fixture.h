#pragma once

// A graph on the headless host whose user coordinates are window pixels turned upright:
// the user point (x, y) lies on the pixel (x, height - 1 - y). Black on white (style 1).

#include <cstdint>

#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {

inline constexpr TkColor white = 0xFFFFFF;
inline constexpr TkColor black = 0x000000;

class AxesTest : public GraphTest {
protected:
    static constexpr int32_t width = 300;
    static constexpr int32_t height = 240;

    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(width, height, 2);
        TkKelvoStyle(graph, 1);
        TkClearWindow(graph);
    }

    // Scales that put user (x, y) on pixel (x, height - 1 - y).
    void use_pixel_scales()
    {
        TkSetMargins(graph, 0, 0, 0, 0);
        TkSetGraphParam(graph, 132, 0); // no nice values
        TkSetRanges(graph, 0, width - 1, 0, height - 1);
        TkSetOrigin(graph, 0, 0);
        TkSetScales(graph);
    }

    static int32_t row(double y) { return height - 1 - static_cast<int32_t>(y); }

    // Pixels in x1..x2, y1..y2 (inclusive, window pixels) that are not white.
    int count_inked(int32_t x1, int32_t y1, int32_t x2, int32_t y2) const
    {
        int count = 0;
        for (int32_t y = y1; y <= y2; ++y)
            for (int32_t x = x1; x <= x2; ++x)
                count += shown(graph, x, y) != white;
        return count;
    }
    int count_inked() const { return count_inked(0, 0, width - 1, height - 1); }
    bool inked(int32_t x, int32_t y) const { return shown(graph, x, y) != white; }

    TkGraph graph = 0;
};

} // namespace kelvo::testing
