// The SSE2 path: two points per instruction, with glibc's vector functions (libmvec).

#include <emmintrin.h>

#include "lib/formula/block_interpreter.h"
#include "lib/formula/vector_lanes.h"

using Real2 = kelvo::LaneVectors<2>::Real;

extern "C" {
Real2 _ZGVbN2v_exp(Real2);
Real2 _ZGVbN2v_log(Real2);
Real2 _ZGVbN2v_sin(Real2);
Real2 _ZGVbN2v_cos(Real2);
Real2 _ZGVbN2v_atan(Real2);
}

namespace kelvo {

namespace {

Real2 square_roots(Real2 x)
{
    return _mm_sqrt_pd(x);
}

using Lanes = VectorLanes<2, &_ZGVbN2v_exp, &_ZGVbN2v_log, &_ZGVbN2v_sin, &_ZGVbN2v_cos, &_ZGVbN2v_atan,
                          &square_roots>;

} // namespace

void run_block_sse2(BlockRun& run)
{
    BlockInterpreter<Lanes>(run).run();
}

ValueRange measure_block_sse2(double const* values, int32_t count)
{
    return measured_range<Lanes>(values, count);
}

} // namespace kelvo
