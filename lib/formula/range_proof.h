#pragma once

// Proofs that a formula's values stay within the magnitude limits over a block of points.
// From the range of each variable's values in the block follows a range for the value of
// every instruction; where that range lies well inside the limits, no check of the
// instruction could fail a point or flush its value, and the block paths leave it out.
//
// A range bounds the magnitude of the value from above and its smallest non-zero magnitude
// from below, at every point that has not failed. Failed points compute what they like: it
// is never seen. A value that is checked lies within the limits after its check (or its
// point fails), so an unproven instruction does not spoil the proofs of those after it.

#include <array>
#include <cstdint>
#include <vector>

#include "lib/formula/block_run.h"
#include "lib/formula/compiled_formula.h"
#include "lib/formula/evaluator_limits.h"

namespace kelvo {

class RangeProof {
public:
    using SlotRanges = std::array<ValueRange, 3>;

    // `slots` as for the block evaluator: a variable at another address keeps the value it
    // has now.
    RangeProof(CompiledFormula const& formula, EvaluatorLimits const& limits,
               std::array<double const*, 3> const& slots);

    // Per instruction, nonzero where it was proven for variables within these ranges (see
    // BlockRun::proven); null when nothing was. The ranges are widened to coarse bounds and
    // the last proof is kept: blocks of like data reuse it without any work.
    uint8_t const* proven_for(SlotRanges const& measured);
    // Whether an instruction reads slot k's values: only those need measuring.
    bool reads(std::size_t slot) const { return reads_[slot]; }

private:
    // The proof for exactly these ranges; how many instructions it proved.
    int32_t prove(SlotRanges const& slots, std::vector<uint8_t>& proven);
    ValueRange function_of(Op op, ValueRange argument, bool& ok) const;
    bool well_within(ValueRange r) const;
    ValueRange checked(ValueRange r) const;

    // What an instruction's number or variable is: a number, or a variable that keeps its
    // value, with its range; or the variable of a slot.
    struct Own {
        int32_t slot = -1;
        ValueRange range;
    };

    Instruction const* code_;
    std::size_t size_;
    std::size_t stack_depth_;
    EvaluatorLimits limits_;
    std::vector<Own> own_;
    std::array<bool, 3> reads_{};
    std::vector<ValueRange> stack_;
    // The last proof, for the ranges it was made for.
    bool keeps_ = false;
    SlotRanges kept_ranges_{};
    std::vector<uint8_t> kept_;
    int32_t kept_count_ = 0;
    std::vector<uint8_t> fresh_;
    std::vector<uint8_t> joined_;
};

} // namespace kelvo
