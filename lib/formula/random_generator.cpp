#include "lib/formula/random_generator.h"

#include <cmath>
#include <cstdlib>

#include "lib/runtime/timer.h"

namespace kelvo {

namespace {

int32_t magnitude(int32_t t)
{
    // |INT32_MIN| does not fit; the clock never gives it, but a wrapped value must not
    // overflow here.
    return t == INT32_MIN ? INT32_MAX : std::abs(t);
}

} // namespace

RandomState random_state_from(int32_t t1, int32_t t2, int32_t t3)
{
    return RandomState{
        .s1 = (magnitude(t1) % 100) * 300 + 300,
        .s2 = (magnitude(t2) % 6000) * 5 + 5,
        .s3 = (magnitude(t3) % 30000) + 1,
    };
}

RandomState seed_random_state()
{
    int32_t t1 = centiseconds_since_midnight();
    int32_t t2 = centiseconds_since_midnight();
    int32_t t3 = centiseconds_since_midnight();
    return random_state_from(t1, t2, t3);
}

double next_uniform(RandomState& state)
{
    // Wichmann and Hill (1982), Applied Statistics algorithm AS 183, with Schrage's
    // factorisation so that no product leaves 32 bits.
    state.s1 = 171 * (state.s1 % 177) - 2 * (state.s1 / 177);
    if (state.s1 < 0)
        state.s1 += 30269;
    state.s2 = 172 * (state.s2 % 176) - 35 * (state.s2 / 176);
    if (state.s2 < 0)
        state.s2 += 30307;
    state.s3 = 170 * (state.s3 % 178) - 63 * (state.s3 / 178);
    if (state.s3 < 0)
        state.s3 += 30323;
    double v = state.s1 / 30269.0 + state.s2 / 30307.0 + state.s3 / 30323.0;
    return v - std::trunc(v);
}

} // namespace kelvo
