// The compiled instruction block folds leaves into operations and moves divisors ahead of
// dividends. These tests compare it with a plain recursive walk of the formula's tree, as
// the evaluation rules describe it, over many random formulae: the same value, the same
// first error and the same number of random draws.

#include "lib/formula/code_builder.h"

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lib/formula/builtin_functions.h"
#include "lib/formula/entry_points.h"
#include "lib/formula/evaluator.h"
#include "lib/formula/formula_state.h"
#include "lib/formula/parser.h"
#include "tests/formula/random_formulae.h"

namespace {

using namespace kelvo;
using formula_test::FormulaGenerator;
using formula_test::Node;
using formula_test::text_of;

// The evaluation rules, walked directly over the tree.
class ReferenceEvaluator {
public:
    Evaluation evaluate(Node const& root)
    {
        double value = node_value(root);
        return {failure_.failed() ? 0.0 : value, failure_};
    }

private:
    double check(double value)
    {
        EvaluatorLimits const& limits = formula_state().limits;
        if (!(std::fabs(value) <= limits.overflow))
            return fail_with(FormulaError::result_too_large, failure_);
        return std::fabs(value) < limits.underflow ? 0.0 : value;
    }

    double node_value(Node const& node)
    {
        FormulaState& state = formula_state();
        EvaluatorLimits const& limits = state.limits;
        switch (node.kind) {
        case Node::number:
            return check(node.value);
        case Node::variable:
            return check(state.slots[static_cast<std::size_t>(node.slot)]);
        case Node::negation:
            return check(-node_value(*node.left));
        case Node::binary: {
            if (node.operation == '/') {
                double divisor = node_value(*node.right);
                if (divisor == 0.0)
                    return fail_with(FormulaError::division_by_zero, failure_);
                double dividend = node_value(*node.left);
                return check(dividend / divisor);
            }
            double left = node_value(*node.left);
            double right = node_value(*node.right);
            switch (node.operation) {
            case '+': return check(left + right);
            case '-': return check(left - right);
            case '*': return check(left * right);
            default: return check(power(left, right, limits, failure_));
            }
        }
        case Node::function: {
            double x = node_value(*node.left);
            std::string const& f = node.name;
            if (f == "exp") return check(guarded_exponential(x, limits, failure_));
            if (f == "log") return check(common_logarithm(x, limits, failure_));
            if (f == "ln") return check(natural_logarithm(x, failure_));
            if (f == "sqrt") return check(square_root(x, failure_));
            if (f == "sin") return check(sine(x));
            if (f == "cos") return check(cosine(x));
            if (f == "tan") return check(tangent_of(x, limits, failure_));
            if (f == "atan") return check(std::atan(x));
            if (f == "acos") return check(arc_cosine_of(x));
            if (f == "asin") return check(arc_sine_of(x));
            if (f == "cosh") return check(hyperbolic_cosine(x, limits, failure_));
            if (f == "sinh") return check(hyperbolic_sine(x, limits, failure_));
            if (f == "tanh") return check(hyperbolic_tangent(x, limits, failure_));
            if (f == "abs") return check(std::fabs(x));
            if (f == "rnd") return check(random_value(x, state.random, failure_));
            return check(step_function(x));
        }
        }
        return 0.0;
    }

    FormulaFailure failure_;
};

struct Observation {
    double value;
    int32_t code;
    RandomState random;
};

constexpr double variable_values[] = {0.0, 1.5, -2.0, 1e200, 1e-200, 4.0, 0.25, 1e80};

TEST(CodeBuilder, CompiledFormulaeAgreeWithTheTreeWalk)
{
    FormulaState& state = formula_state();
    FormulaGenerator generator(20240611);
    std::mt19937 pick_values(7);
    int compared = 0;
    int failing = 0;
    for (int i = 0; i < 4000; ++i) {
        std::unique_ptr<Node> tree = generator.make(1 + i % 6);
        std::string text = text_of(*tree);
        Compilation compilation = prepare_formula(nullptr, text, "x", "y");
        ASSERT_NE(compilation.formula, nullptr) << text << ": " << compilation.failure.code();
        FormulaPtr const formula = std::move(compilation.formula);
        for (int run = 0; run < 3; ++run) {
            state.slots[0] = variable_values[pick_values() % std::size(variable_values)];
            state.slots[1] = variable_values[pick_values() % std::size(variable_values)];
            RandomState const start = random_state_from(11 + i, 22 + run, 33);

            state.random = start;
            Evaluation const compiled_evaluation = evaluate(formula.get());
            Observation compiled{compiled_evaluation.value, compiled_evaluation.failure.code(), state.random};

            state.random = start;
            ReferenceEvaluator reference;
            Evaluation const reference_evaluation = reference.evaluate(*tree);
            Observation expected{reference_evaluation.value, reference_evaluation.failure.code(), state.random};

            SCOPED_TRACE(text + " at x = " + std::to_string(state.slots[0]) + ", y = " + std::to_string(state.slots[1]));
            ASSERT_EQ(compiled.code, expected.code);
            if (std::isnan(expected.value))
                ASSERT_TRUE(std::isnan(compiled.value));
            else
                ASSERT_EQ(compiled.value, expected.value);
            ASSERT_EQ(std::signbit(compiled.value), std::signbit(expected.value));
            ASSERT_EQ(compiled.random.s1, expected.random.s1);
            ASSERT_EQ(compiled.random.s2, expected.random.s2);
            ASSERT_EQ(compiled.random.s3, expected.random.s3);
            ++compared;
            failing += expected.code != 0 ? 1 : 0;
        }
    }
    // Both outcomes must be well represented for the comparison to mean something.
    EXPECT_GT(failing, compared / 10);
    EXPECT_LT(failing, compared * 9 / 10);
}

TEST(CodeBuilder, LeavesFoldIntoTheirOperation)
{
    FormulaPtr formula = prepare_formula(nullptr, "sin(x) / (1 + x)", "x").formula;
    ASSERT_NE(formula, nullptr);
    // push 1, add x, check divisor, sin of x, divide, end.
    EXPECT_EQ(formula->size(), 6u);
    formula = prepare_formula(nullptr, "10 * (y - x^2)^2 + (1 - x)^2", "x", "y").formula;
    ASSERT_NE(formula, nullptr);
    // push y, push x, square, subtract, square, multiply by 10, push 1, subtract x,
    // square, add, end.
    EXPECT_EQ(formula->size(), 11u);
}

TEST(CodeBuilder, StackIsSizedForTheDeepestPoint)
{
    // Right-nested sums keep every left operand waiting: the stack must hold them all.
    std::string text = "x";
    for (int i = 0; i < 300; ++i)
        text = "sin(x)+(" + text + ")";
    FormulaPtr formula = prepare_formula(nullptr, text, "x").formula;
    ASSERT_NE(formula, nullptr);
    formula_state().slots[0] = 0.5;
    double expected = 0.5 + 300 * std::sin(0.5);
    EXPECT_NEAR(evaluate(formula.get()).value, expected, 1e-9);
}

} // namespace
