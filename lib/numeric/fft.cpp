#include "lib/numeric/fft.h"

#include <cmath>
#include <cstddef>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "lib/numeric/numeric_errors.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/math_helpers.h"

namespace kelvo {

namespace {

// Element e (numbered from 1) is data[2(e-1)] + i data[2(e-1)+1].
struct ComplexArray {
    double* data;

    double& re(std::size_t e) { return data[2 * (e - 1)]; }
    double& im(std::size_t e) { return data[2 * (e - 1) + 1]; }

    void swap(std::size_t a, std::size_t b)
    {
        std::swap(re(a), re(b));
        std::swap(im(a), im(b));
    }
};

// Puts element i at the bit-reversed position of i (counting from 0), by the classic
// counter that adds 1 to j with the bits reversed.
void bit_reverse(ComplexArray x, std::size_t n)
{
    std::size_t j = 1;
    for (std::size_t i = 1; i < n; ++i) {
        if (i < j)
            x.swap(i, j);
        std::size_t k = n / 2;
        while (k < j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
}

// With the elements x[i] at a and x[ip] at b (real, imaginary):
// t = x[ip] * u; x[ip] = x[i] - t; x[i] = x[i] + t.
#if defined(__SSE2__)
// Both parts at once. The real part br*ur - bi*ui is formed as br*ur + bi*(-ui), which
// rounds identically, so the results are those of the scalar form bit for bit.
inline void butterfly(double* a, double* b, double ur, double ui)
{
    __m128d const u = _mm_set_pd(ui, ur);          // (ur, ui)
    __m128d const u_turned = _mm_set_pd(ur, -ui);  // (-ui, ur)
    __m128d const vb = _mm_loadu_pd(b);
    __m128d const va = _mm_loadu_pd(a);
    __m128d const br = _mm_unpacklo_pd(vb, vb);
    __m128d const bi = _mm_unpackhi_pd(vb, vb);
    __m128d const t = _mm_add_pd(_mm_mul_pd(br, u), _mm_mul_pd(bi, u_turned));
    _mm_storeu_pd(b, _mm_sub_pd(va, t));
    _mm_storeu_pd(a, _mm_add_pd(va, t));
}
#else
inline void butterfly(double* a, double* b, double ur, double ui)
{
    double const br = b[0];
    double const bi = b[1];
    double const ar = a[0];
    double const ai = a[1];
    double const tr = br * ur - bi * ui;
    double const ti = br * ui + bi * ur;
    b[0] = ar - tr;
    b[1] = ai - ti;
    a[0] = ar + tr;
    a[1] = ai + ti;
}
#endif

// u := u * (c, s).
inline void rotate(double& ur, double& ui, double c, double s)
{
    double const t = ur;
    ur = t * c - ui * s;
    ui = ui * c + t * s;
}

// How many twiddle factors are produced ahead, into a small table on the stack.
constexpr std::size_t twiddle_chunk = 32;
// Transforms up to this many elements (32 KiB) fit a first-level data cache.
constexpr std::size_t small_transform = 2048;

// One level: the twiddle factors u_0 .. u_{le1-1} by the recurrence u := u * (c, s), a
// chunk at a time, each chunk applied to every transform of the level before the next is
// produced. So the level walks the array once, touching each cache line once: applying one
// factor at a time would stride through the whole array by le elements per factor, and a
// power-of-two stride maps to a handful of cache sets and misses on every access.
void level_butterflies(ComplexArray x, std::size_t n, std::size_t le1, double c, double s)
{
    std::size_t const le = 2 * le1;
    if (le1 <= 2 || (n <= small_transform && le1 < twiddle_chunk)) {
        // One factor at a time, each applied in one sweep over the transforms: the first
        // two levels (one or two factors), and the levels of many short transforms when
        // the whole array stays in the first-level cache.
        double ur = 1.0;
        double ui = 0.0;
        for (std::size_t jj = 1; jj <= le1; ++jj) {
            for (std::size_t i = jj; i <= n; i += le)
                butterfly(&x.re(i), &x.re(i + le1), ur, ui);
            rotate(ur, ui, c, s);
        }
        return;
    }
    double twiddle_re[twiddle_chunk];
    double twiddle_im[twiddle_chunk];
    double ur = 1.0;
    double ui = 0.0;
    for (std::size_t first = 0; first < le1; first += twiddle_chunk) {
        std::size_t const count = le1 - first < twiddle_chunk ? le1 - first : twiddle_chunk;
        for (std::size_t t = 0; t < count; ++t) {
            twiddle_re[t] = ur;
            twiddle_im[t] = ui;
            rotate(ur, ui, c, s);
        }
        for (std::size_t start = 1 + first; start <= n; start += le) {
            // The pairs (start + t, start + t + le1): two runs of count elements.
            double* top = &x.re(start);
            double* bottom = &x.re(start + le1);
            for (std::size_t t = 0; t < count; ++t)
                butterfly(top + 2 * t, bottom + 2 * t, twiddle_re[t], twiddle_im[t]);
        }
    }
}

} // namespace

void fft(double* data, int32_t m, double isign)
{
    if (error_state().flag != 0)
        return;
    if (m < 1) {
        report_numerical_error(NumericalError::power_of_two_too_small);
        return;
    }
    if (m > max_fft_power) {
        set_error_by_code(range_check_error_code);
        return;
    }
    double const sign = sign_of(sign_of(isign) + 0.1); // -1 for isign < 0, else +1
    std::size_t const n = std::size_t{1} << m;
    ComplexArray x{data};

    // Radix-2 Cooley-Tukey, decimation in time: after the bit-reversal permutation, level
    // l combines pairs of transforms of length le1 = 2^(l-1) into transforms of length
    // le = 2^l with the twiddle factors u = w^jj, w = exp(sign 2 pi i / le). The
    // butterflies of one level touch disjoint pairs, so the order in which a level visits
    // them does not change the result.
    bit_reverse(x, n);

    // The rotation (c, s) for the next level comes from the half-angle formulae, so the
    // transform needs no trigonometric call: from w = -1 for le = 2.
    double c = -1.0;
    double s = 0.0;
    std::size_t le = 1;
    for (int32_t level = 1; level <= m; ++level) {
        std::size_t const le1 = le;
        le *= 2;
        level_butterflies(x, n, le1, c, s);
        s = sign * std::sqrt((1 - c) / 2);
        c = std::sqrt((1 + c) / 2);
    }
    error_state().flag = 0;
}

} // namespace kelvo
