// The curve calls and their engine: refusals, where the samples lie, refinement and dashed
// jumps, missing points, the range fit of plot option 1, compile and evaluation errors.

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "lib/graph/graph_table.h"
#include "lib/runtime/error_state.h"
#include "tests/case_name.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

constexpr TkColor ink = 0x0000FF;
constexpr double pi = std::numbers::pi;

class Curves : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(300, 240, 2);
        TkClearWindow(graph);
    }

    // Ranges exactly as given, over the whole window, each axis scaled on its own.
    void frame(double x1, double x2, double y1, double y2)
    {
        TkSetGraphParam(graph, 132, 0);
        TkSetMargins(graph, 0, 0, 0, 0);
        TkSetGraphParam(graph, 130, 2); // x and y scales apart
        TkSetRanges(graph, x1, x2, y1, y2);
        TkSetScales(graph);
    }

    // Rows of column x, from top to bottom, that show the ink.
    std::vector<int32_t> inked_rows(int32_t x, int32_t top = 0, int32_t bottom = 239) const
    {
        std::vector<int32_t> rows;
        for (int32_t y = top; y <= bottom; ++y)
            if (shown(graph, x, y) == ink)
                rows.push_back(y);
        return rows;
    }

    bool inked_near(int32_t x, int32_t y, int32_t reach) const
    {
        for (int32_t dy = -reach; dy <= reach; ++dy)
            for (int32_t dx = -reach; dx <= reach; ++dx)
                if (shown(graph, x + dx, y + dy) == ink)
                    return true;
        return false;
    }

    CoordinateSettings const& settings() const { return find_graph(graph)->coordinates; }

    TkGraph graph = 0;
};

// What the caller's functions were asked for.
std::vector<double> asked;
double recorded_line(double t)
{
    asked.push_back(t);
    return t;
}

// The unit circle, missing where t lies between pi/2 and pi.
double broken_circle_x = 0;
double broken_circle_y = 0;
double broken_circle(double t)
{
    broken_circle_x = std::cos(t);
    broken_circle_y = std::sin(t);
    return t > pi / 2 && t < pi ? 0 : 1;
}

double helix_x = 0, helix_y = 0, helix_z = 0;
double helix(double t)
{
    helix_x = std::cos(t);
    helix_y = std::sin(t);
    helix_z = t;
    return 1;
}

double not_a_number(double)
{
    return std::numeric_limits<double>::quiet_NaN();
}

TEST_F(Curves, TooFewSamplesOrAnEmptyIntervalDrawNothing)
{
    frame(0, 5, -1, 6);
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 2, 2, 50, ink, 0), 20803);
    EXPECT_EQ(error_state().message, "Bad range specified");
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 0, 0, 50, ink, 0), 20803) << "0 and 0 are reversed by the nudge";
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 5, 0, 50, ink, 0), 20803);
    for (int32_t n : {1, 0, -1}) {
        EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 0, 5, n, ink, 0), 20802);
        EXPECT_EQ(TkDrawCurveFunc1(graph, recorded_line, 0, 5, n, ink, 0), 20802);
    }
    EXPECT_EQ(error_state().message, "Not enough data");
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 0, 5, 1'000'000'000, ink, 0), 1) << "the samples exceed the heap";
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 0, 5, 41'667, ink, 0), 1) << "3 n reals just over 1,000,000 bytes";
    double const nan = std::numeric_limits<double>::quiet_NaN();
    double const inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", nan, 5, 50, ink, 0), 20803);
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", 0, inf, 50, ink, 0), 20803);
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", -inf, inf, 50, ink, 0), 20803);
    EXPECT_EQ(TkDrawCurve1(graph, "x", "x", -1e308, 1e308, 50, ink, 0), 20803) << "the step overflows";
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(count_shown(graph, ink), 0);
}

