// Grids of the caller's memory: the pictures and codes of the classic calls on the same
// data, saddle cells against a marching-squares reference written here, NULL coordinates,
// and grids the classic calls cannot take.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <string_view>
#include <vector>

#include "lib/runtime/error_state.h"
#include "tests/case_name.h"
#include "tests/plot/plot_test_support.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

TkColor const ink = 0x0000FFFF;   // yellow
TkColor const lower = 0x00FF00FF; // magenta
double const pi = std::numbers::pi;

// A grid in the caller's layout, z(i, j) at z[i * ny + j] counting from 0, and the same grid
// as library arrays for the classic calls.
struct Grid {
    Grid(std::vector<double> xs, std::vector<double> ys, std::function<double(double, double)> const& f)
        : x(std::move(xs)), y(std::move(ys))
    {
        for (double u : x)
            for (double v : y)
                z.push_back(f(u, v));
    }

    int32_t nx() const { return static_cast<int32_t>(x.size()); }
    int32_t ny() const { return static_cast<int32_t>(y.size()); }
    double at(int32_t i, int32_t j) const { return z[static_cast<std::size_t>(i) * y.size() + static_cast<std::size_t>(j)]; }

    OwnedArray x_array() const { return OwnedArray::line(x); }
    OwnedArray y_array() const { return OwnedArray::line(y); }
    OwnedArray z_array() const
    {
        return OwnedArray::grid(nx(), ny(), [&](int32_t i, int32_t j) { return at(i - 1, j - 1); });
    }

    std::vector<double> x, y, z;
};

// Coordinates from a to b whose steps differ: each a multiple of 1/64, so that sums of
// neighbours are exact.
std::vector<double> uneven(double a, int32_t n)
{
    std::vector<double> values;
    double v = a;
    for (int32_t k = 0; k < n; ++k) {
        values.push_back(v);
        v += (8 + (k * 5) % 7) / 64.0;
    }
    return values;
}

// A sum of a function of x and one of y has no saddle cell at any level: where the
// diagonal corners of a cell lie below a level, their sum equals that of the other two.
double waves(double u, double v)
{
    return std::sin(3 * u) + std::cos(2 * v);
}

// The levels of a request with z1 < z2, summed step by step.
std::vector<double> levels_of(int32_t count, double z1, double z2)
{
    std::vector<double> levels;
    double const step = (z2 - z1) / (count + 1.0);
    double level = z1;
    for (int32_t k = 1; k <= count; ++k)
        levels.push_back(level += step);
    return levels;
}

struct Point {
    double x, y;
};

// Marching squares, cell by cell: the crossings interpolated along the edges, two of them
// joined, four paired as the value at the centre (the mean of the corners) separates them.
// Edge points are computed as the grid walk computes them, from the cell's left corner.
class ReferenceContours {
public:
    ReferenceContours(Grid const& grid, double level) : grid_(grid), level_(level) {}

    template <typename Segment>
    void for_each_segment(Segment&& segment)
    {
        for (int32_t j = 0; j + 1 < grid_.ny(); ++j)
            for (int32_t i = 0; i + 1 < grid_.nx(); ++i)
                cell(i, j, segment);
    }

    int saddles = 0;

private:
    bool below(double v) const { return v < level_; }
    double crossing(double a, double b) const { return std::fabs(a - level_) / std::fabs(b - a); }

    template <typename Segment>
    void cell(int32_t i, int32_t j, Segment&& segment)
    {
        double const a = grid_.at(i, j), b = grid_.at(i + 1, j), c = grid_.at(i, j + 1), d = grid_.at(i + 1, j + 1);
        double const x0 = grid_.x[i], dx = grid_.x[i + 1] - x0;
        double const y0 = grid_.y[j], dy = grid_.y[j + 1] - y0;
        std::vector<Point> crossings; // left, bottom, top, right
        if (below(a) != below(c))
            crossings.push_back({x0, y0 + crossing(a, c) * dy});
        if (below(a) != below(b))
            crossings.push_back({x0 + crossing(a, b) * dx, y0});
        if (below(c) != below(d))
            crossings.push_back({x0 + crossing(c, d) * dx, y0 + dy});
        if (below(b) != below(d))
            crossings.push_back({x0 + dx, y0 + crossing(b, d) * dy});
        if (crossings.size() == 2) {
            segment(crossings[0], crossings[1]);
        } else if (crossings.size() == 4) {
            ++saddles;
            if (below((a + b + c + d) / 4) == below(a)) {
                segment(crossings[0], crossings[2]);
                segment(crossings[1], crossings[3]);
            } else {
                segment(crossings[0], crossings[1]);
                segment(crossings[2], crossings[3]);
            }
        }
    }

