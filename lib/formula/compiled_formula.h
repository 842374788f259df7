#pragma once

// A compiled formula: one contiguous block of instructions for a small stack machine, in
// the order in which the formula's tree is evaluated. Each instruction stands for one node
// of the tree (or a node together with the number or variable leaf it takes as operand), so
// evaluation needs no allocation, no name lookup and no text work.
//
// The value on top of the stack is kept apart (in a register during evaluation): "push"
// instructions move it down and load a new one; unary and fused instructions change it in
// place; binary instructions combine it with the value below.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kelvo {

enum class Op : uint8_t {
    end,
    // Leaves. A number literal is within the magnitude limits by construction, and a
    // constant's check is made when it is copied in, so neither needs a check here.
    push_number,
    push_variable,
    push_negated_variable,
    push_too_large, // a constant beyond the overflow limit: fails on every evaluation
    negate,
    // Binary operations on the two top values (left below, right on top).
    add,
    subtract,
    multiply,
    power,
    divide, // dividend on top, divisor below (the divisor was evaluated first)
    // The right operand is a number or a variable folded into the instruction.
    add_number,
    subtract_number,
    multiply_number,
    square, // power with the number 2: base times base
    power_number,
    divide_by_number, // never zero
    add_variable,
    subtract_variable,
    multiply_variable,
    power_variable,
    // The left operand is a number or variable folded into the instruction; the top is the
    // right operand. Only a number may be moved after its right operand (reading it can
    // neither fail nor change anything), except for division, where the divisor comes
    // first anyway.
    number_minus,
    number_power,
    number_over,   // number / top, checking the divisor
    variable_over, // variable / top, checking the divisor
    // Division of two computed operands: the divisor on top is checked before the
    // dividend's instructions run; a zero divisor fails and skips them and the divide.
    check_divisor,
    // Built-in functions applied to the top, or to a variable (negated or not) that they
    // push first (see Argument).
    call_exp,
    call_log,
    call_ln,
    call_sqrt,
    call_sin,
    call_cos,
    call_tan,
    call_atan,
    call_acos,
    call_asin,
    call_cosh,
    call_sinh,
    call_tanh,
    call_abs,
    call_rnd,
    call_fnH,
};

inline constexpr std::size_t op_count = static_cast<std::size_t>(Op::call_fnH) + 1;

// Where a built-in function takes its argument from: a function of a plain variable needs
// no instruction of its own to push the variable.
enum class Argument : uint8_t {
    top,
    variable,
    negated_variable,
};

struct Instruction {
    Op op = Op::end;
    Argument argument = Argument::top;
    // check_divisor: how many instructions to skip when the divisor is zero.
    int32_t skip = 0;
    union {
        double number = 0.0;
        double const* variable;
    };
};

// Whether an instruction takes a number of its own (Instruction::number), or a variable of
// its own (Instruction::variable).
bool takes_number(Op op);
bool takes_variable(Instruction const& instruction);

class CompiledFormula {
public:
    CompiledFormula(std::vector<Instruction> code, std::size_t stack_depth)
        : code_(std::move(code))
        , stack_depth_(stack_depth)
        , stack_(std::make_unique<double[]>(stack_depth == 0 ? 1 : stack_depth))
    {
    }

    Instruction const* code() const { return code_.data(); }
    std::size_t size() const { return code_.size(); }
    // The most values ever waiting below the top.
    std::size_t stack_depth() const { return stack_depth_; }
    // Scratch space for the values below the top, sized when compiled. Evaluation is not
    // re-entrant, so one formula never needs two of them at once.
    double* stack() const { return stack_.get(); }

private:
    std::vector<Instruction> code_;
    std::size_t stack_depth_;
    std::unique_ptr<double[]> stack_;
};

using FormulaPtr = std::unique_ptr<CompiledFormula>;

// Releases a compiled formula; freeing none does nothing.
inline void free_formula(FormulaPtr& formula)
{
    formula.reset();
}

} // namespace kelvo