TEST_F(Curves, BadGraphsAndMissingFunctionsOrVariables)
{
    double x = 0, y = 0, z = 0;
    TkGraph const closed = open(50, 50, 1);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed, TkGraph{0x12345}}) {
        EXPECT_EQ(TkDrawCurve1(bad, "x", "x", 0, 1, 10, ink, 3), 0);
        EXPECT_EQ(TkDrawCurve2(bad, "t", "t", "t", 0, 1, 10, ink, 3), 0);
        EXPECT_EQ(TkDrawCurve3(bad, "t", "t", "t", "t", 0, 1, 10, ink, 3), 0);
        EXPECT_EQ(TkDrawCurveFunc1(bad, recorded_line, 0, 1, 10, ink, 3), 0);
        EXPECT_EQ(TkDrawCurveFunc2(bad, broken_circle, &x, &y, 0, 1, 10, ink, 3), 0);
        EXPECT_EQ(TkDrawCurveFunc3(bad, helix, &x, &y, &z, 0, 1, 10, ink, 3), 0);
    }
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(TkDrawCurveFunc1(graph, nullptr, 0, 1, 10, ink, 0), 20804);
    EXPECT_EQ(TkDrawCurveFunc2(graph, broken_circle, &x, nullptr, 0, 1, 10, ink, 0), 20804);
    EXPECT_EQ(TkDrawCurveFunc3(graph, helix, &x, &y, nullptr, 0, 1, 10, ink, 0), 20804);
    EXPECT_EQ(TkDrawCurve1(graph, nullptr, "x", 0, 1, 10, ink, 0), 10406) << "no text is an empty formula";
}

TEST_F(Curves, TheSamplesRunBetweenTheNudgedEnds)
{
    frame(0, 5, -1, 6);
    asked.clear();
    EXPECT_EQ(TkDrawCurveFunc1(graph, recorded_line, 0, 5, 11, ink, 0), 0);
    ASSERT_GE(asked.size(), 11u);
    EXPECT_EQ(asked[0], 1.37e-6);
    EXPECT_NEAR(asked[10], 5 - 7.05e-6, 1e-12);
    EXPECT_NEAR(asked[1] - asked[0], (5 - 7.05e-6 - 1.37e-6) / 10, 1e-15);
    asked.clear();
    TkDrawCurveFunc1(graph, recorded_line, -2, -1, 3, ink, 0);
    ASSERT_GE(asked.size(), 3u);
    EXPECT_EQ(asked[0], -2 + 2 * 1.37e-6);
    EXPECT_NEAR(asked[2], -1 - 1.41e-6, 1e-15);
    asked.clear();
}

TEST_F(Curves, APoleBetweenSamplesIsCrossedDashedAndTheBranchesAreSolid)
{
    // Samples every 0.1 from 0; the pole at 2.01 lies between the samples at 2.0 and 2.1.
    frame(0, 4, -10, 10);
    EXPECT_EQ(TkDrawCurve1(graph, "1 / (x - 2.01)", "x", 0, 4, 41, ink, 0), 0);
    // The branches leave the window at x = 1.91 (column 143) and come back at x = 2.11
    // (column 158): in between, only the segment across the pole shows, from the top of
    // the window to the bottom, in dashes of 18 pixels with gaps of 6.
    std::vector<int32_t> crossing;
    for (int32_t y = 0; y < 240; ++y)
        for (int32_t x = 146; x <= 155; ++x)
            if (shown(graph, x, y) == ink) {
                crossing.push_back(y);
                break;
            }
    EXPECT_GT(crossing.size(), 150u);
    EXPECT_LT(crossing.size(), 200u) << "gaps";
    int32_t longest_gap = 0;
    for (std::size_t i = 1; i < crossing.size(); ++i)
        longest_gap = std::max(longest_gap, crossing[i] - crossing[i - 1] - 1);
    EXPECT_GE(longest_gap, 5);
    // Away from the pole both branches are unbroken lines.
    for (int32_t x = 0; x < 135; ++x)
        EXPECT_FALSE(inked_rows(x).empty()) << "column " << x;
    for (int32_t x = 170; x < 300; ++x)
        EXPECT_FALSE(inked_rows(x).empty()) << "column " << x;
    EXPECT_EQ(find_graph(graph)->pen.colour, find_graph(graph)->style.pen_colour) << "the pen colour goes back";
}