    Grid const& grid_;
    double level_;
};

class DataGrids : public GraphTest {
protected:
    struct Drawn {
        int32_t code;
        Picture picture;
        TkColor background;

        int drawn_pixels() const { return static_cast<int>(picture.pixels.size()) - picture.count(background); }
    };

    // What a fresh graph shows after its set-up and one drawing, with the drawing's code.
    Drawn drawn(std::function<void(TkGraph)> const& set_up, std::function<int32_t(TkGraph)> const& draw)
    {
        TkGraph const g = open(300, 240, 2);
        TkClearWindow(g);
        TkColor const background = shown(g, 0, 0);
        set_up(g);
        int32_t const code = draw(g);
        Drawn result{code, Picture(g), background};
        TkCloseGraph(g);
        return result;
    }

    // The reference contours of the levels drawn one segment at a time with the pen the
    // contour calls use; the number of saddle cells met.
    int draw_reference(TkGraph g, Grid const& grid, std::vector<double> const& levels)
    {
        TkPen(g, ink, 1, 1);
        int saddles = 0;
        for (double level : levels) {
            ReferenceContours reference(grid, level);
            reference.for_each_segment([&](Point p, Point q) {
                TkMoveabs3(g, p.x, p.y, level);
                TkDrawabs3(g, q.x, q.y, level);
            });
            saddles += reference.saddles;
        }
        return saddles;
    }
};

void plane_ranges(TkGraph g, Grid const& grid)
{
    TkSetRanges(g, grid.x.front(), grid.x.back(), grid.y.front(), grid.y.back());
    TkSetScales(g);
}

// ---- Contours against the classic call

struct ContourCase {
    std::string_view name;
    int32_t contours;
    double z1, z2;
    uint8_t mode;
    uint8_t option;
    bool three_d_view;
};

void PrintTo(ContourCase const& c, std::ostream* out)
{
    *out << c.name;
}

class DataContoursAsClassic : public DataGrids, public ::testing::WithParamInterface<ContourCase> {};

TEST_P(DataContoursAsClassic, GiveThePicturesOfTheClassicCallWhereNoCellIsASaddle)
{
    ContourCase const c = GetParam();
    Grid const grid(uneven(-1.5, 23), uneven(-1, 19), waves);
    auto const set_up = [&](TkGraph g) {
        TkSetRanges3(g, -1.5, 2, -1, 1.5, -2, 2);
        if (c.three_d_view)
            TkSetView3D(g);
        TkSetScales(g);
    };
    OwnedArray const x = grid.x_array(), y = grid.y_array(), z = grid.z_array();
    Drawn const classic = drawn(set_up, [&](TkGraph g) {
        return TkDrawContoursArray(g, x, y, z, grid.nx(), grid.ny(), c.contours, c.z1, c.z2, c.mode, ink, c.option);
    });
    Drawn const data = drawn(set_up, [&](TkGraph g) {
        return TkDrawContoursData(g, grid.x.data(), grid.y.data(), grid.z.data(), grid.nx(), grid.ny(), c.contours,
                                  c.z1, c.z2, c.mode, ink, c.option);
    });
    ASSERT_EQ(classic.code, 0);
    EXPECT_EQ(data.code, 0);
    EXPECT_GT(classic.picture.count(ink), 300);
    EXPECT_TRUE(data.picture == classic.picture);

    // Equal bounds: the levels span the range fitted to the heights.
    double z1 = c.z1, z2 = c.z2;
    if (z1 == z2) {
        z1 = grid.z.front() - 0.001;
        z2 = grid.z.front() + 0.001;
        for (double v : grid.z)
            z1 = std::min(z1, v), z2 = std::max(z2, v);
    }
    int saddles = 0;
    for (double level : levels_of(c.contours, z1, z2)) {
        ReferenceContours reference(grid, level);
        reference.for_each_segment([](Point, Point) {});
        saddles += reference.saddles;
    }
    EXPECT_EQ(saddles, 0) << "the comparison holds only without saddle cells";
}

