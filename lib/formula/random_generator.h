#pragma once

// The Wichmann-Hill generator behind `rnd`: three small linear congruential generators
// whose sum modulo 1 is uniform on [0, 1).

#include <cstdint>

namespace kelvo {

struct RandomState {
    int32_t s1 = 1;
    int32_t s2 = 1;
    int32_t s3 = 1;
};

// Seeds from hundredths of a second since midnight, reading the clock afresh per seed.
RandomState seed_random_state();
RandomState random_state_from(int32_t t1, int32_t t2, int32_t t3);

// Advances the generator and returns the next value in [0, 1).
double next_uniform(RandomState& state);

} // namespace kelvo
