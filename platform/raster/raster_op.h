#pragma once

// Raster operations: how a new value (a pen or brush colour P, or a source pixel S in a
// block copy) combines with the pixel D already there. Pens, brushes and block copies share
// the same five operations, numbered as the library numbers its write modes and image
// modes. This file is the only place that decides what an operation does: everything else
// asks `with_raster_op` for the operation's function object and loops with it, so the
// choice is made once per row or per shape, not once per pixel. The row paths work on four
// pixels at a time with SSE2, which every x86-64 processor has.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#define KP_RASTER_SSE2 1
#endif

namespace kp {

enum class RasterOp : uint8_t {
    Copy = 1,    // P (block copies: S)
    NotCopy = 2, // NOT P (NOT S)
    And = 3,     // D AND P
    Or = 4,      // D OR P
    Xor = 5,     // D XOR P
};

inline constexpr bool is_raster_op(int32_t value) { return value >= 1 && value <= 5; }

namespace raster_ops {
// Pixels keep their unused high byte at 0, so NOT only flips the colour bits.
inline constexpr uint32_t colour_bits = 0x00FFFFFF;

#if KP_RASTER_SSE2
inline __m128i vector_colour_bits() { return _mm_set1_epi32(static_cast<int>(colour_bits)); }
#endif

// Each operation: the scalar form, and (with SSE2) the same on four pixels. A repeatable
// operation gives, applied twice with one value, what it gives once: a pixel painted again in
// the same colour does not change.
struct Copy {
    static constexpr bool repeatable = true;
    static constexpr bool ignores_destination = true;
    constexpr uint32_t operator()(uint32_t, uint32_t p) const { return p; }
#if KP_RASTER_SSE2
    __m128i operator()(__m128i, __m128i p) const { return p; }
#endif
};
struct NotCopy {
    static constexpr bool repeatable = true;
    static constexpr bool ignores_destination = true;
    constexpr uint32_t operator()(uint32_t, uint32_t p) const { return ~p & colour_bits; }
#if KP_RASTER_SSE2
    __m128i operator()(__m128i, __m128i p) const { return _mm_andnot_si128(p, vector_colour_bits()); }
#endif
};
struct And {
    static constexpr bool repeatable = true;
    static constexpr bool ignores_destination = false;
    constexpr uint32_t operator()(uint32_t d, uint32_t p) const { return d & p; }
#if KP_RASTER_SSE2
    __m128i operator()(__m128i d, __m128i p) const { return _mm_and_si128(d, p); }
#endif
};
struct Or {
    static constexpr bool repeatable = true;
    static constexpr bool ignores_destination = false;
    constexpr uint32_t operator()(uint32_t d, uint32_t p) const { return d | p; }
#if KP_RASTER_SSE2
    __m128i operator()(__m128i d, __m128i p) const { return _mm_or_si128(d, p); }
#endif
};
struct Xor {
    static constexpr bool repeatable = false;
    static constexpr bool ignores_destination = false;
    constexpr uint32_t operator()(uint32_t d, uint32_t p) const { return d ^ p; }
#if KP_RASTER_SSE2
    __m128i operator()(__m128i d, __m128i p) const { return _mm_xor_si128(d, p); }
#endif
};
} // namespace raster_ops

// Calls `body` with the function object of `op`. An operation outside the enumeration
// (only reachable through a bad cast) acts as Copy.
template <typename Body>
constexpr decltype(auto) with_raster_op(RasterOp op, Body&& body)
{
    switch (op) {
    case RasterOp::NotCopy:
        return body(raster_ops::NotCopy{});
    case RasterOp::And:
        return body(raster_ops::And{});
    case RasterOp::Or:
        return body(raster_ops::Or{});
    case RasterOp::Xor:
        return body(raster_ops::Xor{});
    case RasterOp::Copy:
        break;
    }
    return body(raster_ops::Copy{});
}

constexpr uint32_t apply(RasterOp op, uint32_t destination, uint32_t value)
{
    return with_raster_op(op, [&](auto operation) { return operation(destination, value); });
}

// Whether painting a pixel twice in one value gives what painting it once does.
constexpr bool is_repeatable(RasterOp op)
{
    return with_raster_op(op, [](auto operation) { return decltype(operation)::repeatable; });
}

// Whether the result ignores the pixel that was there, so that painting a pixel twice gives
// what painting it once does. Shapes that paint an outline over a fill otherwise keep the
// two apart.
constexpr bool ignores_destination(RasterOp op)
{
    return with_raster_op(op, [](auto operation) { return decltype(operation)::ignores_destination; });
}

// Row paths, for an operation already chosen. Device level: callers clip, `count` pixels
// must lie in the row.
template <typename Operation>
inline void fill_row_with(Operation operation, uint32_t* row, int32_t count, uint32_t value)
{
    int32_t i = 0;
#if KP_RASTER_SSE2
    __m128i const values = _mm_set1_epi32(static_cast<int>(value));
    if constexpr (Operation::ignores_destination) {
        __m128i const painted = operation(values, values);
        for (; i + 8 <= count; i += 8) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), painted);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i + 4), painted);
        }
    } else {
        for (; i + 4 <= count; i += 4) {
            auto* at = reinterpret_cast<__m128i*>(row + i);
            _mm_storeu_si128(at, operation(_mm_loadu_si128(at), values));
        }
    }
#endif
    for (; i < count; ++i)
        row[i] = operation(row[i], value);
}

// Combines `count` source pixels into a destination row. The rows may overlap only for
// Copy (which moves memory as a whole); callers save the source first otherwise.
template <typename Operation>
inline void combine_row_with(Operation operation, uint32_t* destination, uint32_t const* source, int32_t count)
{
    if constexpr (std::is_same_v<Operation, raster_ops::Copy>) {
        std::memmove(destination, source, static_cast<std::size_t>(count) * sizeof(uint32_t));
    } else {
        int32_t i = 0;
#if KP_RASTER_SSE2
        for (; i + 4 <= count; i += 4) {
            auto* at = reinterpret_cast<__m128i*>(destination + i);
            __m128i const s = _mm_loadu_si128(reinterpret_cast<__m128i const*>(source + i));
            _mm_storeu_si128(at, operation(_mm_loadu_si128(at), s));
        }
#endif
        for (; i < count; ++i)
            destination[i] = operation(destination[i], source[i]);
    }
}

inline void fill_row(uint32_t* row, int32_t count, uint32_t value, RasterOp op)
{
    with_raster_op(op, [=](auto operation) { fill_row_with(operation, row, count, value); });
}

inline void combine_row(uint32_t* destination, uint32_t const* source, int32_t count, RasterOp op)
{
    with_raster_op(op, [=](auto operation) { combine_row_with(operation, destination, source, count); });
}

} // namespace kp
