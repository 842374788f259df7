#include "lib/formula/block_evaluator.h"

#include <algorithm>
#include <cstring>

namespace kelvo {

namespace {

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

// The functions whose vector versions may round differently from the C library's.
bool rounds_on_its_own(Op op)
{
    switch (op) {
    case Op::call_exp:
    case Op::call_log:
    case Op::call_ln:
    case Op::call_sin:
    case Op::call_cos:
    case Op::call_tan:
    case Op::call_atan:
    case Op::call_cosh:
    case Op::call_sinh:
    case Op::call_tanh:
        return true;
    default:
        return false;
    }
}

void fill(double* lanes, double value)
{
    std::fill(lanes, lanes + block_size, value);
}

int32_t rounded_to_lanes(int32_t count)
{
    return (count + block_lane_multiple - 1) / block_lane_multiple * block_lane_multiple;
}

} // namespace

bool evaluates_in_blocks(CompiledFormula const& formula)
{
    Instruction const* code = formula.code();
    return std::none_of(code, code + formula.size(), [](Instruction const& i) { return i.op == Op::call_rnd; });
}

BlockEvaluator::BlockEvaluator(CompiledFormula const& formula, std::array<double const*, 3> const& slots,
                               EvaluatorLimits const& limits, ProcessorPath path)
    : formula_(formula)
    , limits_(limits)
    , runner_(runner_of(path))
    , approximate_from_(formula.size())
    , operands_(formula.size(), nullptr)
    , lane_codes_(block_size)
    , doubts_(block_size)
    , values_(block_size)
    , codes_(block_size)
{
    Instruction const* code = formula.code();
    std::size_t const count = formula.size();
    std::size_t others = 0; // numbers, and variables outside the slots
    for (std::size_t i = 0; i < count; ++i) {
        bool const own = takes_number(code[i].op) || takes_variable(code[i]);
        bool const in_slot = takes_variable(code[i]) && std::find(slots.begin(), slots.end(), code[i].variable) != slots.end();
        others += own && !in_slot ? 1 : 0;
        if (!rounds_like_the_c_library(path) && rounds_on_its_own(code[i].op))
            approximate_from_ = std::min(approximate_from_, i);
    }
    std::size_t const stack_blocks = std::max<std::size_t>(formula.stack_depth(), 1);
    memory_.assign((slots.size() + others + stack_blocks + 1) * block_size, 0.0);

    double* next = memory_.data();
    auto take = [&next] {
        double* block = next;
        next += block_size;
        return block;
    };
    for (double*& input : inputs_)
        input = take();
    for (std::size_t i = 0; i < count; ++i) {
        Instruction const& instruction = code[i];
        if (takes_variable(instruction)) {
            auto const slot = std::find(slots.begin(), slots.end(), instruction.variable);
            if (slot != slots.end()) {
                operands_[i] = inputs_[static_cast<std::size_t>(slot - slots.begin())];
                continue;
            }
            double* lanes = take();
            fill(lanes, *instruction.variable);
            operands_[i] = lanes;
        } else if (takes_number(instruction.op)) {
            double* lanes = take();
            fill(lanes, instruction.number);
            operands_[i] = lanes;
        }
    }
    for (std::size_t k = 0; k < stack_blocks; ++k)
        stack_.push_back(take());
    spare_ = take();
    doubted_.reserve(block_size); // evaluating allocates nothing
}

void BlockEvaluator::run(BlockPathRunner runner, int32_t count)
{
    int32_t const lanes = rounded_to_lanes(count);
    for (double* input : inputs_)
        std::fill(input + count, input + lanes, input[count - 1]);
    std::fill(lane_codes_.begin(), lane_codes_.begin() + lanes, 0);
    std::fill(doubts_.begin(), doubts_.begin() + lanes, 0);

    BlockRun block;
    block.code = formula_.code();
    block.operands = operands_.data();
    block.approximate_from = runner == &run_block_scalar ? formula_.size() : approximate_from_;
    block.lanes = lanes;
    block.stack = stack_.data();
    block.spare = spare_;
    block.codes = lane_codes_.data();
    block.doubts = doubts_.data();
    block.limits = limits_;
    runner(block);
    spare_ = block.spare;
}

void BlockEvaluator::evaluate(int32_t count)
{
    run(runner_, count);
    double const* result = stack_[0];
    for (int32_t i = 0; i < count; ++i) {
        auto const at = static_cast<std::size_t>(i);
        codes_[at] = lane_codes_[at];
        values_[at] = codes_[at] != 0 ? 0.0 : result[i];
    }
    if (approximate_from_ < formula_.size())
        evaluate_doubted_again(count);
}

// Points whose outcome might hang on the vector functions' rounding are evaluated again on
// the scalar path, which decides them exactly as single-point evaluation does.
void BlockEvaluator::evaluate_doubted_again(int32_t count)
{
    doubted_.clear();
    for (int32_t i = 0; i < count; ++i)
        if (doubts_[static_cast<std::size_t>(i)] != 0)
            doubted_.push_back(i);
    if (doubted_.empty())
        return;
    auto const again = static_cast<int32_t>(doubted_.size());
    // Moving each doubted point's inputs forward overwrites only points already done.
    for (double* input : inputs_)
        for (int32_t k = 0; k < again; ++k)
            input[k] = input[doubted_[static_cast<std::size_t>(k)]];
    run(&run_block_scalar, again);
    double const* result = stack_[0];
    for (int32_t k = 0; k < again; ++k) {
        auto const at = static_cast<std::size_t>(doubted_[static_cast<std::size_t>(k)]);
        codes_[at] = lane_codes_[static_cast<std::size_t>(k)];
        values_[at] = codes_[at] != 0 ? 0.0 : result[k];
    }
}

} // namespace kelvo