TEST_F(Curves, StepsBeyondTheSameSideOfTheFarBandAreNotRefined)
{
    frame(0, 10, -1, 1);
    asked.clear();
    // y = x from 4 to 10 lies wholly beyond 1 + 2/4, the top of the far band: steps of 1,
    // far longer than a 32nd of either range, are drawn as they are.
    TkDrawCurveFunc1(graph, recorded_line, 4, 10, 7, ink, 0);
    EXPECT_EQ(asked.size(), 7u);
    asked.clear();
    TkDrawCurveFunc1(graph, recorded_line, 0, 1, 2, ink, 0);
    // Within the range: three halvings towards the start, a segment drawn, and again from
    // there, round after round, until the step left is short.
    ASSERT_GT(asked.size(), 2u + 3u * 3u);
    EXPECT_NEAR(asked[2], 0.5, 1e-5);
    EXPECT_NEAR(asked[3], 0.25, 1e-5);
    EXPECT_NEAR(asked[4], 0.125, 1e-5);
    asked.clear();
}

// A jump exactly at a sample: refinement closes in on it from below until the step cannot
// be halved any more. Those steps used to halve to their own start and never end.
double jump_at = 0;
long jump_calls = 0;
double step_at_a_sample(double t)
{
    ++jump_calls;
    return t >= jump_at ? 0.5 : 0;
}

TEST_F(Curves, AJumpRightAtASampleEnds)
{
    frame(0, 1, -1, 1);
    // The third sample of 5 from 0 to 1, as the samples are laid out: nudged, accumulated.
    double const first = 1.37e-6;
    double const h = (1 - 1.41e-6 - first) / 4;
    jump_at = first + h + h;
    EXPECT_EQ(TkDrawCurveFunc1(graph, step_at_a_sample, 0, 1, 5, ink, 0), 0);
    EXPECT_LT(jump_calls, 5000);
    EXPECT_GT(count_shown(graph, ink), 200);
}

TEST_F(Curves, ACallerFunctionReturningZeroLiftsThePen)
{
    frame(-2, 2, -2, 2);
    double x = 0, y = 0;
    asked.clear();
    EXPECT_EQ(TkDrawCurveFunc2(graph, [](double t) { return broken_circle(t); }, &broken_circle_x, &broken_circle_y,
                               0, 2 * pi, 200, ink, 0),
              0);
    (void)x;
    (void)y;
    // Window pixels of a user point: 300 x 240 pixels over 4 x 4 units, centred.
    auto px = [](double u) { return static_cast<int32_t>(std::lround(149.5 + u * 299.0 / 4)); };
    auto py = [](double v) { return static_cast<int32_t>(std::lround(119.5 - v * 239.0 / 4)); };
    EXPECT_TRUE(inked_near(px(std::cos(pi / 4)), py(std::sin(pi / 4)), 1));
    EXPECT_TRUE(inked_near(px(std::cos(5 * pi / 4)), py(std::sin(5 * pi / 4)), 1));
    EXPECT_FALSE(inked_near(px(std::cos(3 * pi / 4)), py(std::sin(3 * pi / 4)), 3)) << "the missing arc";
    // Nothing is drawn from or to the origin, where missing points are stored.
    for (double r : {0.0, 0.3, 0.6})
        for (int k = 0; k < 16; ++k)
            EXPECT_FALSE(inked_near(px(r * std::cos(k * pi / 8)), py(r * std::sin(k * pi / 8)), 0)) << r << " " << k;
}

TEST_F(Curves, OptionOneFitsTheRangesToTheSamples)
{
    EXPECT_EQ(TkDrawCurve1(graph, "3", "x", 1, 2, 10, ink, 1), 0);
    EXPECT_NEAR(settings().UserMax[1] - settings().UserMin[1], 0.002, 1e-12);
    EXPECT_NEAR(settings().UserMin[1], 2.999, 1e-12);
    EXPECT_NEAR(settings().UserMin[0], 1 + 1.37e-6 - 0.001, 1e-12);
    EXPECT_NEAR(settings().UserMax[0], 2 - 2 * 1.41e-6, 1e-12);
    EXPECT_GT(count_shown(graph, ink), 200) << "a line across the plot";

    TkSetViewangles(graph, 0.5, 0.25);
    EXPECT_EQ(TkDrawCurve2(graph, "cos(t)", "2 * sin(t)", "t", 0, 2 * pi, 100, ink, 1), 0);
    EXPECT_EQ(settings().Theta, 0) << "a plane curve goes back to the 2D view";
    EXPECT_NEAR(settings().UserMax[1], 2, 1e-3);
}

