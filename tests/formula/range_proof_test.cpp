// The ranges that block evaluation measures, and what its proofs leave unchecked: a proof
// too bold loses failures (the block tests catch that); one too timid silently costs every
// check again, which only these tests would notice.

#include "lib/formula/range_proof.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/formula/processor_path.h"

namespace {

using namespace kelvo;

constexpr double infinity = std::numeric_limits<double>::infinity();

// Every path that this machine runs measures alike: the largest magnitude and the smallest
// non-zero one, infinity for a NaN, zeros of either sign passed over.
TEST(RangeMeasurement, LargestAndSmallestNonZeroMagnitudeOnEveryPath)
{
    struct Case {
        std::vector<double> values;
        double largest;
        double smallest;
    };
    std::vector<Case> const cases = {
        {{0.5, -3.0, 0.0, -0.0, 2e-5, 1.0, 7.0, -0.25}, 7.0, 2e-5},
        // No magnitude at all: the least normal one, within every bound of the flushed values.
        {{0.0, -0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, std::numeric_limits<double>::min(), infinity},
        {{1.0, std::nan(""), 2.0, 3.0, 4.0, 5.0, 6.0, 7.0}, infinity, 1.0},
        {{1.0, -infinity, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0}, infinity, 1.0},
        {{5e-324, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, -1e300}, 1e300, 5e-324},
    };
    for (ProcessorPath path : {ProcessorPath::scalar, ProcessorPath::sse2, ProcessorPath::avx2, ProcessorPath::avx512}) {
        if (!processor_runs(path))
            continue;
        for (Case const& c : cases) {
            // Sixteen values: the case and its mirror, so that every lane of every width sees both.
            std::vector<double> values = c.values;
            values.insert(values.end(), c.values.rbegin(), c.values.rend());
            ValueRange const range = measurer_of(path)(values.data(), static_cast<int32_t>(values.size()));
            EXPECT_EQ(range.largest, c.largest) << name_of(path) << " " << c.values[0];
            EXPECT_EQ(range.smallest, c.smallest) << name_of(path) << " " << c.values[0];
        }
    }
}

// How many of the formula's instructions a proof leaves unchecked for x and y in the ranges.
int32_t proven_count(std::string const& text, ValueRange x, ValueRange y)
{
    FormulaState const& state = formula_state();
    Compilation compilation = prepare_formula(nullptr, text, "x", "y");
    EXPECT_FALSE(compilation.failure.failed()) << text;
    CompiledFormula const& formula = *compilation.formula;
    RangeProof proof(formula, state.limits, {&state.slots[0], &state.slots[1], &state.slots[2]});
    uint8_t const* proven = proof.proven_for({x, y, ValueRange{}});
    int32_t count = 0;
    for (std::size_t i = 0; proven != nullptr && i < formula.size(); ++i)
        count += proven[i] != 0 ? 1 : 0;
    return count;
}

int32_t size_of(std::string const& text)
{
    return static_cast<int32_t>(prepare_formula(nullptr, text, "x", "y").formula->size());
}

TEST(RangeProof, OrdinaryFormulaeOnOrdinaryDataNeedNoCheck)
{
    ValueRange const x{4.0, 0.1};
    ValueRange const y{2.0, 1e-6};
    for (std::string const text : {"100*(y-x*x)^2+(1-x)^2", "exp(-x*x-y*y)", "50*exp(-x)/(x-3)/(x-2)",
                                   "sin(x)/(1+x)", "sqrt(x)*ln(x) + atan(y) - abs(y)*cos(x)"})
        EXPECT_EQ(proven_count(text, x, y), size_of(text)) << text;
}

TEST(RangeProof, ValuesThatMayReachALimitAreChecked)
{
    int32_t const all = size_of("x*y");
    EXPECT_EQ(proven_count("x*y", {1e-100, 1e-100}, {1e-70, 1e-70}), all - 1) << "the product may flush";
    EXPECT_EQ(proven_count("x*y", {1e100, 1e100}, {1e60, 1e60}), all - 1) << "the product may overflow";
    EXPECT_LT(proven_count("x - y", {1e-150, 1e-150}, {1e-150, 1e-150}), size_of("x - y"))
        << "a difference of tiny values may cancel below the underflow limit";
    EXPECT_LT(proven_count("exp(x)", {400.0, 1.0}, {1.0, 1.0}), size_of("exp(x)"));
    EXPECT_LT(proven_count("x + 1", {infinity, 1.0}, {1.0, 1.0}), size_of("x + 1")) << "NaN or infinity read";
    EXPECT_LT(proven_count("tan(x)", {1.0, 0.5}, {1.0, 1.0}), size_of("tan(x)"));
}

} // namespace
