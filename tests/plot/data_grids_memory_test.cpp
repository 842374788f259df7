// Grids of the caller's memory whose working storage cannot be had: 20801, and nothing
// drawn, not even the axes the option asks for. A program of its own, since it replaces
// operator new.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string_view>
#include <vector>

#include "tests/allocation_failure.h"
#include "tests/case_name.h"
#include "tests/plot/plot_test_support.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

using kp::testing::AllocationFailure;

TkColor const ink = 0x0000FFFF;
TkColor const lower = 0x00FF00FF;
// Larger than anything a drawing needs besides the grid's own working storage.
std::size_t const largest_allocation = 1'000'000;

enum class Drawing { contours, wire_frame, hidden_lines, hidden_lines_from_above };

struct StorageCase {
    std::string_view name;
    Drawing drawing;
    int32_t nx, ny;
};

void PrintTo(StorageCase const& c, std::ostream* out)
{
    *out << c.name;
}

class DataGridsWithoutStorage : public GraphTest, public ::testing::WithParamInterface<StorageCase> {};

TEST_P(DataGridsWithoutStorage, AreRefusedWithNothingDrawn)
{
    StorageCase const c = GetParam();
    std::vector<double> z(static_cast<std::size_t>(c.nx) * static_cast<std::size_t>(c.ny));
    for (std::size_t k = 0; k < z.size(); ++k)
        z[k] = std::sin(0.01 * static_cast<double>(k));
    TkGraph const g = open(300, 240, 2);
    TkClearWindow(g);
    TkColor const background = shown(g, 0, 0);
    // From above, the hidden-line drawing has no front to sweep and draws the wire frame.
    if (c.drawing == Drawing::hidden_lines_from_above)
        TkSetViewangles(g, 0, 0.4);
    else
        TkSetViewangles(g, 1.0, -std::numbers::pi / 2 + 0.3);
    int32_t code = 0;
    {
        AllocationFailure const refused(AllocationFailure::Above{largest_allocation});
        uint8_t const style = c.drawing == Drawing::wire_frame ? 3 : 4;
        code = c.drawing == Drawing::contours
                   ? TkDrawContoursData(g, nullptr, nullptr, z.data(), c.nx, c.ny, 3, -0.5, 0.5, 1, ink, 3)
                   : TkDrawSurfaceData(g, nullptr, nullptr, z.data(), c.nx, c.ny, style, ink, lower, 3);
        EXPECT_GT(refused.refused(), 0);
    }
    EXPECT_EQ(code, 20801);
    Picture const picture(g);
    EXPECT_EQ(picture.count(background), static_cast<int>(picture.pixels.size())) << "nothing drawn";
    TkCloseGraph(g);
}

// Each grid's working storage is more than the largest allocation: a crossing per column
// for contours, a point per height for the wire frame, a front point per row and column for
// hidden lines.
INSTANTIATE_TEST_SUITE_P(
    Grids, DataGridsWithoutStorage,
    ::testing::Values(StorageCase{"ContoursOfAWideGrid", Drawing::contours, 200'001, 2},
                      StorageCase{"WireFrameOfALargeGrid", Drawing::wire_frame, 400, 400},
                      StorageCase{"HiddenLinesOfAWideGrid", Drawing::hidden_lines, 200'001, 2},
                      StorageCase{"HiddenLinesFromAboveAsAWireFrame", Drawing::hidden_lines_from_above, 400, 400}),
    case_name::FromMember{});

} // namespace
} // namespace kelvo::testing