TEST_F(Curves, OptionOneOnASpaceCurveTurnsTheViewTo3D)
{
    TkSetView2D(graph);
    double x = 0, y = 0, z = 0;
    TkSetRanges3(graph, 0, 1, 0, 1, 0, 1);
    EXPECT_EQ(TkDrawCurveFunc3(graph, helix, &helix_x, &helix_y, &helix_z, 0, 6, 120, ink, 1), 0);
    (void)x, (void)y, (void)z;
    EXPECT_DOUBLE_EQ(settings().Theta, pi / 3);
    EXPECT_DOUBLE_EQ(settings().Phi, -5 * pi / 12);
    EXPECT_TRUE(settings().Is3D);
    EXPECT_NEAR(settings().UserMin[2], 1.37e-6 - 0.001, 1e-9);
    EXPECT_NEAR(settings().UserMax[2], 6, 1e-4);
    EXPECT_NEAR(settings().UserMin[0], -1, 1e-3);
    EXPECT_GT(count_shown(graph, ink), 300);

    TkSetViewangles(graph, 1, 2);
    EXPECT_EQ(TkDrawCurve3(graph, "t", "t^2", "t^3", "t", 0, 1, 20, ink, 3), 0);
    EXPECT_EQ(settings().Theta, 1) << "a view that is 3D already keeps its angles";
    EXPECT_NEAR(settings().UserMax[2], 1, 1e-4);
}

TEST_F(Curves, ACompileErrorInAnyFormulaDrawsNothing)
{
    frame(-1, 1, -1, 1);
    TkSetRanges(graph, -5, 5, -5, 5);
    EXPECT_EQ(TkDrawCurve2(graph, "cos(t)", "sin(t) +", "t", 0, 6, 50, ink, 3), 10406);
    EXPECT_EQ(TkDrawCurve3(graph, "cos(t)", "sin(t)", "t * s", "t", 0, 6, 50, ink, 3), 10408);
    EXPECT_EQ(TkDrawCurve1(graph, "sin(t)", "pi", 0, 6, 50, ink, 3), 10425);
    EXPECT_EQ(count_shown(graph, ink), 0);
    EXPECT_EQ(settings().UserMax[0], 5) << "the ranges are not fitted";
}

TEST_F(Curves, AnEvaluationErrorWhileSamplingDrawsNothing)
{
    frame(-1, 1, -1, 1);
    EXPECT_EQ(TkDrawCurve1(graph, "sqrt(x)", "x", -1, 1, 50, ink, 1), 10415);
    EXPECT_EQ(TkDrawCurve2(graph, "t", "sqrt(t)", "t", -1, 1, 50, ink, 0), 10415);
    EXPECT_EQ(TkDrawCurve2(graph, "sqrt(t)", "t", "t", -1, 1, 50, ink, 0), 10415)
        << "an error in the first formula outlives a good second";
    EXPECT_EQ(count_shown(graph, ink), 0);
    EXPECT_EQ(settings().UserMax[0], 1) << "nothing fitted";
}

TEST_F(Curves, AnEvaluationErrorWhileRefiningEndsTheCurveThere)
{
    // The step at the jump is halved at x = 0.55, where the root's argument is negative;
    // the samples on either side of it are valid.
    frame(0, 1, -1, 12);
    EXPECT_EQ(TkDrawCurve1(graph, "10*fnH(x-0.55) + sqrt(abs(x-0.55) - 0.001)", "x", 0, 1, 11, ink, 0), 10415);
    EXPECT_EQ(error_state().message, "square root of negative number");
    // The last sample drawn is x = 0.5, at column 150.
    int32_t drawn_left = 0;
    int32_t drawn_right = 0;
    for (int32_t x = 0; x < 300; ++x)
        (x <= 150 ? drawn_left : drawn_right) += inked_rows(x).empty() ? 0 : 1;
    EXPECT_GT(drawn_left, 100) << "the curve up to the failure stays";
    EXPECT_EQ(drawn_right, 0);
}

