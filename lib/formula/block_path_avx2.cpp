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

} // namespace

void run_block_avx2(BlockRun& run)
{
    using Lanes = VectorLanes<4, &_ZGVdN4v_exp, &_ZGVdN4v_log, &_ZGVdN4v_sin, &_ZGVdN4v_cos, &_ZGVdN4v_atan,
                              &square_roots>;
    BlockInterpreter<Lanes>(run).run();
}

} // namespace kelvo
