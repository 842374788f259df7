// Fft: the stated small cases, the round trip, the error rows, and agreement with a direct
// O(N^2) discrete Fourier transform.

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"

namespace {

class FftTest : public ::testing::Test {
protected:
    void SetUp() override { kelvo::clear_error(); }
};

TEST_F(FftTest, PairForEitherSign)
{
    for (double sign : {-1.0, 1.0, 0.0}) {
        double data[] = {1, 0, 2, 0};
        Fft(data, 1, sign);
        EXPECT_EQ(data[0], 3.0);
        EXPECT_EQ(data[1], 0.0);
        EXPECT_EQ(data[2], -1.0);
        EXPECT_EQ(data[3], 0.0);
    }
}

TEST_F(FftTest, ImpulseGivesAllOnes)
{
    std::vector<double> data(2 * 8, 0.0);
    data[0] = 1.0;
    Fft(data.data(), 3, -1);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_DOUBLE_EQ(data[2 * k], 1.0) << k;
        EXPECT_DOUBLE_EQ(data[2 * k + 1], 0.0) << k;
    }
}

std::vector<double> random_data(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> data(2 * n);
    for (double& x : data)
        x = value(random);
    return data;
}

TEST_F(FftTest, ForwardThenInverseMultipliesByN)
{
    std::vector<double> original = random_data(64, 3);
    std::vector<double> data = original;
    Fft(data.data(), 6, -1);
    Fft(data.data(), 6, 1);
    for (std::size_t i = 0; i < data.size(); ++i)
        EXPECT_NEAR(data[i], 64 * original[i], 1e-12);
}

TEST_F(FftTest, ZeroSignIsTheInverseKernel)
{
    std::vector<double> a = random_data(16, 5);
    std::vector<double> b = a;
    Fft(a.data(), 4, 0);
    Fft(b.data(), 4, 2.5);
    EXPECT_EQ(a, b);
}

TEST_F(FftTest, PowerBelowOneIsReported)
{
    double data[] = {1, 2, 3, 4};
    Fft(data, 0, -1);
    EXPECT_EQ(kelvo::error_state().code, 20913);
    EXPECT_EQ(kelvo::error_state().message, "Power of 2 must be >= 1");
    EXPECT_EQ(data[0], 1.0);
    EXPECT_EQ(data[3], 4.0);
}

TEST_F(FftTest, PowerBeyondThirtyIsARangeCheck)
{
    // 2^31 elements cannot be counted in 32 bits; nothing is read or written.
    double data[] = {1, 2, 3, 4};
    Fft(data, 31, -1);
    EXPECT_EQ(kelvo::error_state().code, 201);
    EXPECT_EQ(data[1], 2.0);
}

TEST_F(FftTest, PendingErrorLeavesTheDataAlone)
{
    kelvo::set_error(20902, "f(a) and f(b) not of opposite sign");
    double data[] = {1, 0, 2, 0};
    Fft(data, 1, -1);
    EXPECT_EQ(data[0], 1.0);
    EXPECT_EQ(data[2], 2.0);
    EXPECT_EQ(kelvo::error_state().flag, 1);
}

TEST_F(FftTest, SuccessClearsTheFlagButNotTheCode)
{
    Fft(nullptr, 3, -1);
    kelvo::set_error(42, "earlier");
    kelvo::error_state().flag = 0;
    double data[] = {1, 0, 2, 0};
    Fft(data, 1, -1);
    EXPECT_EQ(kelvo::error_state().flag, 0);
    EXPECT_EQ(kelvo::error_state().code, 42);
}

// The definition, summed in extended precision.
std::vector<std::complex<long double>> direct_transform(std::vector<double> const& data, int sign)
{
    std::size_t n = data.size() / 2;
    std::vector<std::complex<long double>> result(n);
    long double const pi = std::numbers::pi_v<long double>;
    for (std::size_t k = 0; k < n; ++k) {
        std::complex<long double> sum = 0;
        for (std::size_t j = 0; j < n; ++j) {
            long double angle = sign * 2 * pi * static_cast<long double>((j * k) % n) / static_cast<long double>(n);
            sum += std::complex<long double>(data[2 * j], data[2 * j + 1]) *
                   std::complex<long double>(std::cos(angle), std::sin(angle));
        }
        result[k] = sum;
    }
    return result;
}

class FftAgainstDefinition : public ::testing::TestWithParam<int> {};

TEST_P(FftAgainstDefinition, AgreesToOnePartInTenToTheNine)
{
    int m = GetParam();
    std::size_t n = std::size_t{1} << m;
    for (int sign : {-1, 1}) {
        kelvo::clear_error();
        std::vector<double> data = random_data(n, 11 + static_cast<unsigned>(m));
        std::vector<std::complex<long double>> expected = direct_transform(data, sign);
        Fft(data.data(), m, sign);
        long double largest = 0;
        for (auto const& value : expected)
            largest = std::max(largest, std::abs(value));
        for (std::size_t k = 0; k < n; ++k) {
            std::complex<long double> got(data[2 * k], data[2 * k + 1]);
            ASSERT_LE(static_cast<double>(std::abs(got - expected[k]) / largest), 1e-9)
                << "element " << k << " sign " << sign;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FftAgainstDefinition, ::testing::Values(3, 10),
                         [](auto const& info) { return "TwoToThe" + std::to_string(info.param) + "Points"; });

// The transform as first written: the bit-reversal counter, then every level one twiddle
// factor at a time over all its butterflies, with scalar arithmetic.
void reference_transform(std::vector<double>& data, int m, double sign)
{
    std::size_t n = std::size_t{1} << m;
    auto re = [&](std::size_t e) -> double& { return data[2 * (e - 1)]; };
    auto im = [&](std::size_t e) -> double& { return data[2 * (e - 1) + 1]; };
    std::size_t j = 1;
    for (std::size_t i = 1; i < n; ++i) {
        if (i < j) {
            std::swap(re(i), re(j));
            std::swap(im(i), im(j));
        }
        std::size_t k = n / 2;
        while (k < j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
    double c = -1, s = 0;
    std::size_t le = 1;
    for (int level = 1; level <= m; ++level) {
        std::size_t le1 = le;
        le *= 2;
        double ur = 1, ui = 0;
        for (std::size_t jj = 1; jj <= le1; ++jj) {
            for (std::size_t i = jj; i <= n; i += le) {
                std::size_t ip = i + le1;
                double tr = re(ip) * ur - im(ip) * ui;
                double ti = re(ip) * ui + im(ip) * ur;
                re(ip) = re(i) - tr;
                im(ip) = im(i) - ti;
                re(i) = re(i) + tr;
                im(i) = im(i) + ti;
            }
            double t = ur;
            ur = t * c - ui * s;
            ui = ui * c + t * s;
        }
        s = sign * std::sqrt((1 - c) / 2);
        c = std::sqrt((1 + c) / 2);
    }
}

TEST_F(FftTest, CacheFriendlyOrderGivesTheSameBitsAsTheFirstForm)
{
    // The library visits each level's butterflies in another order and computes both
    // parts of a product at once; neither may change a single bit of the result.
    for (int m = 1; m <= 13; ++m) {
        for (double sign : {-1.0, 1.0}) {
            std::vector<double> expected = random_data(std::size_t{1} << m, 100 + static_cast<unsigned>(m));
            std::vector<double> data = expected;
            reference_transform(expected, m, sign);
            Fft(data.data(), m, sign);
            ASSERT_EQ(data, expected) << "m = " << m << ", sign " << sign;
        }
    }
}

} // namespace
