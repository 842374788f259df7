// The AVX-512 path: eight points per instruction, with glibc's vector functions (libmvec).

#include <immintrin.h>

#include "lib/formula/block_interpreter.h"
#include "lib/formula/vector_lanes.h"

using Real8 = kelvo::LaneVectors<8>::Real;

extern "C" {
Real8 _ZGVeN8v_exp(Real8);
Real8 _ZGVeN8v_log(Real8);
Real8 _ZGVeN8v_sin(Real8);
Real8 _ZGVeN8v_cos(Real8);
Real8 _ZGVeN8v_atan(Real8);
}

namespace kelvo {

namespace {

// The masked form: the plain one trips a false warning in GCC 12's header.
Real8 square_roots(Real8 x)
{
    return _mm512_mask_sqrt_pd(x, 0xFF, x);
}

using Lanes = VectorLanes<8, &_ZGVeN8v_exp, &_ZGVeN8v_log, &_ZGVeN8v_sin, &_ZGVeN8v_cos, &_ZGVeN8v_atan,
                          &square_roots>;

} // namespace

void run_block_avx512(BlockRun& run)
{
    BlockInterpreter<Lanes>(run).run();
}

ValueRange measure_block_avx512(double const* values, int32_t count)
{
    return measured_range<Lanes>(values, count);
}

} // namespace kelvo
