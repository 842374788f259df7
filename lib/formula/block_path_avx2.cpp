// The AVX2 path: four points per instruction, with glibc's vector functions (libmvec).

#include <cstdint>

#include <immintrin.h>

#include "lib/formula/block_interpreter.h"

namespace {

typedef double Real4 __attribute__((vector_size(32)));

} // namespace

extern "C" {
Real4 _ZGVdN4v_exp(Real4);
Real4 _ZGVdN4v_log(Real4);
Real4 _ZGVdN4v_sin(Real4);
Real4 _ZGVdN4v_cos(Real4);
Real4 _ZGVdN4v_atan(Real4);
}

namespace kelvo {

namespace {

struct Avx2Lanes {
    static constexpr int32_t width = 4;
    typedef Real4 Real;
    typedef int64_t Mask __attribute__((vector_size(32)));
    static Real exp(Real x) { return _ZGVdN4v_exp(x); }
    static Real log(Real x) { return _ZGVdN4v_log(x); }
    static Real sin(Real x) { return _ZGVdN4v_sin(x); }
    static Real cos(Real x) { return _ZGVdN4v_cos(x); }
    static Real atan(Real x) { return _ZGVdN4v_atan(x); }
    static Real sqrt(Real x) { return _mm256_sqrt_pd(x); }
};

} // namespace

void run_block_avx2(BlockRun& run)
{
    BlockInterpreter<Avx2Lanes>(run).run();
}

} // namespace kelvo