INSTANTIATE_TEST_SUITE_P(
    Requests, DataContoursAsClassic,
    ::testing::Values(ContourCase{"LevelsInAFixedPlaneView", 9, -1.9, 1.9, 0, 0, false},
                      ContourCase{"LevelsAcrossTheDataOnAFittedMapWithAxes", 12, 0, 0, 1, 3, false},
                      ContourCase{"StackedLevelsInTheFittedSpaceView", 7, -2, 2, 2, 3, true},
                      ContourCase{"LevelsInAFixedSpaceViewWithAxes", 5, -1, 1.5, 0, 2, true}),
    case_name::FromMember{});

// ---- Saddle cells

TEST_F(DataGrids, ASaddleCellJoinsTheCrossingsOnTheSideOfItsCentre)
{
    // Corners 1 at the bottom left and top right, 0 elsewhere; the centre is 0.5.
    Grid const saddle({0, 1}, {0, 1}, [](double u, double v) { return u == v ? 1.0 : 0.0; });
    auto const at = [](Picture const& picture, TkGraph g, double u, double v) {
        return picture.near(TkUserToWindowX(g, u, v), TkUserToWindowY(g, u, v), ink);
    };
    struct Reading {
        double level;
        bool centre_with_the_high_corners;
    };
    // At 0.4 the centre lies above the level, with the high corners; at 0.6 below it.
    for (Reading const reading : {Reading{0.4, true}, Reading{0.6, false}}) {
        TkGraph const g = open(300, 240, 2);
        TkClearWindow(g);
        TkSetRanges(g, 0, 1, 0, 1);
        TkSetScales(g);
        ASSERT_EQ(TkDrawContoursData(g, saddle.x.data(), saddle.y.data(), saddle.z.data(), 2, 2, 1, reading.level,
                                     reading.level, 0, ink, 0),
                  0);
        Picture const picture(g);
        bool const joined = reading.centre_with_the_high_corners;
        // The high corners joined through the centre: the lines cut off the low corners.
        EXPECT_EQ(at(picture, g, 0.2, 0.8), joined) << reading.level << ": around the top left";
        EXPECT_EQ(at(picture, g, 0.8, 0.2), joined) << reading.level << ": around the bottom right";
        EXPECT_EQ(at(picture, g, 0.2, 0.2), !joined) << reading.level << ": around the bottom left";
        EXPECT_EQ(at(picture, g, 0.8, 0.8), !joined) << reading.level << ": around the top right";
        EXPECT_FALSE(at(picture, g, 0.5, 0.5)) << reading.level << ": nothing through the centre";
        TkCloseGraph(g);
    }
}

// Rough data has saddle cells at every level; the picture is the reference's, pixel for
// pixel, in both readings.
TEST_F(DataGrids, RoughDataGiveTheReferencePicture)
{
    std::mt19937 random(25);
    std::uniform_real_distribution<double> height(-1, 1);
    Grid const grid(uneven(0, 24), uneven(0, 18), [&](double, double) { return height(random); });
    std::vector<double> const levels = levels_of(5, -0.8, 0.8);
    auto const set_up = [&](TkGraph g) { plane_ranges(g, grid); };
    Drawn const data = drawn(set_up, [&](TkGraph g) {
        return TkDrawContoursData(g, grid.x.data(), grid.y.data(), grid.z.data(), grid.nx(), grid.ny(), 5, -0.8, 0.8,
                                  0, ink, 0);
    });
    int saddles = 0;
    Drawn const reference = drawn(set_up, [&](TkGraph g) {
        saddles = draw_reference(g, grid, levels);
        return 0;
    });
    ASSERT_EQ(data.code, 0);
    EXPECT_GT(saddles, 20);
    EXPECT_TRUE(data.picture == reference.picture);

    // The classic call differs there, and only there.
    OwnedArray const x = grid.x_array(), y = grid.y_array(), z = grid.z_array();
    Drawn const classic = drawn(set_up, [&](TkGraph g) {
        return TkDrawContoursArray(g, x, y, z, grid.nx(), grid.ny(), 5, -0.8, 0.8, 0, ink, 0);
    });
    EXPECT_FALSE(classic.picture == data.picture);
}

