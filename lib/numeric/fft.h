#pragma once

#include <cstdint>

namespace kelvo {

// The largest power of 2 whose count of elements fits the 32-bit arithmetic of the call.
inline constexpr int32_t max_fft_power = 30;

// The discrete Fourier transform of 2^m complex numbers (real, imaginary, ...) in place,
// unscaled: element k receives the sum over j of element j * exp(sign * 2 pi i j k / N),
// with sign -1 when isign < 0 and +1 otherwise. Does nothing while an error is pending;
// reports m < 1, and refuses m > 30 with a range-check error. Clears the error flag when
// done. Uses no memory besides the data.
void fft(double* data, int32_t m, double isign);

} // namespace kelvo
