#include "lib/axes/projected_pixels.h"

#include <cassert>
#include <cstring>

#include "lib/axes/projection.h"

namespace kelvo {

namespace {

// Four points at a time in GCC's vector types, which do each operation lane by lane with the
// rounding of the scalar one; without AVX they become pairs of SSE2 operations. Nothing is
// fused: the compiler never contracts a multiply and an add in standard mode.
using Reals = double __attribute__((vector_size(32)));
using Longs = int64_t __attribute__((vector_size(32)));

static_assert(sizeof(PixelPoint) == 8 && offsetof(PixelPoint, x) == 0 && offsetof(PixelPoint, y) == 4);

// Adding 1.5 * 2^52 rounds a real of magnitude below 2^31 to an integer in the rounding mode
// in force (to nearest, ties to even, as rounded_window_pixel rounds), which then fills the
// low 32 bits of the sum's bit pattern.
constexpr double rounding_shift = 6755399441055744.0;

template <bool HasX, bool HasZ>
[[gnu::always_inline]] inline bool project_kind(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                                int count, PixelPoint* pixels)
{
    double const ox = s.ScaledOrigin[axis_x], oy = s.ScaledOrigin[axis_y], oz = s.ScaledOrigin[axis_z];
    double const sx = s.Scale[axis_x], sy = s.Scale[axis_y], sz = s.Scale[axis_z];
    double const m11 = s.M11, m12 = s.M12, m21 = s.M21, m22 = s.M22, m23 = s.M23;
    double const offset_x = s.OffsetX, offset_y = s.OffsetY;
    Longs inside = Longs{} - 1;
    int k = 0;
    for (; k + 4 <= count; k += 4) {
        int64_t const i = first + k;
        Reals x, y, z;
        if constexpr (HasX)
            std::memcpy(&x, points.x + i, sizeof x);
        else
            x = Reals{0, 1, 2, 3} + static_cast<double>(i);
        std::memcpy(&y, points.y + i, sizeof y);
        if constexpr (HasZ)
            std::memcpy(&z, points.z + i, sizeof z);
        else
            z = Reals{} + points.z_plane;
        // project_from_origin and project, term by term.
        Reals const su = (x - ox) * sx;
        Reals const sv = (y - oy) * sy;
        Reals const wx = su * m11 + sv * m12 + half_pixel_bias + offset_x;
        Reals const wy = -su * m21 - sv * m22 - (z - oz) * sz * m23 + half_pixel_bias + offset_y;
        // Not finite fails every comparison.
        inside &= (wx > -window_limit) & (wx < window_limit) & (wy > -window_limit) & (wy < window_limit);
        Longs const columns = reinterpret_cast<Longs>(wx + rounding_shift) & 0xFFFFFFFF;
        Longs const rows = reinterpret_cast<Longs>(wy + rounding_shift) << 32;
        Longs const packed = columns | rows;
        std::memcpy(static_cast<void*>(pixels + k), &packed, sizeof packed);
    }
    bool simple = inside[0] != 0 && inside[1] != 0 && inside[2] != 0 && inside[3] != 0;
    for (; k < count; ++k) {
        int64_t const i = first + k;
        double const x = HasX ? points.x[i] : static_cast<double>(i);
        double const z = HasZ ? points.z[i] : points.z_plane;
        WindowPoint const at = project(s, x, points.y[i], z);
        simple = simple && inside_window_limit(at);
        pixels[k] = {rounded_window_pixel(at.x), rounded_window_pixel(at.y)};
    }
    return simple;
}

// Inlined into each processor's path below, so that each is compiled for its own.
[[gnu::always_inline]] inline bool project_block(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                                 int count, PixelPoint* pixels)
{
    if (points.x != nullptr)
        return points.z != nullptr ? project_kind<true, true>(s, points, first, count, pixels)
                                   : project_kind<true, false>(s, points, first, count, pixels);
    return points.z != nullptr ? project_kind<false, true>(s, points, first, count, pixels)
                               : project_kind<false, false>(s, points, first, count, pixels);
}

[[gnu::target("avx2")]] bool project_block_avx2(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                               int count, PixelPoint* pixels)
{
    return project_block(s, points, first, count, pixels);
}

bool project_block_sse2(EffectiveScales const& s, PointArrays const& points, int64_t first, int count,
                        PixelPoint* pixels)
{
    return project_block(s, points, first, count, pixels);
}

} // namespace

bool project_to_pixels(EffectiveScales const& s, PointArrays const& points, int64_t first, int count,
                       PixelPoint* pixels)
{
    assert(s.AllLinear);
    static bool const avx2 = __builtin_cpu_supports("avx2");
    return avx2 ? project_block_avx2(s, points, first, count, pixels)
                : project_block_sse2(s, points, first, count, pixels);
}

} // namespace kelvo
