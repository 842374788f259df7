// Evaluating a formula at whole sets of points: the first and last failures, the order of
// a grid's points, the same results on every core, and random numbers drawn in order.

#include "lib/formula/point_evaluation.h"

#include <sched.h>

#include <array>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"

namespace {

using namespace kelvo;

FormulaPtr compiled(std::string const& text)
{
    Compilation compilation = prepare_formula(nullptr, text, "x", "y");
    EXPECT_FALSE(compilation.failure.failed()) << text;
    return std::move(compilation.formula);
}

PointSet paired(std::vector<double> const& xs, std::vector<double> const& ys)
{
    std::array<double const*, 2> const arrays = {xs.data(), ys.data()};
    return PointSet::paired(arrays, static_cast<int64_t>(xs.size()));
}

TEST(PointEvaluation, TheFirstAndLastFailuresAreThoseOfThePoints)
{
    FormulaPtr const formula = compiled("sqrt(x) + ln(y)");
    std::vector<double> xs(1000, 4.0), ys(1000, 1.0);
    xs[17] = -1;  // 10415
    ys[17] = 0;   // second: ignored
    ys[600] = -2; // 10417
    xs[999] = -3; // 10415, the last
    std::vector<double> values(1000, -1);
    PointFailures const failures = evaluate_points(*formula, paired(xs, ys), values.data());
    EXPECT_EQ(failures.first_point, 17);
    EXPECT_EQ(failures.first.code(), 10415);
    EXPECT_EQ(failures.last_point, 999);
    EXPECT_EQ(failures.last.code(), 10415);
    EXPECT_EQ(values[17], 0.0);
    EXPECT_EQ(values[600], 0.0);
    EXPECT_EQ(values[500], 2.0);
}

TEST(PointEvaluation, GridsRunWithTheLastAxisFastest)
{
    std::vector<double> const xs = {1, 2, 3};
    std::vector<double> const ys = {10, 20};
    std::array<std::span<double const>, 2> const axes = {xs, ys};
    FormulaPtr const formula = compiled("x * 100 + y");
    std::vector<double> values(6);
    evaluate_points(*formula, PointSet::grid(axes), values.data());
    EXPECT_EQ(values, (std::vector<double>{110, 120, 210, 220, 310, 320}));
}

TEST(PointEvaluation, LargeSetsGiveTheSameResultsOnEveryCore)
{
    FormulaPtr const formula = compiled("sin(x) / (1 + x) + sqrt(y)");
    std::size_t const n = 3 * points_worth_sharing + 11;
    std::vector<double> xs(n), ys(n);
    for (std::size_t i = 0; i < n; ++i) {
        xs[i] = -5 + 10.0 * static_cast<double>(i) / static_cast<double>(n);
        ys[i] = i % 1001 == 0 ? -1.0 : 1.0;
    }
    FormulaState& state = formula_state();
    std::vector<double> one_core(n), every_core(n), four_shares(n);
    state.evaluation_cores = 1;
    PointFailures const alone = evaluate_points(*formula, paired(xs, ys), one_core.data());
    state.evaluation_cores = 0;
    PointFailures const shared = evaluate_points(*formula, paired(xs, ys), every_core.data());
    state.evaluation_cores = 4; // more shares than this machine has cores
    PointFailures const four = evaluate_points(*formula, paired(xs, ys), four_shares.data());
    state.evaluation_cores = 0;
    EXPECT_EQ(one_core, every_core);
    EXPECT_EQ(one_core, four_shares);
    for (PointFailures const* f : {&shared, &four}) {
        EXPECT_EQ(f->first_point, alone.first_point);
        EXPECT_EQ(f->last_point, alone.last_point);
        EXPECT_EQ(f->last.code(), alone.last.code());
    }
    EXPECT_EQ(alone.last_point, static_cast<int64_t>((n - 1) / 1001 * 1001));
}

// A thread held to one core shares nothing, however many cores the machine has.
TEST(PointEvaluation, SetsAreSharedOnlyAmongTheCoresTheThreadMayRunOn)
{
    cpu_set_t before;
    ASSERT_EQ(sched_getaffinity(0, sizeof before, &before), 0);
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    int64_t const held = cores_for(10 * points_worth_sharing, 0);
    ASSERT_EQ(sched_setaffinity(0, sizeof before, &before), 0);
    EXPECT_EQ(held, 1);
}

TEST(PointEvaluation, RandomNumbersAreDrawnInTheOrderOfThePoints)
{
    FormulaPtr const formula = compiled("rnd(1) + x*0");
    std::vector<double> const xs(300, 1.0), ys(300, 0.0);
    FormulaState& state = formula_state();
    state.random = random_state_from(5, 6, 7);
    std::vector<double> values(300);
    evaluate_points(*formula, paired(xs, ys), values.data());
    RandomState expected = random_state_from(5, 6, 7);
    for (double v : values)
        EXPECT_EQ(v, next_uniform(expected));
}

} // namespace
