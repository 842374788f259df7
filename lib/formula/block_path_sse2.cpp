// The SSE2 path: two points per instruction, with glibc's vector functions (libmvec).

#include <cstdint>

#include <emmintrin.h>

#include "lib/formula/block_interpreter.h"

namespace {

typedef double Real2 __attribute__((vector_size(16)));

} // namespace

extern "C" {
Real2 _ZGVbN2v_exp(Real2);
Real2 _ZGVbN2v_log(Real2);
Real2 _ZGVbN2v_sin(Real2);
Real2 _ZGVbN2v_cos(Real2);
Real2 _ZGVbN2v_atan(Real2);
}

namespace kelvo {

namespace {

struct Sse2Lanes {
    static constexpr int32_t width = 2;
    typedef Real2 Real;
    typedef int64_t Mask __attribute__((vector_size(16)));
    static Real exp(Real x) { return _ZGVbN2v_exp(x); }
    static Real log(Real x) { return _ZGVbN2v_log(x); }
    static Real sin(Real x) { return _ZGVbN2v_sin(x); }
    static Real cos(Real x) { return _ZGVbN2v_cos(x); }
    static Real atan(Real x) { return _ZGVbN2v_atan(x); }
    static Real sqrt(Real x) { return _mm_sqrt_pd(x); }
};

} // namespace

void run_block_sse2(BlockRun& run)
{
    BlockInterpreter<Sse2Lanes>(run).run();
}

} // namespace kelvo
