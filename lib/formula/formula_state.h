#pragma once

// Everything the formula subsystem keeps library-wide, in one place: the evaluator limits,
// the random generator, the symbol table, the current formula and the three variable
// slots through which it is evaluated as a function of one, two or three reals.

#include <array>

#include "lib/formula/compiled_formula.h"
#include "lib/formula/evaluator_limits.h"
#include "lib/formula/processor_path.h"
#include "lib/formula/random_generator.h"
#include "lib/formula/symbol_table.h"

namespace kelvo {

inline constexpr int variable_slot_count = 3;

struct FormulaState {
    EvaluatorLimits limits;
    // How formulae are evaluated over many points: the instruction set, and how many
    // cores large sets may use (0: all). Tests and benchmarks change them.
    ProcessorPath processor_path = ProcessorPath::scalar;
    int32_t evaluation_cores = 0;
    RandomState random;
    SymbolTable symbols;
    FormulaPtr current_formula;
    std::array<double, variable_slot_count> slots{};
};

// Built on first use (a load step), so that it is destroyed only after the unload steps
// have run. Inline: evaluation reaches it on every call.
inline FormulaState& formula_state()
{
    static FormulaState state;
    return state;
}

// Load step: the evaluator limits, ln 10, the random seeds and the processor path.
void start_evaluator();
// Load step: the symbol table with `pi` and the built-in functions.
void start_symbol_table();
// Unload step: the symbol table (and the current formula, which nothing can use any more).
void release_symbol_table();

} // namespace kelvo