TEST_F(Curves, APointFailsWithTheLastFormulaThatFailedThere)
{
    frame(-1, 1, -1, 1);
    EXPECT_EQ(TkDrawCurve3(graph, "sqrt(t)", "t", "ln(t)", "t", -1, 1, 50, ink, 0), 10417);
    EXPECT_EQ(error_state().message, "log of zero or negative number");
}

// A caller's function that fails the way a program's function can: through a call of the
// library that leaves an error.
double failing_beyond_half(double t)
{
    double result = 0;
    if (t > 0.5)
        TkEvaluate1ByVar("1/x", "x", &result, 0.0);
    return t;
}

TEST_F(Curves, ACallerFunctionFailsThroughTheErrorState)
{
    frame(0, 1, 0, 1);
    EXPECT_EQ(TkDrawCurveFunc1(graph, failing_beyond_half, 0, 1, 20, ink, 0), 10414);
    EXPECT_EQ(count_shown(graph, ink), 0) << "a failure while sampling draws nothing";
}

TEST_F(Curves, ValuesThatAreNotNumbersDrawNothingAndFailNothing)
{
    EXPECT_EQ(TkDrawCurveFunc1(graph, not_a_number, 0, 1, 20, ink, 3), 10603) << "the fit has no range: a warning";
    EXPECT_EQ(count_shown(graph, ink), 0);
}

// A caller's function that closes the graph on its n-th call, while sampling or while a
// long step is being refined: the call ends normally and never touches freed memory (the
// sanitizer build checks that), and the graph is gone.
TkGraph graph_to_close = 0;
int calls_before_close = 0;
double closing_at(double t)
{
    if (--calls_before_close == 0)
        TkCloseGraph(graph_to_close);
    return t < 0.5 ? 0 : 1000 * t;
}

double closing_curve(double)
{
    if (--calls_before_close == 0)
        TkCloseGraph(graph_to_close);
    return 1;
}

TEST_F(Curves, ACallerFunctionThatClosesTheGraphEndsTheDrawing)
{
    double x = 0;
    double y = 0;
    for (int nth : {1, 5, 12, 15}) { // 11 samples, then refinements of the jump
        SCOPED_TRACE(nth);
        graph_to_close = graph;
        calls_before_close = nth;
        EXPECT_EQ(TkDrawCurveFunc1(graph, closing_at, 0, 1, 11, ink, 3), 0);
        EXPECT_EQ(find_graph(graph), nullptr);
        graph = open(300, 240, 2);
        graph_to_close = graph;
        calls_before_close = nth;
        EXPECT_EQ(TkDrawCurveFunc2(graph, closing_curve, &x, &y, 0, 1, 11, ink, 3), 0);
        EXPECT_EQ(find_graph(graph), nullptr);
        graph = open(300, 240, 2);
    }
}

// The true curve against what is drawn: every pixel drawn lies within one pixel of a pixel
// of the true curve, and the true curve is covered. The true curve is sampled densely from
// the formula and mapped to pixels by the transform's own rule for ranges used as given.
struct TruthCase {
    char const* name;
    char const* x_formula; // empty: y = f(x)
    char const* y_formula;
    double (*x_of)(double);
    double (*y_of)(double);
    double t1, t2;
    int32_t samples;
    double x1, x2, y1, y2;
};

void PrintTo(TruthCase const& c, std::ostream* out)
{
    *out << c.name;
}

class CurveAgainstTruth : public Curves, public ::testing::WithParamInterface<TruthCase> {};

