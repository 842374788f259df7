// Points of the caller's memory drawn with the pixels of the point-by-point calls: two
// graphs of one size get the same picture underneath and the same pen; one draws the data
// with TkDrawData1 or TkDrawData3, the other moves, draws and plots symbols point by point,
// and the two windows must agree in every pixel.

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "lib/runtime/error_state.h"
#include "tests/case_name.h"
#include "tests/plot/plot_test_support.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

constexpr TkColor ink = 0x00C03010;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Data across 0 <= x < 100, y mostly in -1..1, reaching a little beyond the ranges the
// graphs are given so that lines are clipped at every side.
struct Series {
    std::vector<double> x, y, z;
};

enum class Shape { walk, steps, spikes, sine_bursts };

Series shaped(Shape shape, int64_t n, uint64_t seed)
{
    std::mt19937_64 random(seed);
    std::normal_distribution<double> normal(0, 1);
    Series s;
    s.x.resize(static_cast<std::size_t>(n));
    s.y.resize(static_cast<std::size_t>(n));
    s.z.resize(static_cast<std::size_t>(n));
    double walk = 0;
    for (int64_t i = 0; i < n; ++i) {
        auto const k = static_cast<std::size_t>(i);
        double const t = -3 + 106.0 * static_cast<double>(i) / static_cast<double>(n);
        s.x[k] = t;
        switch (shape) {
        case Shape::walk:
            walk += normal(random) * 4 / std::sqrt(static_cast<double>(n));
            s.y[k] = walk;
            break;
        case Shape::steps:
            s.y[k] = std::floor(t / 9) / 5 - 1;
            break;
        case Shape::spikes:
            s.y[k] = i % 97 == 0 ? 1.3 : (i % 89 == 0 ? -1.4 : 0.1 * normal(random));
            break;
        case Shape::sine_bursts:
            s.y[k] = std::fmod(t, 25) < 8 ? 1.15 * std::sin(t * 40) : 0.2;
            break;
        }
        s.z[k] = std::cos(t / 10);
    }
    return s;
}

struct Pen {
    int32_t write_mode = 1;
    int32_t style = 1;
    int32_t width = 1;
};

// Two graphs side by side on one host, the same in everything that decides pixels.
class DataPoints : public GraphTest {
protected:
    static constexpr int32_t side = 100;

    void SetUp() override
    {
        GraphTest::SetUp();
        ours = open(side, side * 4 / 5, 2, 0, 0);
        reference = open(side, side * 4 / 5, 2, 150, 0);
        for (TkGraph g : {ours, reference}) {
            TkKelvoStyle(g, 1);
            TkSetRanges(g, 0, 100, -1, 1);
            TkSetScales(g);
        }
    }

    // Coloured bands under the drawing, so that every write mode shows what it does.
    void prepare(Pen const& pen)
    {
        for (TkGraph g : {ours, reference}) {
            TkClearWindow(g);
            TkGpFill(g, 0, 0, 40, 79, 0x00336699, 1);
            TkGpFill(g, 60, 20, 99, 50, 0x00FFAA00, 1);
            TkPen(g, 0x00000000, pen.style, pen.width);
            TkWritemode(g, pen.write_mode);
        }
    }

    // The point-by-point drawing of the data call's marks, with the pen it sets.
    void draw_reference(Series const& s, bool x_given, int32_t mark, bool space, Pen const& pen)
    {
        int32_t const symbol = space && mark >= 10 ? 0 : mark % 10;
        TkPen(reference, ink, mark >= 10 ? 1 : pen.style, pen.width);
        bool pen_down = false;
        for (std::size_t i = 0; i < s.y.size(); ++i) {
            double const x = x_given ? s.x[i] : static_cast<double>(i);
            double const y = s.y[i];
            double const z = space ? s.z[i] : 0;
            if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
                pen_down = false;
                continue;
            }
            if (mark >= 10) {
                if (pen_down)
                    space ? TkDrawabs3(reference, x, y, z) : TkDrawabs(reference, x, y);
                else
                    space ? TkMoveabs3(reference, x, y, z) : TkMoveabs(reference, x, y);
                pen_down = true;
            }
            if (symbol != 0)
                TkPlotSymbol3(reference, symbol, x, y, z);
        }
    }

    int32_t draw_ours(Series const& s, bool x_given, int32_t mark, bool space)
    {
        double const* x = x_given ? s.x.data() : nullptr;
        auto const n = static_cast<int64_t>(s.y.size());
        return space ? TkDrawData3(ours, x, s.y.data(), s.z.data(), n, mark, ink, 0)
                     : TkDrawData1(ours, x, s.y.data(), n, mark, ink, 0);
    }

    // Draws the data both ways, then one more line from where each left its current point,
    // and reports the pixels where the windows differ.
    int differing_pixels(Series const& s, bool x_given, int32_t mark, bool space, Pen const& pen)
    {
        prepare(pen);
        EXPECT_EQ(draw_ours(s, x_given, mark, space), 0);
        draw_reference(s, x_given, mark, space, pen);
        for (TkGraph g : {ours, reference})
            space ? TkDrawabs3(g, 50, 0, 0) : TkDrawabs(g, 50, 0);
        Picture const a(ours), b(reference);
        int differ = 0;
        for (std::size_t k = 0; k < a.pixels.size(); ++k)
            differ += a.pixels[k] != b.pixels[k];
        return differ;
    }

    TkGraph ours = 0;
    TkGraph reference = 0;
};

