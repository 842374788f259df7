// Window pixels of blocks of points: each the pixel the point-by-point projection gives, for
// plane and space views, points given with and without x or z, block lengths that leave a
// tail, and the refusal of points that need clipping.

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

    // Every pixel of the block against window_pixel(project(...)) of its point, those equal
    // to the one before left out when asked: the number that differ, or -1 when the block's
    // answer to whether it needs no clipping, or its count, is wrong.
    int differing(PointArrays const& points, int64_t first, int count, Repeats repeats = Repeats::kept,
                  PixelPoint before = no_pixel) const
    {
        std::vector<PixelPoint> pixels(static_cast<std::size_t>(count));
        std::optional<int> const written
            = project_to_pixels(scales(), points, first, count, pixels.data(), repeats, before);
        std::vector<PixelPoint> expected;
        bool all_inside = true;
        for (int k = 0; k < count; ++k) {
            int64_t const i = first + k;
            double const x = points.x != nullptr ? points.x[i] : static_cast<double>(i);
            double const z = points.z != nullptr ? points.z[i] : points.z_plane;
            WindowPoint const at = project(scales(), x, points.y[i], z);
            PixelPoint const pixel{window_pixel(at.x), window_pixel(at.y)};
            PixelPoint const previous = expected.empty() ? before : expected.back();
            if (repeats == Repeats::kept || !(pixel == previous))
                expected.push_back(pixel);
            all_inside = all_inside && inside_window_limit(at);
        }
        if (written.has_value() != all_inside)
            return -1;
        if (!written)
            return 0;
        if (*written != static_cast<int>(expected.size()))
            return -1;
        int wrong = 0;
        for (std::size_t k = 0; k < expected.size(); ++k)
            wrong += !(pixels[k] == expected[k]);
        return wrong;
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

TEST_F(ProjectedPixels, RepeatsLeftOutAreThoseEqualToThePixelBefore)
{
    // A slow walk: runs of one pixel of every length, broken anywhere in a group of four.
    std::mt19937_64 random(3);
    std::normal_distribution<double> normal(0, 1);
    int constexpr n = 2051;
    std::vector<double> x(n), y(n);
    double walk = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        x[k] = 5 + static_cast<double>(k) / n;
        y[k] = walk += normal(random) * 0.02;
    }
    TkSetRanges(graph, 0, 10, -2, 2);
    TkSetScales(graph);
    PointArrays const points{x.data(), y.data(), nullptr, 0};
    std::vector<PixelPoint> first(1);
    ASSERT_TRUE(project_to_pixels(scales(), points, 0, 1, first.data()));
    for (int64_t from : {0, 1, 2, 3})
        for (int count : {1, 3, 4, 5, 2047}) {
            EXPECT_EQ(differing(points, from, count, Repeats::left_out), 0) << from << ", " << count;
            EXPECT_EQ(differing(points, from, count, Repeats::left_out, first[0]), 0) << from << ", " << count;
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
            std::vector<double> x(9, 5.0), y(9, 5.0);
            y[static_cast<std::size_t>(at)] = odd;
            std::vector<PixelPoint> pixels(9);
            for (Repeats repeats : {Repeats::kept, Repeats::left_out})
                EXPECT_FALSE(project_to_pixels(scales(), {x.data(), y.data(), nullptr, 0}, 0, 9, pixels.data(), repeats))
                    << odd << " at " << at;
            x[static_cast<std::size_t>(at)] = odd;
            y[static_cast<std::size_t>(at)] = 5.0;
            for (Repeats repeats : {Repeats::kept, Repeats::left_out})
                EXPECT_FALSE(project_to_pixels(scales(), {x.data(), y.data(), nullptr, 0}, 0, 9, pixels.data(), repeats))
                    << odd << " at " << at;
        }
    }
}

} // namespace
} // namespace kelvo::testing
