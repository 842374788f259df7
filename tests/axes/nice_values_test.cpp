// Pip spacing and effective ends: the worked examples, and the ends of negative ranges.

#include <cmath>

#include <gtest/gtest.h>

#include "lib/axes/nice_values.h"
#include "tests/case_name.h"

namespace kelvo {
namespace {

struct SpacingCase {
    char const* name;
    double min, max;
    int32_t intervals;
    bool nice;
    double step;
};

void PrintTo(SpacingCase const& c, std::ostream* out)
{
    *out << c.min << " to " << c.max << " in " << c.intervals << (c.nice ? " nice" : " raw") << " intervals";
}

class Spacing : public ::testing::TestWithParam<SpacingCase> {};

TEST_P(Spacing, OfTheRange)
{
    SpacingCase const& c = GetParam();
    EXPECT_DOUBLE_EQ(primary_spacing(c.min, c.max, c.intervals, c.nice), c.step);
}

INSTANTIATE_TEST_SUITE_P(Examples, Spacing, ::testing::Values(
    SpacingCase{"TwoForMinus15To3", -15, 3, 7, true, 2},
    SpacingCase{"TenFor7To65", 7, 65, 7, true, 10},
    SpacingCase{"TenFor10To100", 10, 100, 7, true, 10},
    SpacingCase{"TinyRangeAgainstItsMagnitude", 1E6, 1E6 + 1, 7, true, 1},
    SpacingCase{"JustAbove1Point4GivesTwo", 100, 10000, 7, true, 2000},
    SpacingCase{"FiveAbove3Point2", 0, 24, 6, true, 5},
    SpacingCase{"TenAbove7Point1", 0, 50, 7, true, 10},
    SpacingCase{"WithoutNiceValuesTheRawSpacing", -1067.55, 657.63, 7, false, 1725.18 / 7}),
    case_name::FromMember());

struct EndsCase {
    char const* name;
    double min, max, step, origin;
    AxisCorner corner;
    AxisKind kind;
    EffectiveAxis expected;
};

void PrintTo(EndsCase const& c, std::ostream* out)
{
    *out << c.min << " to " << c.max << " by " << c.step << ", origin " << c.origin;
}

class Ends : public ::testing::TestWithParam<EndsCase> {};

TEST_P(Ends, LieOnMultiplesOfTheStep)
{
    EndsCase const& c = GetParam();
    EffectiveAxis const axis = nice_ends(c.min, c.max, c.step, c.origin, c.corner, c.kind);
    EXPECT_DOUBLE_EQ(axis.min, c.expected.min);
    EXPECT_DOUBLE_EQ(axis.max, c.expected.max);
    EXPECT_DOUBLE_EQ(axis.origin, c.expected.origin);
    EXPECT_DOUBLE_EQ(axis.step, c.expected.step);
}

INSTANTIATE_TEST_SUITE_P(Examples, Ends, ::testing::Values(
    EndsCase{"OriginInsideTheRange", -15, 3, 2, 0, AxisCorner::Origin, AxisKind::Linear, {-16, 4, 0, 2}},
    EndsCase{"OriginBelowMovesToARoundedMinimum", 7, 65, 10, 0, AxisCorner::Origin, AxisKind::Linear, {0, 70, 10, 10}},
    EndsCase{"CornerAxes", 1.5, 9.2, 1, 0, AxisCorner::LowerEnd, AxisKind::Linear, {1, 10, 2, 1}},
    EndsCase{"LogarithmicEndsStayPositive", 100, 10000, 2000, 0, AxisCorner::Origin, AxisKind::Logarithmic,
             {100, 10000, 100, 1980}},
    EndsCase{"LogarithmicRangeAlreadyPositive", 10, 100, 10, 0, AxisCorner::Origin, AxisKind::Logarithmic,
             {10, 100, 10, 10}},
    EndsCase{"DataWithinATwentiethOfAStepBeyondAPipEndsThere", -0.04, 10.04, 1, 0, AxisCorner::Origin,
             AxisKind::Linear, {0, 10, 0, 1}}),
    case_name::FromMember());

// Truncating a negative minimum toward zero used to put the lower end above the data.
TEST(EndsOfNegativeRanges, TheLowerEndIsAtOrBelowTheMinimum)
{
    EffectiveAxis const corner = nice_ends(-7.5, 9, 2, 0, AxisCorner::LowerEnd, AxisKind::Linear);
    EXPECT_DOUBLE_EQ(corner.min, -8);
    EffectiveAxis const exact = nice_ends(-8, 9, 2, 0, AxisCorner::LowerEnd, AxisKind::Linear);
    EXPECT_DOUBLE_EQ(exact.min, -8) << "a minimum on a multiple stays the end";
    EffectiveAxis const far_origin = nice_ends(-0.37, -0.05, 0.05, 5, AxisCorner::Origin, AxisKind::Linear);
    EXPECT_LE(far_origin.min, -0.37);
    EffectiveAxis const positive = nice_ends(7, 65, 10, 0, AxisCorner::Origin, AxisKind::Linear);
    EXPECT_DOUBLE_EQ(positive.min, 0) << "positive minima are unchanged";
}

TEST(EndsOfNegativeRanges, ManyRangesAlwaysCoverTheirData)
{
    for (int i = 1; i <= 2000; ++i) {
        double const min = -std::fmod(i * 7.31, 97.3) - 0.01;
        double const max = min + std::fmod(i * 3.17, 55.0) + 0.5;
        for (AxisCorner corner : {AxisCorner::Origin, AxisCorner::LowerEnd}) {
            double const step = primary_spacing(min, max, 7, true);
            double const origin = i % 2 == 0 ? 0.0 : 1000.0;
            EffectiveAxis const axis = nice_ends(min, max, step, origin, corner, AxisKind::Linear);
            EXPECT_LE(axis.min, min + step * 0.05 + 1e-9) << min << " " << max;
            EXPECT_GE(axis.max, max - step * 0.05 - 1e-9) << min << " " << max;
        }
    }
}

} // namespace
} // namespace kelvo
