#pragma once

// One block of points for a processor path to evaluate: the formula's instructions applied
// to every point of the block at once, each instruction once per block. Plain pointers and
// values only: the paths are compiled for different instruction sets and share no inline
// code with the rest of the library (an inline function compiled for AVX2 in one of them
// could otherwise be the copy the linker keeps for everyone).

#include <cstddef>
#include <cstdint>

#include "lib/formula/compiled_formula.h"
#include "lib/formula/evaluator_limits.h"

namespace kelvo {

// Points per block: enough that the cost of each instruction's dispatch vanishes, few
// enough that the block's values stay in the first-level cache.
inline constexpr int32_t block_size = 256;
// Every path runs over the points rounded up to this many; the inputs are padded with
// copies of the last point, so the extra lanes behave like it and are dropped afterwards.
inline constexpr int32_t block_lane_multiple = 8;

// The magnitudes of a block's values: the largest, and the smallest that is not 0 (infinity
// when every value is 0). A NaN among them makes the largest infinite.
struct ValueRange {
    double largest = 0.0;
    double smallest = __builtin_inf();
};

struct BlockRun {
    Instruction const* code = nullptr; // ends with Op::end
    // Per instruction: the lanes of the number or variable it takes as operand, or null.
    double const* const* operands = nullptr;
    // The first instruction that may see a value of a vector function, which can differ
    // from the value of the C library's function in the last bits (see doubts).
    std::size_t approximate_from = 0;
    int32_t lanes = 0; // a multiple of block_lane_multiple, at most block_size
    // stack_depth + 1 blocks of block_size reals, the stack with its top, and a spare
    // block. The path may exchange the blocks; the result ends in stack[0].
    double** stack = nullptr;
    double* spare = nullptr;
    // Each point's first failure, 0 when none: a code of the formula error table.
    int32_t* codes = nullptr;
    // Nonzero where a value from a vector function met a decision (a limit, a sign, a zero)
    // so closely that the C library's value might have decided it the other way: such
    // points are evaluated again on the scalar path.
    int64_t* doubts = nullptr;
    EvaluatorLimits limits;
    // Per instruction, nonzero where its value was proven to lie within the limits at every
    // point that has not failed, far enough that no check could fail or flush it and no
    // vector function's rounding could bring it near a limit; null when nothing was proven.
    uint8_t const* proven = nullptr;
    // Set by the path: whether any point failed, whether any was doubted.
    bool failed = false;
    bool doubted = false;
};

using BlockPathRunner = void (*)(BlockRun& run);
// The range of count values (a multiple of block_lane_multiple).
using BlockRangeMeasurer = ValueRange (*)(double const* values, int32_t count);

void run_block_scalar(BlockRun& run);
void run_block_sse2(BlockRun& run);
void run_block_avx2(BlockRun& run);
void run_block_avx512(BlockRun& run);
ValueRange measure_block_scalar(double const* values, int32_t count);
ValueRange measure_block_sse2(double const* values, int32_t count);
ValueRange measure_block_avx2(double const* values, int32_t count);
ValueRange measure_block_avx512(double const* values, int32_t count);

} // namespace kelvo
