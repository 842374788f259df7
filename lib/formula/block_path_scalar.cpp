// The scalar path: one point at a time, with the C library's functions, so that it gives
// exactly the values and failures of single-point evaluation. It redoes the points the
// vector paths doubt, and runs wherever no vector path may.

#include <cmath>
#include <cstdint>

#include "lib/formula/block_interpreter.h"

namespace kelvo {

namespace {

struct ScalarLanes {
    static constexpr int32_t width = 1;
    typedef double Real __attribute__((vector_size(8)));
    typedef int64_t Mask __attribute__((vector_size(8)));
    static Real exp(Real x) { return Real{std::exp(x[0])}; }
    static Real log(Real x) { return Real{std::log(x[0])}; }
    static Real sin(Real x) { return Real{std::sin(x[0])}; }
    static Real cos(Real x) { return Real{std::cos(x[0])}; }
    static Real atan(Real x) { return Real{std::atan(x[0])}; }
    static Real sqrt(Real x) { return Real{std::sqrt(x[0])}; }
};

} // namespace

void run_block_scalar(BlockRun& run)
{
    BlockInterpreter<ScalarLanes>(run).run();
}

ValueRange measure_block_scalar(double const* values, int32_t count)
{
    return measured_range<ScalarLanes>(values, count);
}

} // namespace kelvo
