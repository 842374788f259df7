// Curves, sampling, data arrays and histograms given what they cannot draw: sample counts of
// 0, 1, -1 and a billion, intervals that are not finite, disposed arrays and arrays of the
// wrong dimension. Each gives its code at once (a billion samples are refused by the heap
// limit, not computed) and draws nothing.

#include <limits>
#include <stdexcept>
#include <string>

#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

double const nan = std::numeric_limits<double>::quiet_NaN();
double const inf = std::numeric_limits<double>::infinity();
constexpr int32_t billion = 1000000000;
constexpr TkColor ink = 0x0000FF;

double line(double x)
{
    return x;
}

double broken(double)
{
    throw std::runtime_error("broken sampler");
}

class CurveHostile : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(200, 150, 2);
        TkClearWindow(graph);
    }
    void TearDown() override
    {
        for (TkArray a : {x, y, z, square})
            TkDisposeArray(a);
        GraphTest::TearDown();
    }

    int32_t inked() const { return count_shown(graph, ink); }

    TkGraph graph = 0;
    TkArray x = TkNewArray1(10);
    TkArray y = TkNewArray1(10);
    TkArray z = TkNewArray1(10);
    TkArray square = TkNewArray2(10, 10);
};

TEST_F(CurveHostile, CountsThatCannotBeSampled)
{
    for (int32_t n : {0, 1, -1, billion}) {
        SCOPED_TRACE(n);
        EXPECT_NE(TkDrawCurve1(graph, "x", "x", 0, 1, n, ink, 3), 0);
        EXPECT_NE(TkDrawCurve3(graph, "t", "t", "t", "t", 0, 1, n, ink, 3), 0);
        EXPECT_NE(TkDrawCurveFunc1(graph, line, 0, 1, n, ink, 3), 0);
        EXPECT_NE(TkSampleFunction1("x", "x", 0, 1, x, y, n), 0);
        EXPECT_NE(TkDrawArray1(graph, x, y, n == 1 ? 11 : n, 12, ink, 3), 0);
        EXPECT_NE(TkDrawHistogram1(graph, x, y, n == 1 ? 11 : n, 1, 0, ink, 3), 0);
    }
    EXPECT_EQ(inked(), 0);
}

// A fault inside the work reaches the caller as a code, not as silence.
TEST_F(CurveHostile, AFunctionThatThrowsGivesTheInternalErrorCode)
{
    EXPECT_EQ(TkDrawCurveFunc1(graph, broken, 0, 1, 50, ink, 3), 30000);
    EXPECT_EQ(inked(), 0);
}

TEST_F(CurveHostile, IntervalsThatAreNotFinite)
{
    for (auto [a, b] : {std::pair{nan, 1.0}, {0.0, inf}, {-inf, inf}, {-1e308, 1e308}}) {
        SCOPED_TRACE(std::to_string(a) + " " + std::to_string(b));
        EXPECT_NE(TkDrawCurve1(graph, "x", "x", a, b, 50, ink, 3), 0);
        EXPECT_NE(TkDrawCurve2(graph, "t", "t", "t", a, b, 50, ink, 3), 0);
        EXPECT_NE(TkSampleFunction1("x", "x", a, b, x, y, 10), 0);
    }
    EXPECT_EQ(inked(), 0);
}

TEST_F(CurveHostile, DisposedAndMisshapenArrays)
{
    TkArray const gone = TkNewArray1(10);
    TkDisposeArray(gone);
    EXPECT_EQ(TkDrawArray1(graph, gone, y, 10, 12, ink, 3), 20804);
    EXPECT_EQ(TkDrawArray1(graph, square, y, 10, 12, ink, 3), 20804);
    EXPECT_EQ(TkDrawArray3(graph, x, y, gone, 10, 12, ink, 3), 20804);
    EXPECT_EQ(TkDrawArray2(graph, x, y, z, 10, 10, 12, ink, 3), 20804) << "z must be two-dimensional";
    EXPECT_EQ(TkDrawHistogram1(graph, x, gone, 10, 1, 0, ink, 3), 20804);
    EXPECT_EQ(TkDrawHistogram2(graph, x, y, z, 10, 10, 1, 1, ink, 3), 20804);
    EXPECT_EQ(TkSampleFunction2("x*y", "x", "y", 0, 1, 0, 1, x, y, z, 10, 10), 20804);
    EXPECT_EQ(inked(), 0);
}

} // namespace
} // namespace kelvo::testing