// ---- Surfaces against the classic call

struct SurfaceCase {
    std::string_view name;
    uint8_t style;
    double theta, phi;
    uint8_t option;
};

void PrintTo(SurfaceCase const& c, std::ostream* out)
{
    *out << c.name;
}

class DataSurfacesAsClassic : public DataGrids, public ::testing::WithParamInterface<SurfaceCase> {};

TEST_P(DataSurfacesAsClassic, GiveThePicturesOfTheClassicCall)
{
    SurfaceCase const c = GetParam();
    Grid const grid(uneven(-1, 17), uneven(-1, 13), [](double u, double v) { return 0.3 * waves(u, v); });
    auto const set_up = [&](TkGraph g) {
        TkSetRanges3(g, -1, 1.5, -1, 1, -1, 1);
        TkSetViewangles(g, c.theta, c.phi);
        TkSetScales(g);
    };
    OwnedArray const x = grid.x_array(), y = grid.y_array(), z = grid.z_array();
    Drawn const classic = drawn(set_up, [&](TkGraph g) {
        return TkDrawSurfaceArray(g, x, y, z, grid.nx(), grid.ny(), c.style, ink, lower, c.option);
    });
    Drawn const data = drawn(set_up, [&](TkGraph g) {
        return TkDrawSurfaceData(g, grid.x.data(), grid.y.data(), grid.z.data(), grid.nx(), grid.ny(), c.style, ink,
                                 lower, c.option);
    });
    ASSERT_EQ(classic.code, 0);
    EXPECT_EQ(data.code, 0);
    EXPECT_GT(classic.drawn_pixels(), 500);
    EXPECT_TRUE(data.picture == classic.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Views, DataSurfacesAsClassic,
    ::testing::Values(SurfaceCase{"WireFrameFromAbove", 3, 0.5, -pi / 2 + 0.3, 0},
                      SurfaceCase{"WireFrameFromBelowFitted", 3, pi - 0.5, -pi / 2 + 0.3, 1},
                      SurfaceCase{"HiddenLinesFromTheFront", 4, 1.0, -pi / 2 + 0.26, 0},
                      SurfaceCase{"HiddenLinesFromTheOtherCornerWithAxes", 4, 1.1, 2.5, 3},
                      SurfaceCase{"HiddenLinesStraightFromAboveAsTheWireFrame", 4, 0, 0.4, 0}),
    case_name::FromMember{});

// ---- Null coordinates

TEST_F(DataGrids, NullCoordinatesCountFromZero)
{
    Grid const counted({0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5}, [](double u, double v) {
        return std::sin(u) * std::cos(0.7 * v);
    });
    auto const set_up = [](TkGraph g) {
        TkSetView3D(g);
        TkSetScales(g);
    };
    auto const contours = [&](double const* x, double const* y) {
        return drawn(set_up, [&](TkGraph g) {
            return TkDrawContoursData(g, x, y, counted.z.data(), 8, 6, 6, 0, 0, 2, ink, 3);
        });
    };
    auto const surface = [&](double const* x, double const* y) {
        return drawn(set_up, [&](TkGraph g) {
            return TkDrawSurfaceData(g, x, y, counted.z.data(), 8, 6, 4, ink, lower, 3);
        });
    };
    Drawn const given = contours(counted.x.data(), counted.y.data());
    ASSERT_EQ(given.code, 0);
    EXPECT_TRUE(contours(nullptr, nullptr).picture == given.picture);
    EXPECT_TRUE(contours(nullptr, counted.y.data()).picture == given.picture);
    Drawn const given_surface = surface(counted.x.data(), counted.y.data());
    ASSERT_EQ(given_surface.code, 0);
    EXPECT_TRUE(surface(nullptr, nullptr).picture == given_surface.picture);
    EXPECT_TRUE(surface(counted.x.data(), nullptr).picture == given_surface.picture);
}

// ---- Refusals, with the classic call's code where it can take the same grid

enum class Defect { none, no_levels, reversed_bounds, bad_option, nan_height, infinite_height, falling_x, nan_y, null_z };

struct RefusalCase {
    std::string_view name;
    int32_t nx, ny;
    Defect defect;
    int32_t contours_code;
    int32_t surface_code;
};

void PrintTo(RefusalCase const& c, std::ostream* out)
{
    *out << c.name;
}

class DataGridRefusals : public DataGrids, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DataGridRefusals, GiveTheirCodeAndDrawNothing)
{
    RefusalCase const c = GetParam();
    // Heights and coordinates for the grids that can exist; the others get a few values,
    // which a grid too large for memory must never read beyond.
    bool const exists = c.nx >= 1 && c.ny >= 1 && int64_t{c.nx} * c.ny <= 64;
    std::vector<double> x = exists ? evenly(0, 1, c.nx) : std::vector<double>(4, 0.0);
    std::vector<double> y = exists ? evenly(0, 1, c.ny) : std::vector<double>(4, 0.0);
    std::vector<double> z(exists ? static_cast<std::size_t>(c.nx * c.ny) : 4);
    for (std::size_t k = 0; k < z.size(); ++k)
        z[k] = std::sin(static_cast<double>(k));
    int32_t levels = 4;
    double z1 = -1, z2 = 1;
    uint8_t mode = 0;
    uint8_t style = 3;
    switch (c.defect) {
    case Defect::no_levels: levels = 0; break;
    case Defect::reversed_bounds: z1 = 1, z2 = -1; break;
    case Defect::bad_option: mode = 3, style = 5; break;
    case Defect::nan_height: z.back() = std::numeric_limits<double>::quiet_NaN(); break;
    case Defect::infinite_height: z.front() = -std::numeric_limits<double>::infinity(); break;
    case Defect::falling_x: std::swap(x.front(), x.back()); break;
    case Defect::nan_y: y.back() = std::numeric_limits<double>::quiet_NaN(); break;
    case Defect::none:
    case Defect::null_z: break;
    }
    double const* heights = c.defect == Defect::null_z ? nullptr : z.data();
    // The caller's coordinates must hold their extents: grids that cannot exist count them.
    double const* xs = exists ? x.data() : nullptr;
    double const* ys = exists ? y.data() : nullptr;
    auto const set_up = [](TkGraph g) {
        TkSetRanges3(g, 0, 1, 0, 1, -1, 1);
        TkSetView3D(g);
        TkSetScales(g);
    };
    Drawn const contours = drawn(set_up, [&](TkGraph g) {
        return TkDrawContoursData(g, xs, ys, heights, c.nx, c.ny, levels, z1, z2, mode, ink, 0);
    });
    Drawn const surface = drawn(set_up, [&](TkGraph g) {
        return TkDrawSurfaceData(g, xs, ys, heights, c.nx, c.ny, style, ink, lower, 0);
    });
    EXPECT_EQ(contours.code, c.contours_code);
    EXPECT_EQ(surface.code, c.surface_code);
    for (Drawn const* refused : {&contours, &surface}) {
        if (refused->code != 0) {
            EXPECT_EQ(refused->drawn_pixels(), 0);
        }
    }
    if (!exists || c.defect == Defect::null_z)
        return;
    OwnedArray const xa = OwnedArray::line(x), ya = OwnedArray::line(y);
    OwnedArray const za = OwnedArray::grid(c.nx, c.ny, [&](int32_t i, int32_t j) {
        return z[static_cast<std::size_t>((i - 1) * c.ny + (j - 1))];
    });
    EXPECT_EQ(drawn(set_up, [&](TkGraph g) {
                  return TkDrawContoursArray(g, xa, ya, za, c.nx, c.ny, levels, z1, z2, mode, ink, 0);
              }).code,
              c.contours_code);
    EXPECT_EQ(drawn(set_up, [&](TkGraph g) {
                  return TkDrawSurfaceArray(g, xa, ya, za, c.nx, c.ny, style, ink, lower, 0);
              }).code,
              c.surface_code);
}

