#include "lib/numeric/fft.h"

#include <cmath>
#include <cstddef>
#include <utility>

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
    // le = 2^l with the twiddle factors u = w^jj, w = exp(sign 2 pi i / le).
    bit_reverse(x, n);

    // The rotation (c, s) for the next level comes from the half-angle formulae, so the
    // transform needs no trigonometric call: from w = -1 for le = 2.
    double c = -1.0;
    double s = 0.0;
    std::size_t le = 1;
    for (int32_t level = 1; level <= m; ++level) {
        std::size_t const le1 = le;
        le *= 2;
        double ur = 1.0;
        double ui = 0.0;
        for (std::size_t jj = 1; jj <= le1; ++jj) {
            for (std::size_t i = jj; i <= n; i += le) {
                // The butterfly: t = x[ip] * u; x[ip] = x[i] - t; x[i] = x[i] + t.
                std::size_t const ip = i + le1;
                double const tr = x.re(ip) * ur - x.im(ip) * ui;
                double const ti = x.re(ip) * ui + x.im(ip) * ur;
                x.re(ip) = x.re(i) - tr;
                x.im(ip) = x.im(i) - ti;
                x.re(i) = x.re(i) + tr;
                x.im(i) = x.im(i) + ti;
            }
            double const t = ur;
            ur = t * c - ui * s;
            ui = ui * c + t * s;
        }
        s = sign * std::sqrt((1 - c) / 2);
        c = std::sqrt((1 + c) / 2);
    }
    error_state().flag = 0;
}

} // namespace kelvo
