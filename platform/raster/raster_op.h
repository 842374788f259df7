#pragma once

// Raster operations: how a new value (a pen or brush colour P, or a source pixel S in a
// block copy) combines with the pixel D already there. Pens, brushes and block copies share
// the same five operations, numbered as the library numbers its write modes and image
// modes. This file is the only place that decides what an operation does: everything else
// asks `with_raster_op` for the operation's function object and loops with it, so the
// choice is made once per row, not once per pixel.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

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

struct Copy {
    static constexpr bool ignores_destination = true;
    constexpr uint32_t operator()(uint32_t, uint32_t p) const { return p; }
};
struct NotCopy {
    static constexpr bool ignores_destination = true;
    constexpr uint32_t operator()(uint32_t, uint32_t p) const { return ~p & colour_bits; }
};
struct And {
    static constexpr bool ignores_destination = false;
    constexpr uint32_t operator()(uint32_t d, uint32_t p) const { return d & p; }
};
struct Or {
    static constexpr bool ignores_destination = false;
    constexpr uint32_t operator()(uint32_t d, uint32_t p) const { return d | p; }
};
struct Xor {
    static constexpr bool ignores_destination = false;
    constexpr uint32_t operator()(uint32_t d, uint32_t p) const { return d ^ p; }
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

// Whether painting the same value twice in a row gives the same pixels as painting it once.
// Shapes that paint an outline over a fill must then keep the two apart.
constexpr bool ignores_destination(RasterOp op)
{
    return with_raster_op(op, [](auto operation) { return decltype(operation)::ignores_destination; });
}

// Row paths. Device level: callers clip, `count` pixels must lie in the row.
inline void fill_row(uint32_t* row, int32_t count, uint32_t value, RasterOp op)
{
    with_raster_op(op, [&](auto operation) {
        if constexpr (decltype(operation)::ignores_destination) {
            std::fill_n(row, count, operation(0, value));
        } else {
            for (int32_t i = 0; i < count; ++i)
                row[i] = operation(row[i], value);
        }
    });
}

// Combines `count` source pixels into a destination row. The two rows may overlap only when
// `op` is Copy (which moves memory as a whole); callers buffer the source otherwise.
inline void combine_row(uint32_t* destination, uint32_t const* source, int32_t count, RasterOp op)
{
    with_raster_op(op, [&](auto operation) {
        if constexpr (std::is_same_v<decltype(operation), raster_ops::Copy>) {
            std::memmove(destination, source, static_cast<std::size_t>(count) * sizeof(uint32_t));
        } else {
            for (int32_t i = 0; i < count; ++i)
                destination[i] = operation(destination[i], source[i]);
        }
    });
}

} // namespace kp
