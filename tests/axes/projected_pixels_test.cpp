// Window pixels of blocks of points: each the pixel the point-by-point projection gives, for
// plane and space views, points given with and without x or z, block lengths that leave a
// tail, and the refusal of points that need clipping.

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "lib/axes/projected_pixels.h"
#include "lib/axes/projection.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

class ProjectedPixels : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(300, 240, 2);
    }

    EffectiveScales const& scales() const { return find_graph(graph)->scales; }

    // Every pixel of the block against window_pixel(project(...)) of its point: the number
    // that differ, or -1 when the block's answer to whether it needs no clipping is wrong.
    int differing(PointArrays const& points, int64_t first, int count) const
    {
        std::vector<PixelPoint> pixels(static_cast<std::size_t>(count));
        bool const simple = project_to_pixels(scales(), points, first, count, pixels.data());
        std::vector<PixelPoint> const expected = expected_pixels(points, first, count);
        if (simple != all_inside(points, first, count))
            return -1;
        int wrong = 0;
        for (std::size_t k = 0; simple && k < expected.size(); ++k)
            wrong += !(pixels[k] == expected[k]);
        return wrong;
    }

    std::vector<PixelPoint> expected_pixels(PointArrays const& points, int64_t first, int count) const
    {
        std::vector<PixelPoint> expected;
        for (int64_t i = first; i < first + count; ++i) {
            WindowPoint const at = window_point(points, i);
            expected.push_back({window_pixel(at.x), window_pixel(at.y)});
        }
        return expected;
    }

    bool all_inside(PointArrays const& points, int64_t first, int count) const
    {
        bool inside = true;
        for (int64_t i = first; i < first + count; ++i)
            inside = inside && inside_window_limit(window_point(points, i));
        return inside;
    }

    WindowPoint window_point(PointArrays const& points, int64_t i) const
    {
        double const x = points.x != nullptr ? points.x[i] : static_cast<double>(i);
        double const z = points.z != nullptr ? points.z[i] : points.z_plane;
        return project(scales(), x, points.y[i], z);
    }

    TkGraph graph = 0;
};

// Values that land on and near pixel boundaries as well as anywhere: multiples of 1/8 of the
// user unit and random reals, across the window and a little beyond it.
std::vector<double> mixed_values(std::mt19937_64& random, int n, double lo, double hi)
{
    std::uniform_real_distribution<double> anywhere(lo, hi);
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        double const v = anywhere(random);
        values[static_cast<std::size_t>(k)] = k % 2 == 0 ? std::round(v * 8) / 8 : v;
    }
    return values;
}

TEST_F(ProjectedPixels, PlaneAndSpaceViewsGiveThePointByPointPixels)
{
    std::mt19937_64 random(11);
    int constexpr n = 4099; // blocks of 4 and a tail of 3
    std::vector<double> const x = mixed_values(random, n, -13, 17);
    std::vector<double> const y = mixed_values(random, n, -3.3, 2.9);
    std::vector<double> const z = mixed_values(random, n, -1, 1.5);
    struct View {
        void (*set)(TkGraph);
    };
    View const views[] = {
        {[](TkGraph g) {
             TkSetRanges(g, -12.3, 16.1, -3.1, 2.7);
             TkSetScales(g);
         }},
        {[](TkGraph g) {
             TkSetGraphParam(g, 132, 0); // exact ranges, odd scales
             TkSetRanges(g, -12.3, 16.1, -3.1, 2.7);
             TkSetScales(g);
         }},
        {[](TkGraph g) {
             TkSetRanges3(g, -12, 16, -3, 3, -1, 1.5);
             TkSetViewangles(g, 0.7, -std::numbers::pi / 2 + 0.4);
             TkSetScales(g);
         }},
    };
    for (View const& view : views) {
        view.set(graph);
        ASSERT_TRUE(scales().AllLinear);
        for (PointArrays const points : {PointArrays{x.data(), y.data(), z.data(), 0},
                                         PointArrays{x.data(), y.data(), nullptr, 0.25},
                                         PointArrays{nullptr, y.data(), nullptr, -0.5}}) {
            // Without x the points lie at their indices, beyond the window limit for most views.
            for (int64_t first : {0, 1, 2, 3})
                EXPECT_EQ(differing(points, first, points.x != nullptr ? n - 4 : 9), 0)
                    << "view " << (&view - views) << ", x given " << (points.x != nullptr) << ", z given "
                    << (points.z != nullptr) << ", from " << first;
        }
    }
}

// Column runs against runs gathered here, pixel by pixel, from the point-by-point pixels.
TEST_F(ProjectedPixels, ColumnRunsAreTheRunsOfConsecutivePixelsInOneColumn)
{
    // A slow walk across few columns: runs of every length, ending anywhere in a group of four.
    std::mt19937_64 random(3);
    std::normal_distribution<double> normal(0, 1);
    int constexpr n = 2051;
    std::vector<double> x(n), y(n);
    double walk = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        x[k] = 5 + 0.05 * static_cast<double>(k) / n + (k % 97 == 0 ? 0.2 : 0);
        y[k] = walk += normal(random) * 0.05;
    }
    TkSetRanges(graph, 0, 10, -2, 2);
    TkSetScales(graph);
    PointArrays const points{x.data(), y.data(), nullptr, 0};
    for (int64_t from : {1, 2, 3, 4})
        for (int count : {1, 3, 4, 5, 2046}) {
            std::vector<PixelPoint> const pixels = expected_pixels(points, from - 1, count + 1);
            std::vector<ColumnRun> expected;
            ColumnRun run = ColumnRun::at(pixels.front());
            for (std::size_t k = 1; k < pixels.size(); ++k) {
                PixelPoint const p = pixels[k];
                if (p.x != run.x) {
                    expected.push_back(run);
                    run = ColumnRun::at(p);
                    continue;
                }
                run.last = p.y;
                run.low = std::min(run.low, p.y);
                run.high = std::max(run.high, p.y);
            }
            std::vector<ColumnRun> closed(static_cast<std::size_t>(count));
            std::optional<ColumnRuns> const runs
                = project_to_column_runs(scales(), points, from, count, ColumnRun::at(pixels.front()), closed.data());
            ASSERT_TRUE(runs);
            closed.resize(static_cast<std::size_t>(runs->closed));
            EXPECT_EQ(closed, expected) << from << ", " << count;
            EXPECT_EQ(runs->open, run) << from << ", " << count;
        }
}

TEST_F(ProjectedPixels, PointsNotFiniteOrBeyondTheWindowLimitNeedThePointByPointPath)
{
    TkSetRanges(graph, 0, 10, 0, 10);
    TkSetScales(graph);
    double const far = 1e9;
    double const nan = std::numeric_limits<double>::quiet_NaN();
    double const inf = std::numeric_limits<double>::infinity();
    for (double odd : {far, -far, nan, inf, -inf}) {
        for (int at : {0, 5, 8}) { // in a block of four, and in the tail
            for (bool in_x : {false, true}) {
                std::vector<double> x(9, 5.0), y(9, 5.0);
                (in_x ? x : y)[static_cast<std::size_t>(at)] = odd;
                PointArrays const points{x.data(), y.data(), nullptr, 0};
                std::vector<PixelPoint> pixels(9);
                std::vector<ColumnRun> runs(9);
                EXPECT_FALSE(project_to_pixels(scales(), points, 0, 9, pixels.data())) << odd << " at " << at;
                EXPECT_FALSE(project_to_column_runs(scales(), points, 0, 9, ColumnRun{}, runs.data()))
                    << odd << " at " << at;
            }
        }
    }
}

} // namespace
} // namespace kelvo::testing
