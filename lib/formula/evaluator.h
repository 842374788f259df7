#pragma once

// The formula evaluator: the value of a compiled formula, with every node's result held
// to the magnitude limits (beyond the overflow limit: "result too large"; below the
// underflow limit: 0) and every domain error reported through the formula error table.

#include "lib/formula/compiled_formula.h"

namespace kelvo {

// Clears the error flag (not the code) and computes the formula. A failed evaluation goes
// on to the end, so that `rnd` advances as it would, records only its first error and
// gives 0. No formula at all fails with "unknown error".
double evaluate(CompiledFormula const* formula);

} // namespace kelvo
