#pragma once

// The lanes of a vector path: a GCC vector of Width doubles and glibc's vector functions
// (libmvec) for it. Only the vector paths' sources include it, with block_interpreter.h,
// whose rule it follows: internal linkage only.

#include <cstdint>

namespace kelvo {
namespace {

template <int32_t Width>
struct LaneVectors {
    typedef double Real __attribute__((vector_size(8 * Width)));
    typedef int64_t Mask __attribute__((vector_size(8 * Width)));
};

template <int32_t Width, auto Exp, auto Log, auto Sin, auto Cos, auto Atan, auto Sqrt>
struct VectorLanes {
    static constexpr int32_t width = Width;
    using Real = typename LaneVectors<Width>::Real;
    using Mask = typename LaneVectors<Width>::Mask;
    static Real exp(Real x) { return Exp(x); }
    static Real log(Real x) { return Log(x); }
    static Real sin(Real x) { return Sin(x); }
    static Real cos(Real x) { return Cos(x); }
    static Real atan(Real x) { return Atan(x); }
    static Real sqrt(Real x) { return Sqrt(x); }
};

} // namespace
} // namespace kelvo
