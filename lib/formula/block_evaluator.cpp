#include "lib/formula/block_evaluator.h"

#include <algorithm>
#include <cstring>

namespace kelvo {

namespace {

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

// Blocks lie this far apart: not a multiple of 4 KiB, so that the loads of one block and the
// stores of another never look alike to the processor (4K aliasing stalls the loads).
constexpr std::size_t block_stride = block_size + 24;

int32_t rounded_to_lanes(int32_t count)
{
    return (count + block_lane_multiple - 1) / block_lane_multiple * block_lane_multiple;
}

bool overlaps(double const* a, double const* b, int32_t count)
{
    auto const at = [](double const* p) { return reinterpret_cast<std::uintptr_t>(p); };
    std::uintptr_t const bytes = static_cast<std::uintptr_t>(count) * sizeof(double);
    return at(a) < at(b) + bytes && at(b) < at(a) + bytes;
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
    , measurer_(measurer_of(path))
    , proof_(formula, limits, slots)
    , approximate_from_(formula.size())
    , operands_(formula.size(), nullptr)
    , lane_codes_(block_size)
    , doubts_(block_size)
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
    memory_.assign((slots.size() + others + stack_blocks + 1) * block_stride, 0.0);

    double* next = memory_.data();
    auto take = [&next] {
        double* block = next;
        next += block_stride;
        return block;
    };
    for (double*& input : inputs_)
        input = take();
    for (std::size_t i = 0; i < count; ++i) {
        Instruction const& instruction = code[i];
        if (takes_variable(instruction)) {
            auto const slot = std::find(slots.begin(), slots.end(), instruction.variable);
            if (slot != slots.end()) {
                slot_operands_.emplace_back(i, static_cast<std::size_t>(slot - slots.begin()));
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

BlockEvaluator::Outcome BlockEvaluator::run(BlockPathRunner runner, Proofs proofs, Lanes const& lanes, int32_t count,
                                            double* values)
{
    int32_t const rounded = rounded_to_lanes(count);
    Lanes used = lanes;
    for (std::size_t k = 0; k < used.size(); ++k) {
        if (used[k] == nullptr)
            continue;
        // The lanes past the count hold copies of the last point, in the evaluator's own
        // memory: the caller's is never written.
        if (used[k] != inputs_[k] && rounded != count) {
            std::copy_n(used[k], count, inputs_[k]);
            used[k] = inputs_[k];
        }
        if (used[k] == inputs_[k])
            std::fill(inputs_[k] + count, inputs_[k] + rounded, inputs_[k][count - 1]);
    }
    for (auto const& [instruction, slot] : slot_operands_)
        operands_[instruction] = used[slot];
    if (codes_written_)
        std::fill(lane_codes_.begin(), lane_codes_.end(), 0);
    if (doubts_written_)
        std::fill(doubts_.begin(), doubts_.end(), 0);

    // The bottom of the stack, where the result ends, may be the caller's memory itself:
    // the block is then never copied. The evaluator's own block waits beside it.
    double* const own_bottom = stack_[0];
    if (values != nullptr)
        stack_[0] = values;

    BlockRun block;
    block.code = formula_.code();
    block.operands = operands_.data();
    block.approximate_from = runner == &run_block_scalar ? formula_.size() : approximate_from_;
    block.lanes = rounded;
    block.stack = stack_.data();
    block.spare = spare_;
    block.codes = lane_codes_.data();
    block.doubts = doubts_.data();
    block.limits = limits_;
    if (proofs == Proofs::made) {
        RangeProof::SlotRanges ranges;
        for (std::size_t k = 0; k < used.size(); ++k)
            if (proof_.reads(k))
                ranges[k] = measurer_(used[k], rounded);
        block.proven = proof_.proven_for(ranges);
    }
    runner(block);
    spare_ = block.spare;
    codes_written_ = block.failed;
    doubts_written_ = block.doubted;
    Outcome const outcome{block.failed, block.doubted, stack_[0]};
    // The path may have exchanged the caller's block with one of its own: whichever place
    // it ended in gets the evaluator's block back.
    if (values != nullptr) {
        if (spare_ == values)
            spare_ = own_bottom;
        else
            std::replace(stack_.begin(), stack_.end(), values, own_bottom);
    }
    return outcome;
}

void BlockEvaluator::take_results(double const* result, int32_t count, double* values, bool failed)
{
    failed_ = failed;
    if (!failed) {
        if (result != values)
            std::copy_n(result, count, values);
        return;
    }
    std::copy_n(lane_codes_.begin(), count, codes_.begin());
    for (int32_t i = 0; i < count; ++i)
        values[i] = codes_[static_cast<std::size_t>(i)] != 0 ? 0.0 : result[i];
}

void BlockEvaluator::evaluate(Lanes const& lanes, int32_t count, double* values)
{
    // The path writes whole vectors, and the inputs are read after it for the doubted
    // points: the results go to values directly only when both allow it.
    bool const direct = count % block_lane_multiple == 0 &&
                        std::none_of(lanes.begin(), lanes.end(), [&](double const* input) {
                            return input != nullptr && overlaps(input, values, count);
                        });
    // The places of the next block's values, if they follow, are fetched for writing
    // while this block runs.
    constexpr int32_t values_per_line = 64 / sizeof(double);
    for (int32_t i = 0; i < count; i += values_per_line)
        __builtin_prefetch(values + count + i, 1);
    Outcome const outcome = run(runner_, Proofs::made, lanes, count, direct ? values : nullptr);
    // The doubted points' inputs are set aside before values, which may be an input, are
    // written; a doubted point may fail on the scalar path, so every code is kept.
    int32_t const again = outcome.doubted ? gather_doubted(lanes, count) : 0;
    take_results(outcome.result, count, values, outcome.failed || again > 0);
    if (again > 0)
        evaluate_doubted_again(again, values);
}

// The inputs of the doubted points, moved to the front of the evaluator's own inputs (which
// overwrites only points already moved); how many there are.
int32_t BlockEvaluator::gather_doubted(Lanes const& lanes, int32_t count)
{
    doubted_.clear();
    for (int32_t i = 0; i < count; ++i)
        if (doubts_[static_cast<std::size_t>(i)] != 0)
            doubted_.push_back(i);
    auto const again = static_cast<int32_t>(doubted_.size());
    for (std::size_t slot = 0; slot < lanes.size(); ++slot)
        if (lanes[slot] != nullptr)
            for (int32_t k = 0; k < again; ++k)
                inputs_[slot][k] = lanes[slot][doubted_[static_cast<std::size_t>(k)]];
    return again;
}

// Points whose outcome might hang on the vector functions' rounding are evaluated again on
// the scalar path, which decides them exactly as single-point evaluation does.
void BlockEvaluator::evaluate_doubted_again(int32_t again, double* values)
{
    double const* result = run(&run_block_scalar, Proofs::none, own_inputs(), again, nullptr).result;
    for (int32_t k = 0; k < again; ++k) {
        auto const at = static_cast<std::size_t>(doubted_[static_cast<std::size_t>(k)]);
        codes_[at] = lane_codes_[static_cast<std::size_t>(k)];
        values[at] = codes_[at] != 0 ? 0.0 : result[k];
    }
}

} // namespace kelvo
