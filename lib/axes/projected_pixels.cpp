#include "lib/axes/projected_pixels.h"

#include <algorithm>
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
// low 32 bits of the sum's bit pattern; taking it away again leaves the integer as a real.
constexpr double rounding_shift = 6755399441055744.0;

// The window coordinates of four points, as project() computes each, and whether all lie
// inside the window limit (not finite fails every comparison).
template <bool HasX, bool HasZ>
class FourPoints {
public:
    FourPoints(EffectiveScales const& s, PointArrays const& points)
        : points_(points)
        , ox_(s.ScaledOrigin[axis_x])
        , oy_(s.ScaledOrigin[axis_y])
        , oz_(s.ScaledOrigin[axis_z])
        , sx_(s.Scale[axis_x])
        , sy_(s.Scale[axis_y])
        , sz_(s.Scale[axis_z])
        , m11_(s.M11)
        , m12_(s.M12)
        , m21_(s.M21)
        , m22_(s.M22)
        , m23_(s.M23)
        , offset_x_(s.OffsetX)
        , offset_y_(s.OffsetY)
    {
    }

    [[gnu::always_inline]] void project(int64_t i, Reals& wx, Reals& wy, Longs& inside) const
    {
        Reals x, y, z;
        if constexpr (HasX)
            std::memcpy(&x, points_.x + i, sizeof x);
        else
            x = Reals{0, 1, 2, 3} + static_cast<double>(i);
        std::memcpy(&y, points_.y + i, sizeof y);
        if constexpr (HasZ)
            std::memcpy(&z, points_.z + i, sizeof z);
        else
            z = Reals{} + points_.z_plane;
        // project_from_origin and project, term by term.
        Reals const su = (x - ox_) * sx_;
        Reals const sv = (y - oy_) * sy_;
        wx = su * m11_ + sv * m12_ + half_pixel_bias + offset_x_;
        wy = -su * m21_ - sv * m22_ - (z - oz_) * sz_ * m23_ + half_pixel_bias + offset_y_;
        inside &= (wx > -window_limit) & (wx < window_limit) & (wy > -window_limit) & (wy < window_limit);
    }

    // One point by the scalar projection, for the points after the last group of four.
    [[gnu::always_inline]] WindowPoint one(EffectiveScales const& s, int64_t i) const
    {
        double const x = HasX ? points_.x[i] : static_cast<double>(i);
        double const z = HasZ ? points_.z[i] : points_.z_plane;
        return kelvo::project(s, x, points_.y[i], z);
    }

private:
    PointArrays points_;
    double ox_, oy_, oz_, sx_, sy_, sz_, m11_, m12_, m21_, m22_, m23_, offset_x_, offset_y_;
};

[[gnu::always_inline]] inline bool all_lanes(Longs const& lanes)
{
    return (lanes[0] & lanes[1] & lanes[2] & lanes[3]) != 0;
}

template <bool HasX, bool HasZ>
[[gnu::always_inline]] inline bool pixels_kind(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                               int count, PixelPoint* pixels)
{
    FourPoints<HasX, HasZ> const four(s, points);
    Longs inside = Longs{} - 1;
    int k = 0;
    for (; k + 4 <= count; k += 4) {
        Reals wx, wy;
        four.project(first + k, wx, wy, inside);
        Longs const columns = reinterpret_cast<Longs>(wx + rounding_shift) & 0xFFFFFFFF;
        Longs const rows = reinterpret_cast<Longs>(wy + rounding_shift) << 32;
        Longs const packed = columns | rows;
        std::memcpy(static_cast<void*>(pixels + k), &packed, sizeof packed);
    }
    bool simple = all_lanes(inside);
    for (; k < count; ++k) {
        WindowPoint const at = four.one(s, first + k);
        simple = simple && inside_window_limit(at);
        pixels[k] = {rounded_window_pixel(at.x), rounded_window_pixel(at.y)};
    }
    return simple;
}

// A column run being extended: its lowest and highest rows are kept lane by lane while whole
// groups of four points fall in its column, which at millions of points is nearly always.
class OpenRun {
public:
    [[gnu::always_inline]] explicit OpenRun(ColumnRun const& run)
        : x_(run.x), first_(run.first), last_(run.last), low_(Reals{} + run.low), high_(Reals{} + run.high)
    {
    }

    [[gnu::always_inline]] bool takes_all(Reals const& xs1, Reals const& xs2) const
    {
        double const x = x_;
        return all_lanes((xs1 == x) & (xs2 == x));
    }
    [[gnu::always_inline]] void extend(Reals const& ys1, Reals const& ys2)
    {
        Reals const low = ys1 < ys2 ? ys1 : ys2;
        Reals const high = ys1 > ys2 ? ys1 : ys2;
        low_ = low < low_ ? low : low_;
        high_ = high > high_ ? high : high_;
        last_ = ys2[3];
    }
    // One more pixel: the run grows, or is written out and the pixel starts the next.
    [[gnu::always_inline]] void add(PixelPoint p, ColumnRun* closed, int& count)
    {
        if (p.x == x_) {
            low_[0] = std::min(low_[0], static_cast<double>(p.y));
            high_[0] = std::max(high_[0], static_cast<double>(p.y));
            last_ = static_cast<double>(p.y);
            return;
        }
        closed[count++] = run();
        *this = OpenRun(ColumnRun::at(p));
    }
    // Four pixels, lane by lane. Points beyond the limit give junk here, and the block is
    // refused then.
    [[gnu::always_inline]] void add_each(Reals const& xs, Reals const& ys, ColumnRun* closed, int& count)
    {
        for (int lane = 0; lane < 4; ++lane)
            if (xs[lane] > -window_limit && xs[lane] < window_limit && ys[lane] > -window_limit
                && ys[lane] < window_limit)
                add({static_cast<int32_t>(xs[lane]), static_cast<int32_t>(ys[lane])}, closed, count);
    }
    [[gnu::always_inline]] ColumnRun run() const
    {
        double const low = std::min(std::min(low_[0], low_[1]), std::min(low_[2], low_[3]));
        double const high = std::max(std::max(high_[0], high_[1]), std::max(high_[2], high_[3]));
        return {x_, first_, row(last_), row(low), row(high)};
    }

private:
    // A row as a pixel. Rows of points beyond the limit, which the block is refused for, are
    // junk that must not be converted.
    [[gnu::always_inline]] static int32_t row(double y)
    {
        return y > -window_limit && y < window_limit ? static_cast<int32_t>(y) : 0;
    }

