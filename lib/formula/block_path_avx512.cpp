// The AVX-512 path: eight points per instruction, with glibc's vector functions (libmvec).

#include <cstdint>

#include <immintrin.h>

#include "lib/formula/block_interpreter.h"

namespace {

typedef double Real8 __attribute__((vector_size(64)));

} // namespace

extern "C" {
Real8 _ZGVeN8v_exp(Real8);
Real8 _ZGVeN8v_log(Real8);
Real8 _ZGVeN8v_sin(Real8);
Real8 _ZGVeN8v_cos(Real8);
Real8 _ZGVeN8v_atan(Real8);
}

namespace kelvo {

namespace {

struct Avx512Lanes {
    static constexpr int32_t width = 8;
    typedef Real8 Real;
    typedef int64_t Mask __attribute__((vector_size(64)));
    static Real exp(Real x) { return _ZGVeN8v_exp(x); }
    static Real log(Real x) { return _ZGVeN8v_log(x); }
    static Real sin(Real x) { return _ZGVeN8v_sin(x); }
    static Real cos(Real x) { return _ZGVeN8v_cos(x); }
    static Real atan(Real x) { return _ZGVeN8v_atan(x); }
    // The masked form: the plain one trips a false warning of GCC 12's header.
    static Real sqrt(Real x) { return _mm512_mask_sqrt_pd(x, 0xFF, x); }
};

} // namespace

void run_block_avx512(BlockRun& run)
{
    BlockInterpreter<Avx512Lanes>(run).run();
}

} // namespace kelvo