int32_t const huge = std::numeric_limits<int32_t>::max();
int32_t const most_negative = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Grids, DataGridRefusals,
    ::testing::Values(RefusalCase{"NoLevels", 4, 3, Defect::no_levels, 20805, 0},
                      RefusalCase{"ReversedBounds", 4, 3, Defect::reversed_bounds, 20803, 0},
                      RefusalCase{"ModeThreeAndStyleFive", 4, 3, Defect::bad_option, 20807, 20807},
                      RefusalCase{"NotANumberAmongTheHeights", 4, 3, Defect::nan_height, 20804, 20804},
                      RefusalCase{"AnInfiniteHeight", 4, 3, Defect::infinite_height, 20804, 20804},
                      RefusalCase{"FallingX", 4, 3, Defect::falling_x, 20806, 20806},
                      RefusalCase{"NotANumberAmongTheY", 4, 3, Defect::nan_y, 20806, 20806},
                      RefusalCase{"NullHeights", 4, 3, Defect::null_z, 20804, 20804},
                      RefusalCase{"OneColumn", 1, 3, Defect::none, 20802, 20802},
                      RefusalCase{"OneRow", 4, 1, Defect::none, 20802, 20802},
                      RefusalCase{"NoColumns", 0, 3, Defect::none, 20802, 20802},
                      RefusalCase{"NegativeRows", 4, -1, Defect::none, 20802, 20802},
                      RefusalCase{"BothExtentsMostNegative", most_negative, most_negative, Defect::none, 20802, 20802},
                      RefusalCase{"HugeColumnsOfOneRow", huge, 1, Defect::none, 20802, 20802},
                      RefusalCase{"MoreHeightsThanAnyMemory", huge, huge, Defect::none, 20801, 20801},
                      RefusalCase{"MoreHeightsThanAnyMemoryWithNaN", huge, huge, Defect::nan_height, 20801, 20801}),
    case_name::FromMember{});

