// The AVX2 path: four points per instruction, with glibc's vector functions (libmvec).

#include <immintrin.h>

#include "lib/formula/block_interpreter.h"
#include "lib/formula/vector_lanes.h"

using Real4 = kelvo::LaneVectors<4>::Real;

extern "C" {
Real4 _ZGVdN4v_exp(Real4);
Real4 _ZGVdN4v_log(Real4);
Real4 _ZGVdN4v_sin(Real4);
Real4 _ZGVdN4v_cos(Real4);
Real4 _ZGVdN4v_atan(Real4);
}

namespace kelvo {

namespace {

Real4 square_roots(Real4 x)
{
    return _mm256_sqrt_pd(x);
}

using Lanes = VectorLanes<4, &_ZGVdN4v_exp, &_ZGVdN4v_log, &_ZGVdN4v_sin, &_ZGVdN4v_cos, &_ZGVdN4v_atan,
                          &square_roots>;

} // namespace

void run_block_avx2(BlockRun& run)
{
    BlockInterpreter<Lanes>(run).run();
}

ValueRange measure_block_avx2(double const* values, int32_t count)
{
    return measured_range<Lanes>(values, count);
}

} // namespace kelvo