TEST_P(CurveAgainstTruth, EveryDrawnPixelIsWithinOnePixelOfTheTrueCurve)
{
    TruthCase const& c = GetParam();
    frame(c.x1, c.x2, c.y1, c.y2);
    int32_t const result = c.x_formula[0] == 0
                               ? TkDrawCurve1(graph, c.y_formula, "t", c.t1, c.t2, c.samples, ink, 0)
                               : TkDrawCurve2(graph, c.x_formula, c.y_formula, "t", c.t1, c.t2, c.samples, ink, 0);
    ASSERT_EQ(result, 0);

    // The plot rectangle is the whole window, 0..299 by 0..239; the origin (0, 0), inside
    // the ranges, lands on a whole pixel plus 0.4.
    double const sx = 299.0 / (c.x2 - c.x1);
    double const sy = 239.0 / (c.y2 - c.y1);
    double const origin_x = std::trunc(149.5 - ((c.x1 + c.x2) / 2) * sx) + 0.4;
    double const origin_y = std::trunc(119.5 + ((c.y1 + c.y2) / 2) * sy) + 0.4;
    std::vector<bool> truth(300 * 240, false);
    int const dense = 200'000;
    for (int i = 0; i <= dense; ++i) {
        double const t = c.t1 + (c.t2 - c.t1) * i / dense;
        long const x = std::lround(origin_x + c.x_of(t) * sx);
        long const y = std::lround(origin_y - c.y_of(t) * sy);
        if (x >= 0 && x < 300 && y >= 0 && y < 240)
            truth[static_cast<std::size_t>(y * 300 + x)] = true;
    }
    auto near = [](std::vector<bool> const& set, auto&& is_set, int32_t x, int32_t y) {
        for (int32_t dy = -1; dy <= 1; ++dy)
            for (int32_t dx = -1; dx <= 1; ++dx)
                if (x + dx >= 0 && x + dx < 300 && y + dy >= 0 && y + dy < 240 && is_set(set, x + dx, y + dy))
                    return true;
        return false;
    };
    auto in_truth = [](std::vector<bool> const& set, int32_t x, int32_t y) {
        return bool(set[static_cast<std::size_t>(y * 300 + x)]);
    };
    std::vector<bool> drawn(300 * 240, false);
    int drawn_count = 0;
    for (int32_t y = 0; y < 240; ++y)
        for (int32_t x = 0; x < 300; ++x)
            if (shown(graph, x, y) == ink) {
                drawn[static_cast<std::size_t>(y * 300 + x)] = true;
                ++drawn_count;
            }
    ASSERT_GT(drawn_count, 100);
    int strays = 0, uncovered = 0;
    for (int32_t y = 0; y < 240; ++y)
        for (int32_t x = 0; x < 300; ++x) {
            if (drawn[static_cast<std::size_t>(y * 300 + x)] && !near(truth, in_truth, x, y))
                ++strays;
            if (truth[static_cast<std::size_t>(y * 300 + x)] && !near(drawn, in_truth, x, y))
                ++uncovered;
        }
    EXPECT_EQ(strays, 0);
    EXPECT_EQ(uncovered, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Formulae, CurveAgainstTruth,
    ::testing::Values(
        TruthCase{"Sine", "", "sin(t)", [](double t) { return t; }, [](double t) { return std::sin(t); }, 0, 2 * pi,
                  128, 0, 7, -1.2, 1.2},
        TruthCase{"Cubic", "", "t^3 - 2 * t", [](double t) { return t; }, [](double t) { return t * t * t - 2 * t; },
                  -2, 2, 40, -2.2, 2.2, -4.5, 4.5},
        TruthCase{"DampedWave", "", "exp(-t) * cos(8 * t)", [](double t) { return t; },
                  [](double t) { return std::exp(-t) * std::cos(8 * t); }, 0, 3, 64, -0.5, 3.5, -1.1, 1.1},
        TruthCase{"Lissajous", "cos(3 * t)", "sin(2 * t)", [](double t) { return std::cos(3 * t); },
                  [](double t) { return std::sin(2 * t); }, 0, 2 * pi, 90, -1.2, 1.2, -1.2, 1.2}),
    case_name::FromMember());

} // namespace
} // namespace kelvo::testing