// ---- Beyond the library arrays' size

TEST_F(DataGrids, GridsLargerThanLibraryArraysAreDrawn)
{
    // 160,000 heights: more than a library array holds, and a wire frame beyond the classic
    // block of working storage.
    Grid const grid(evenly(-1, 1, 400), evenly(-1, 1, 400), [](double u, double v) { return 0.3 * waves(u, v); });
    std::vector<double> const levels = levels_of(4, -1.2, 1.2);
    auto const plane = [&](TkGraph g) { plane_ranges(g, grid); };
    Drawn const contours = drawn(plane, [&](TkGraph g) {
        return TkDrawContoursData(g, grid.x.data(), grid.y.data(), grid.z.data(), 400, 400, 4, -1.2, 1.2, 0, ink, 0);
    });
    Drawn const reference = drawn(plane, [&](TkGraph g) { return draw_reference(g, grid, levels); });
    ASSERT_EQ(contours.code, 0);
    ASSERT_EQ(reference.code, 0) << "no saddle cell";
    EXPECT_TRUE(contours.picture == reference.picture);

    auto const space = [](TkGraph g) {
        TkSetRanges3(g, -1, 1, -1, 1, -1, 1);
        TkSetView3D(g);
        TkSetScales(g);
    };
    for (uint8_t style : {3, 4}) {
        Drawn const surface = drawn(space, [&](TkGraph g) {
            return TkDrawSurfaceData(g, grid.x.data(), grid.y.data(), grid.z.data(), 400, 400, style, ink, lower, 0);
        });
        EXPECT_EQ(surface.code, 0) << "style " << int{style};
        EXPECT_GT(surface.drawn_pixels(), 1000) << "style " << int{style};
    }
}

} // namespace
} // namespace kelvo::testing
