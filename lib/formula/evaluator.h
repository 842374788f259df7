#pragma once

// The formula evaluator: the value of a compiled formula, with every node's result held
// to the magnitude limits (beyond the overflow limit: "result too large"; below the
// underflow limit: 0) and every domain error recorded as a row of the formula error table.

#include "lib/formula/compiled_formula.h"
#include "lib/formula/formula_failure.h"

namespace kelvo {

// What one evaluation gives: its value, or its first failure and the value 0.
struct Evaluation {
    double value = 0.0;
    FormulaFailure failure;
};

// Computes the formula, leaving the library's error state alone. A failed evaluation goes
// on to the end, so that `rnd` advances as it would, keeps only its first error and gives
// 0. No formula at all fails with "unknown error".
Evaluation evaluate(CompiledFormula const* formula);

} // namespace kelvo
