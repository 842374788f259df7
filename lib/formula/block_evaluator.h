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
#include "lib/formula/range_proof.h"

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

    // Where the values of variable slot k may go for the next block (block_size of them).
    double* inputs(std::size_t slot) { return inputs_[slot]; }
    using Lanes = std::array<double const*, 3>;
    Lanes own_inputs() const { return {inputs_[0], inputs_[1], inputs_[2]}; }
    // Evaluates count points (1 to block_size), the values of slot k at lanes[k][0 ..
    // count - 1] (the evaluator's own inputs, or the caller's memory, which is only read),
    // into values[0 .. count - 1], 0 where a point fails. values may be one of the lanes.
    void evaluate(Lanes const& lanes, int32_t count, double* values);
    // Whether a point of the last block may have failed, and if so each point's first
    // failure code (0 when none).
    bool failed() const { return failed_; }
    int32_t const* codes() const { return codes_.data(); }

private:
    // The path's outcome: whether it found failures and doubts, and where the results are.
    struct Outcome {
        bool failed = false;
        bool doubted = false;
        double const* result = nullptr;
    };
    // values: where the results may be written directly (count of them, a whole number of
    // vectors, apart from every input), or null. With proofs, the path leaves out the checks
    // this block's ranges make needless.
    enum class Proofs { none, made };
    Outcome run(BlockPathRunner runner, Proofs proofs, Lanes const& lanes, int32_t count, double* values);
    void take_results(double const* result, int32_t count, double* values, bool failed);
    int32_t gather_doubted(Lanes const& lanes, int32_t count);
    void evaluate_doubted_again(int32_t again, double* values);

    CompiledFormula const& formula_;
    EvaluatorLimits limits_;
    BlockPathRunner runner_;
    BlockRangeMeasurer measurer_;
    RangeProof proof_;
    std::size_t approximate_from_;
    std::vector<double> memory_;
    std::array<double*, 3> inputs_{};
    std::vector<double const*> operands_;
    // The instructions that read a slot's values, and the slot.
    std::vector<std::pair<std::size_t, std::size_t>> slot_operands_;
    std::vector<double*> stack_;
    double* spare_ = nullptr;
    std::vector<int32_t> lane_codes_;
    std::vector<int64_t> doubts_;
    std::vector<int32_t> codes_;
    std::vector<int32_t> doubted_;
    bool failed_ = false;
    // Whether the last run left codes or doubts to clear before the next one.
    bool codes_written_ = true;
    bool doubts_written_ = true;
};

} // namespace kelvo
