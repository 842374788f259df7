#pragma once

// Evaluates a compiled formula over blocks of points on one processor path. An evaluator
// owns all the memory it works in, and reads nothing of the library's state after it is
// made: several may work on one formula at once, each on its own thread.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "lib/formula/block_run.h"
#include "lib/formula/compiled_formula.h"
#include "lib/formula/processor_path.h"

namespace kelvo {

// Formulae that draw random numbers are evaluated point by point instead: the order of the
// draws is part of their outcome.
bool evaluates_in_blocks(CompiledFormula const& formula);

class BlockEvaluator {
public:
    // `slots` are the addresses the formula's variables were compiled against: slot k's
    // values come from inputs(k). A variable at any other address keeps its present value.
    BlockEvaluator(CompiledFormula const& formula, std::array<double const*, 3> const& slots,
                   EvaluatorLimits const& limits, ProcessorPath path);

    // Where the values of variable slot k go for the next block (block_size of them).
    double* inputs(std::size_t slot) { return inputs_[slot]; }
    // Evaluates the first count points of the inputs, 1 to block_size.
    void evaluate(int32_t count);
    // The values (0 where a point failed) and first failure codes of the points evaluated.
    double const* values() const { return values_.data(); }
    int32_t const* codes() const { return codes_.data(); }

private:
    void run(BlockPathRunner runner, int32_t count);
    void evaluate_doubted_again(int32_t count);

    CompiledFormula const& formula_;
    EvaluatorLimits limits_;
    BlockPathRunner runner_;
    std::size_t approximate_from_;
    std::vector<double> memory_;
    std::array<double*, 3> inputs_{};
    std::vector<double const*> operands_;
    std::vector<double*> stack_;
    double* spare_ = nullptr;
    std::vector<int32_t> lane_codes_;
    std::vector<int64_t> doubts_;
    std::vector<double> values_;
    std::vector<int32_t> codes_;
    std::vector<int32_t> doubted_;
};

} // namespace kelvo