struct Case {
    std::string name;
    Shape shape;
    int64_t n;
    int32_t mark;
    Pen pen;
};

void PrintTo(Case const& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<Case> cases()
{
    struct NamedShape {
        char const* name;
        Shape shape;
    };
    NamedShape const shapes[] = {{"walk", Shape::walk},
                                 {"steps", Shape::steps},
                                 {"spikes", Shape::spikes},
                                 {"sine_bursts", Shape::sine_bursts}};
    struct NamedPen {
        char const* name;
        Pen pen;
    };
    NamedPen const pens[] = {{"copy", {1, 1, 1}}, {"not", {2, 1, 1}},        {"and", {3, 1, 1}},
                             {"or", {4, 1, 1}},   {"xor", {5, 1, 1}},        {"dotted", {1, 2, 1}},
                             {"dashed_xor", {5, 3, 1}}, {"wide", {1, 1, 3}}, {"wide_xor", {5, 1, 2}}};
    std::vector<Case> all;
    auto add = [&](NamedShape const& shape, NamedPen const& pen, int64_t n, int32_t mark) {
        all.push_back({std::string(shape.name) + "_" + pen.name + "_" + std::to_string(n) + "_mark"
                           + std::to_string(mark),
                       shape.shape, n, mark, pen.pen});
    };
    // Every pen and mark at one point a pixel; at a hundred a pixel, the pens whose rules differ.
    for (NamedShape const& shape : shapes) {
        for (NamedPen const& pen : pens)
            for (int32_t mark : {10, 12, 3})
                add(shape, pen, 100, mark);
        for (std::size_t p : {0, 3, 4, 7})
            for (int32_t mark : {10, 3})
                add(shape, pens[p], 10'000, mark);
    }
    // Ten thousand points on every column.
    add(shapes[0], pens[0], 1'000'000, 10);
    add(shapes[3], pens[4], 1'000'000, 10);
    add(shapes[2], pens[0], 100'000, 2);
    return all;
}

class DataPointsExactness : public DataPoints, public ::testing::WithParamInterface<Case> {};

TEST_P(DataPointsExactness, PlaneAndSpacePointsGiveThePointByPointPixels)
{
    Case const& c = GetParam();
    Series const s = shaped(c.shape, c.n, 7);
    EXPECT_EQ(differing_pixels(s, true, c.mark, false, c.pen), 0) << "plane";
    if (c.n > 10'000)
        return;
    TkSetRanges3(ours, 0, 100, -1, 1, -1, 1);
    TkSetRanges3(reference, 0, 100, -1, 1, -1, 1);
    for (TkGraph g : {ours, reference}) {
        TkSetViewangles(g, 0.6, -std::numbers::pi / 2 + 0.5);
        TkSetScales(g);
    }
    EXPECT_EQ(differing_pixels(s, true, c.mark, true, c.pen), 0) << "space";
}

INSTANTIATE_TEST_SUITE_P(Shapes, DataPointsExactness, ::testing::ValuesIn(cases()), case_name::FromMember{});

TEST_F(DataPoints, EverySymbolSizeAndWriteModeAndTheWindowEdges)
{
    // Points on and beyond every edge, many on one pixel, some pixels reached twice. The
    // largest symbols cover the window many times over with fewer points.
    auto const series = [](int64_t n) {
        Series s = shaped(Shape::spikes, n, 12);
        for (std::size_t k = 0; k < s.y.size(); k += 7)
            s.y[k] = s.y[k - k % 14];
        return s;
    };
    Series const many = series(800);
    Series const few = series(120);
    for (int32_t size : {0, 3, -2, 70}) {
        for (TkGraph g : {ours, reference})
            TkSetGraphParam(g, 137, size);
        for (int32_t symbol = 1; symbol <= 9; ++symbol)
            for (int32_t mode : {1, 2, 3, 4, 5})
                EXPECT_EQ(differing_pixels(size == 70 ? few : many, true, symbol, false, {mode, 1, 1}), 0)
                    << "symbol " << symbol << ", size " << size << ", write mode " << mode;
    }
}

TEST_F(DataPoints, GapsLiftThePenAndGetNoSymbol)
{
    Series s = shaped(Shape::walk, 3000, 3);
    for (std::size_t k = 5; k < s.y.size(); k += 37)
        s.y[k] = nan;
    for (std::size_t k = 11; k < s.y.size(); k += 101)
        s.x[k] = k % 2 == 0 ? inf : -inf;
    s.y[0] = nan; // a gap before the first point
    s.y.back() = inf;
    for (int32_t mark : {10, 12, 4})
        EXPECT_EQ(differing_pixels(s, true, mark, false, {}), 0) << "mark " << mark;
    s.z[200] = nan;
    EXPECT_EQ(differing_pixels(s, true, 10, true, {}), 0) << "space";
}

TEST_F(DataPoints, WithoutXThePointsLieAtTheirIndices)
{
    for (int64_t n : {1, 2, 99, 5000}) {
        Series s = shaped(Shape::sine_bursts, n, 5);
        for (TkGraph g : {ours, reference}) {
            TkSetRanges(g, 0, static_cast<double>(n), -1, 1);
            TkSetScales(g);
        }
        EXPECT_EQ(differing_pixels(s, false, 12, false, {}), 0) << n << " points";
    }
}

TEST_F(DataPoints, OneAndTwoPoints)
{
    Series const one{{50}, {0.5}, {0}};
    Series const two{{20, 80}, {-0.5, 0.5}, {0, 0}};
    for (int32_t mark : {10, 16, 7}) {
        EXPECT_EQ(differing_pixels(one, true, mark, false, {}), 0) << "one, mark " << mark;
        EXPECT_EQ(differing_pixels(two, true, mark, false, {5, 1, 1}), 0) << "two, mark " << mark;
    }
}

TEST_F(DataPoints, PointsFarBeyondTheWindowAndOnLogarithmicScales)
{
    Series s = shaped(Shape::spikes, 4000, 9);
    for (std::size_t k = 3; k < s.y.size(); k += 211)
        s.y[k] = k % 2 == 0 ? 1e12 : -1e9;
    EXPECT_EQ(differing_pixels(s, true, 12, false, {}), 0) << "far points";
    for (double& v : s.y)
        v = std::fabs(v) + 0.01;
    for (TkGraph g : {ours, reference}) {
        TkSetGraphParam(g, 149, 1); // log10 y
        TkSetRanges(g, 0, 100, 0.01, 10);
        TkSetScales(g);
    }
    EXPECT_EQ(differing_pixels(s, true, 10, false, {}), 0) << "log10 y";
}

TEST_F(DataPoints, SymbolColourAndTheCurrentPointAfterTheCall)
{
    Series const s = shaped(Shape::walk, 2000, 4);
    for (TkGraph g : {ours, reference}) {
        TkSetGraphParam(g, 148, 1);
        TkSetGraphColor(g, 14, 0x000000FF);
    }
    // The data call gives the colour to the symbols; the reference does so by hand.
    prepare({});
    ASSERT_EQ(draw_ours(s, true, 12, false), 0);
    TkSetGraphColor(reference, 14, ink);
    TkPen(reference, 0, 1, 1);
    bool first = true;
    for (std::size_t i = 0; i < s.y.size(); ++i) {
        first ? TkMoveabs(reference, s.x[i], s.y[i]) : TkDrawabs(reference, s.x[i], s.y[i]);
        first = false;
        TkPlotSymbol3(reference, 2, s.x[i], s.y[i], 0);
    }
    EXPECT_EQ(Picture(ours), Picture(reference));
}

TEST_F(DataPoints, SavedPicturesGrowWithTheWindowNotWithThePoints)
{
    namespace fs = std::filesystem;
    fs::path const folder = fs::temp_directory_path() / ("kelvo-data-points-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (int32_t mark : {10, 2}) {
        for (int64_t n : {100'000, 2'000'000}) {
            Series const s = shaped(Shape::walk, n, 8);
            TkClearWindow(ours);
            ASSERT_EQ(draw_ours(s, true, mark, false), 0);
            for (char const* extension : {".svg", ".pdf"}) {
                fs::path const file = folder / (std::to_string(n) + extension);
                ASSERT_EQ(TkSaveGraph(ours, file.string().c_str()), 0);
                // The window's 8000 pixels as an image, whatever the number of points.
                EXPECT_LT(fs::file_size(file), 40'000u) << n << " points, mark " << mark << ", " << extension;
            }
        }
    }
    fs::remove_all(folder);
}

TEST_F(DataPoints, SymbolsOnAWindowLargerThanAnyPictureAreDrawnOneByOne)
{
    // 2^20 pixels a side: a bit a pixel would ask for 128 GB.
    TkGraph const huge = open(1 << 20, 1 << 20, 1);
    TkSetMargins(huge, 0, 0, 0, 0);
    TkSetGraphParam(huge, 132, 0); // no nice values: user units are pixels, y upwards
    TkSetRanges(huge, 0, (1 << 20) - 1, 0, (1 << 20) - 1);
    TkSetScales(huge);
    double const x[] = {100, 120}, y[] = {(1 << 20) - 100.0, (1 << 20) - 120.0};
    EXPECT_EQ(TkDrawData1(huge, x, y, 2, 2, ink, 0), 0);
    int32_t const column = TkUserToWindowX(huge, 100, y[0]), row = TkUserToWindowY(huge, 100, y[0]);
    ASSERT_LT(column, 300);
    ASSERT_LT(row, 240);
    EXPECT_EQ(shown(huge, column, row), ink) << "the plus sign's centre";
}

TEST_F(DataPoints, RefusalsDrawNothing)
{
    double const y[] = {0.5, 0.25};
    prepare({});
    Picture const before(ours);
    EXPECT_EQ(TkDrawData1(ours, nullptr, nullptr, 2, 10, ink, 0), 20804);
    EXPECT_EQ(TkDrawData3(ours, nullptr, y, nullptr, 2, 10, ink, 0), 20804);
    EXPECT_EQ(TkDrawData1(ours, y, nullptr, int64_t{1} << 40, 10, ink, 1), 20804) << "checked before any point is read";
    for (int64_t n : {int64_t{0}, int64_t{-1}, std::numeric_limits<int64_t>::min()}) {
        EXPECT_EQ(TkDrawData1(ours, nullptr, y, n, 10, ink, 0), 20802) << n;
        EXPECT_EQ(TkDrawData3(ours, y, y, y, n, 2, ink, 0), 20802) << n;
    }
    double const gaps[] = {nan, inf, -inf};
    EXPECT_EQ(TkDrawData1(ours, gaps, gaps, 3, 12, ink, 1), 20802) << "no finite point to fit the ranges to";
    EXPECT_EQ(TkDrawData1(ours, gaps, gaps, 3, 12, ink, 0), 0) << "nothing to draw, nothing wrong";
    EXPECT_EQ(Picture(ours), before);
    EXPECT_EQ(TkDrawData1(0, nullptr, y, 2, 10, ink, 0), 0) << "no graph, no drawing";
}

TEST_F(DataPoints, FittedRangesPassOverGaps)
{
    double const x[] = {1, 2, nan, 4, 5};
    double const y[] = {10, inf, 1e300, 20, 30};
    ASSERT_EQ(TkDrawData1(ours, x, y, 5, 10, ink, 1), 0);
    TkActualZoom zoom{};
    TkGetActualZoom(ours, &zoom);
    EXPECT_LE(zoom.XMin, 1);
    EXPECT_GE(zoom.XMax, 5);
    EXPECT_LE(zoom.YMin, 10);
    EXPECT_GE(zoom.YMax, 30);
    EXPECT_LT(zoom.YMax, 1e3) << "the point whose x is a gap does not count";
}

} // namespace
} // namespace kelvo::testing
