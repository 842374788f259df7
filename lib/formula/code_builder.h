#pragma once

// Builds the instruction block of a compiled formula while the parser walks the grammar.
// Every operand the parser completes is a fragment: a run of instructions that leaves one
// value on top. Fragments are always at the end of the block, so a node is built from the
// last one (unary) or last two (binary) fragments, which may be folded into one
// instruction or reordered, but never change the order in which values that can fail
// are computed.

#include <cstddef>
#include <vector>

#include "lib/formula/compiled_formula.h"
#include "lib/formula/evaluator_limits.h"
#include "lib/formula/symbol_table.h"

namespace kelvo {

enum class BinaryOperation {
    add = 0,
    subtract = 1,
    multiply = 2,
    divide = 3,
    power = 4,
};

class CodeBuilder {
public:
    // Where the next fragment starts.
    using Mark = std::size_t;
    Mark mark() const { return code_.size(); }

    void number(double value);
    // A constant's value as copied at compile time; its magnitude check is made here,
    // once, instead of on every evaluation.
    void constant(double value, EvaluatorLimits const& limits);
    void variable(double const* address);
    void negate(Mark operand);
    void call(BuiltinFunction function, Mark argument);
    void binary(BinaryOperation operation, Mark left, Mark right);

    // The finished formula, with its stack sized for the deepest point of the block.
    FormulaPtr finish();

private:
    bool is_single(Mark fragment, Op op) const;
    void append(Op op, double number = 0.0);
    void append_variable(Op op, double const* address);
    double take_number(Mark fragment);
    double const* take_variable(Mark fragment);
    void fold_right_operand(Op with_number, Op with_variable, Op on_stack, Mark left, Mark right);
    void divide(Mark left, Mark right);

    std::vector<Instruction> code_;
};

} // namespace kelvo