    int32_t x_, first_;
    double last_;
    Reals low_, high_;
};

template <bool HasX, bool HasZ>
[[gnu::always_inline]] inline std::optional<ColumnRuns> runs_kind(EffectiveScales const& s, PointArrays const& points,
                                                                  int64_t first, int count, ColumnRun open,
                                                                  ColumnRun* closed)
{
    FourPoints<HasX, HasZ> const four(s, points);
    Longs inside = Longs{} - 1;
    OpenRun run(open);
    int written = 0;
    int k = 0;
    // Eight points at a time: one test whether all stay in the run's column.
    for (; k + 8 <= count; k += 8) {
        Reals wx1, wy1, wx2, wy2;
        four.project(first + k, wx1, wy1, inside);
        four.project(first + k + 4, wx2, wy2, inside);
        Reals const xs1 = (wx1 + rounding_shift) - rounding_shift;
        Reals const ys1 = (wy1 + rounding_shift) - rounding_shift;
        Reals const xs2 = (wx2 + rounding_shift) - rounding_shift;
        Reals const ys2 = (wy2 + rounding_shift) - rounding_shift;
        if (run.takes_all(xs1, xs2)) {
            run.extend(ys1, ys2);
            continue;
        }
        run.add_each(xs1, ys1, closed, written);
        run.add_each(xs2, ys2, closed, written);
    }
    for (; k + 4 <= count; k += 4) {
        Reals wx, wy;
        four.project(first + k, wx, wy, inside);
        run.add_each((wx + rounding_shift) - rounding_shift, (wy + rounding_shift) - rounding_shift, closed, written);
    }
    bool simple = all_lanes(inside);
    for (; k < count; ++k) {
        WindowPoint const at = four.one(s, first + k);
        if (!inside_window_limit(at))
            return std::nullopt;
        run.add({rounded_window_pixel(at.x), rounded_window_pixel(at.y)}, closed, written);
    }
    if (!simple)
        return std::nullopt;
    return ColumnRuns{written, run.run()};
}

// Inlined into each processor's path below, so that each is compiled for its own (which a
// lambda would not be: it keeps no target of the function around it).
[[gnu::always_inline]] inline bool pixels_block(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                                int count, PixelPoint* pixels)
{
    if (points.x != nullptr)
        return points.z != nullptr ? pixels_kind<true, true>(s, points, first, count, pixels)
                                   : pixels_kind<true, false>(s, points, first, count, pixels);
    return points.z != nullptr ? pixels_kind<false, true>(s, points, first, count, pixels)
                               : pixels_kind<false, false>(s, points, first, count, pixels);
}

[[gnu::always_inline]] inline std::optional<ColumnRuns> runs_block(EffectiveScales const& s,
                                                                   PointArrays const& points, int64_t first,
                                                                   int count, ColumnRun open, ColumnRun* closed)
{
    if (points.x != nullptr)
        return points.z != nullptr ? runs_kind<true, true>(s, points, first, count, open, closed)
                                   : runs_kind<true, false>(s, points, first, count, open, closed);
    return points.z != nullptr ? runs_kind<false, true>(s, points, first, count, open, closed)
                               : runs_kind<false, false>(s, points, first, count, open, closed);
}

[[gnu::target("avx2")]] bool pixels_avx2(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                         int count, PixelPoint* pixels)
{
    return pixels_block(s, points, first, count, pixels);
}

bool pixels_sse2(EffectiveScales const& s, PointArrays const& points, int64_t first, int count, PixelPoint* pixels)
{
    return pixels_block(s, points, first, count, pixels);
}

[[gnu::target("avx2")]] std::optional<ColumnRuns> runs_avx2(EffectiveScales const& s, PointArrays const& points,
                                                            int64_t first, int count, ColumnRun open,
                                                            ColumnRun* closed)
{
    return runs_block(s, points, first, count, open, closed);
}

std::optional<ColumnRuns> runs_sse2(EffectiveScales const& s, PointArrays const& points, int64_t first, int count,
                                    ColumnRun open, ColumnRun* closed)
{
    return runs_block(s, points, first, count, open, closed);
}

bool has_avx2()
{
    static bool const avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}

} // namespace

bool project_to_pixels(EffectiveScales const& s, PointArrays const& points, int64_t first, int count,
                       PixelPoint* pixels)
{
    assert(s.AllLinear);
    return has_avx2() ? pixels_avx2(s, points, first, count, pixels) : pixels_sse2(s, points, first, count, pixels);
}

std::optional<ColumnRuns> project_to_column_runs(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                                 int count, ColumnRun open, ColumnRun* closed)
{
    assert(s.AllLinear);
    return has_avx2() ? runs_avx2(s, points, first, count, open, closed)
                      : runs_sse2(s, points, first, count, open, closed);
}

} // namespace kelvo
