#include "lib/formula/code_builder.h"

#include <algorithm>
#include <cmath>

namespace kelvo {

namespace {

Op function_op(BuiltinFunction function)
{
    switch (function) {
    case BuiltinFunction::exp: return Op::call_exp;
    case BuiltinFunction::log: return Op::call_log;
    case BuiltinFunction::ln: return Op::call_ln;
    case BuiltinFunction::sqrt: return Op::call_sqrt;
    case BuiltinFunction::sin: return Op::call_sin;
    case BuiltinFunction::cos: return Op::call_cos;
    case BuiltinFunction::tan: return Op::call_tan;
    case BuiltinFunction::atan: return Op::call_atan;
    case BuiltinFunction::acos: return Op::call_acos;
    case BuiltinFunction::asin: return Op::call_asin;
    case BuiltinFunction::cosh: return Op::call_cosh;
    case BuiltinFunction::sinh: return Op::call_sinh;
    case BuiltinFunction::tanh: return Op::call_tanh;
    case BuiltinFunction::abs: return Op::call_abs;
    case BuiltinFunction::rnd: return Op::call_rnd;
    case BuiltinFunction::fnH: return Op::call_fnH;
    }
    return Op::call_abs;
}

// How each instruction changes the number of values on the stack.
int stack_effect(Instruction const& instruction)
{
    if (instruction.argument != Argument::top)
        return 1; // a function that pushes its variable argument
    switch (instruction.op) {
    case Op::push_number:
    case Op::push_variable:
    case Op::push_negated_variable:
    case Op::push_too_large:
        return 1;
    case Op::add:
    case Op::subtract:
    case Op::multiply:
    case Op::power:
    case Op::divide:
        return -1;
    default:
        return 0;
    }
}

} // namespace

bool CodeBuilder::is_single(Mark fragment, Op op) const
{
    return code_.size() == fragment + 1 && code_[fragment].op == op;
}

void CodeBuilder::append(Op op, double number)
{
    Instruction instruction;
    instruction.op = op;
    instruction.number = number;
    code_.push_back(instruction);
}

void CodeBuilder::append_variable(Op op, double const* address)
{
    Instruction instruction;
    instruction.op = op;
    instruction.variable = address;
    code_.push_back(instruction);
}

double CodeBuilder::take_number(Mark fragment)
{
    double value = code_[fragment].number;
    code_.erase(code_.begin() + static_cast<std::ptrdiff_t>(fragment));
    return value;
}

double const* CodeBuilder::take_variable(Mark fragment)
{
    double const* address = code_[fragment].variable;
    code_.erase(code_.begin() + static_cast<std::ptrdiff_t>(fragment));
    return address;
}

void CodeBuilder::number(double value)
{
    append(Op::push_number, value);
}

void CodeBuilder::constant(double value, EvaluatorLimits const& limits)
{
    double magnitude = std::fabs(value);
    if (!(magnitude <= limits.overflow))
        append(Op::push_too_large);
    else
        append(Op::push_number, magnitude < limits.underflow ? 0.0 : value);
}

void CodeBuilder::variable(double const* address)
{
    append_variable(Op::push_variable, address);
}

void CodeBuilder::negate(Mark operand)
{
    // Negation keeps the magnitude, so a negated leaf needs no check of its own.
    if (is_single(operand, Op::push_number))
        code_[operand].number = 0.0 - code_[operand].number; // +0 for a zero, as checked

    else if (is_single(operand, Op::push_variable))
        code_[operand].op = Op::push_negated_variable;
    else
        append(Op::negate);
}

void CodeBuilder::call(BuiltinFunction function, Mark argument)
{
    Op op = function_op(function);
    if (is_single(argument, Op::push_variable) || is_single(argument, Op::push_negated_variable)) {
        Instruction& instruction = code_[argument];
        instruction.argument =
            instruction.op == Op::push_variable ? Argument::variable : Argument::negated_variable;
        instruction.op = op;
        return;
    }
    append(op);
}

void CodeBuilder::fold_right_operand(Op with_number, Op with_variable, Op on_stack, Mark left, Mark right)
{
    // The right operand is computed after the left one in any case, so a right leaf can
    // become part of the operation.
    if (is_single(right, Op::push_number)) {
        code_[right].op = with_number;
    } else if (is_single(right, Op::push_variable)) {
        code_[right].op = with_variable;
    } else if (with_number == Op::add_number || with_number == Op::multiply_number) {
        // A number on the left can neither fail nor change anything, so it may be taken
        // after the right operand; addition and multiplication commute exactly.
        if (right == left + 1 && code_[left].op == Op::push_number)
            append(with_number, take_number(left));
        else
            append(on_stack);
    } else {
        append(on_stack);
    }
}

void CodeBuilder::divide(Mark left, Mark right)
{
    // The divisor is evaluated first; a zero divisor fails and the dividend is never
    // evaluated (it could advance the random generator).
    if (is_single(right, Op::push_number) && code_[right].number != 0.0) {
        code_[right].op = Op::divide_by_number;
        return;
    }
    bool left_is_leaf = right == left + 1;
    if (left_is_leaf && code_[left].op == Op::push_number) {
        append(Op::number_over, take_number(left));
        return;
    }
    if (left_is_leaf && code_[left].op == Op::push_variable) {
        append_variable(Op::variable_over, take_variable(left));
        return;
    }
    // General case: [dividend][divisor] becomes [divisor][check][dividend][divide].
    std::ptrdiff_t dividend_length = static_cast<std::ptrdiff_t>(right - left);
    auto first = code_.begin() + static_cast<std::ptrdiff_t>(left);
    std::rotate(first, code_.begin() + static_cast<std::ptrdiff_t>(right), code_.end());
    Instruction check;
    check.op = Op::check_divisor;
    check.skip = static_cast<int32_t>(dividend_length + 1);
    code_.insert(code_.end() - dividend_length, check);
    append(Op::divide);
}

void CodeBuilder::binary(BinaryOperation operation, Mark left, Mark right)
{
    switch (operation) {
    case BinaryOperation::add:
        fold_right_operand(Op::add_number, Op::add_variable, Op::add, left, right);
        return;
    case BinaryOperation::multiply:
        fold_right_operand(Op::multiply_number, Op::multiply_variable, Op::multiply, left, right);
        return;
    case BinaryOperation::subtract:
        if (!is_single(right, Op::push_number) && !is_single(right, Op::push_variable) && right == left + 1 &&
            code_[left].op == Op::push_number) {
            append(Op::number_minus, take_number(left));
            return;
        }
        fold_right_operand(Op::subtract_number, Op::subtract_variable, Op::subtract, left, right);
        return;
    case BinaryOperation::power:
        if (is_single(right, Op::push_number) && code_[right].number == 2.0) {
            code_[right].op = Op::square;
            return;
        }
        if (!is_single(right, Op::push_number) && !is_single(right, Op::push_variable) && right == left + 1 &&
            code_[left].op == Op::push_number) {
            append(Op::number_power, take_number(left));
            return;
        }
        fold_right_operand(Op::power_number, Op::power_variable, Op::power, left, right);
        return;
    case BinaryOperation::divide:
        divide(left, right);
        return;
    }
}

FormulaPtr CodeBuilder::finish()
{
    append(Op::end);
    int depth = 0;
    int deepest = 0;
    for (Instruction const& instruction : code_) {
        depth += stack_effect(instruction);
        deepest = std::max(deepest, depth);
    }
    return std::make_unique<CompiledFormula>(std::move(code_), static_cast<std::size_t>(deepest));
}

} // namespace kelvo
