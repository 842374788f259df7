#include "lib/formula/compiled_formula.h"

namespace kelvo {

bool takes_number(Op op)
{
    switch (op) {
    case Op::push_number:
    case Op::add_number:
    case Op::subtract_number:
    case Op::multiply_number:
    case Op::power_number:
    case Op::divide_by_number:
    case Op::number_minus:
    case Op::number_power:
    case Op::number_over:
        return true;
    default:
        return false;
    }
}

bool takes_variable(Instruction const& instruction)
{
    switch (instruction.op) {
    case Op::push_variable:
    case Op::push_negated_variable:
    case Op::add_variable:
    case Op::subtract_variable:
    case Op::multiply_variable:
    case Op::power_variable:
    case Op::variable_over:
        return true;
    default:
        return instruction.op >= Op::call_exp && instruction.argument != Argument::top;
    }
}

} // namespace kelvo
