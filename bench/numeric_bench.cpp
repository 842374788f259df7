// The numerical methods against GSL (and FFTW for the FFT) in the same program: the same
// functions, intervals and tolerances, with the function evaluations counted so that the
// time per evaluation compares too.

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>
#include <fftw3.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_fft_complex.h>
#include <gsl/gsl_integration.h>
#include <gsl/gsl_min.h>
#include <gsl/gsl_roots.h>

#include "lib/numeric/fft.h"
#include "lib/numeric/fmin.h"
#include "lib/numeric/romberg.h"
#include "lib/numeric/zeroin.h"
#include "lib/runtime/error_state.h"

namespace {

volatile double sink;
long evaluations = 0;

// The test functions, counting their calls.
double root_function(double x)
{
    ++evaluations;
    return std::cos(x) - x;
}

double min_function(double x)
{
    ++evaluations;
    return std::exp(x) - 2 * x + 0.1 * std::sin(5 * x);
}

// Cheap functions, so that the methods' own work per evaluation shows.
double cheap_root_function(double x)
{
    ++evaluations;
    return (x * x - 2) * x - 5;
}

double cheap_min_function(double x)
{
    ++evaluations;
    return (x * x - 2) * x;
}

double integrand(double x)
{
    ++evaluations;
    return std::exp(-x * x);
}

double gsl_adapter(double x, void* params)
{
    return reinterpret_cast<double (*)(double)>(params)(x);
}

gsl_function as_gsl(double (*f)(double))
{
    return gsl_function{&gsl_adapter, reinterpret_cast<void*>(f)};
}

void report_evaluations(benchmark::State& state)
{
    double per_call = static_cast<double>(evaluations) / static_cast<double>(state.iterations());
    state.counters["evals"] = per_call;
    // Time per function evaluation, from the measured time per call.
    state.counters["per_eval"] = benchmark::Counter(static_cast<double>(evaluations),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    evaluations = 0;
}

constexpr double root_tol = 1e-10;
constexpr double min_tol = 1e-6;

struct Problem {
    double (*f)(double);
    double a, b;
};

// cos(x) - x on [0, 1] and x^3 - 2x - 5 on [2, 3].
constexpr Problem root_problems[] = {{&root_function, 0, 1}, {&cheap_root_function, 2, 3}};
// exp(x) - 2x + sin(5x) / 10 and x^3 - 2x, both on [0, 2].
constexpr Problem min_problems[] = {{&min_function, 0, 2}, {&cheap_min_function, 0, 2}};

void BM_Zeroin(benchmark::State& state)
{
    Problem const& problem = root_problems[state.range(0)];
    evaluations = 0;
    for (auto _ : state) {
        kelvo::clear_error();
        sink = kelvo::zeroin(problem.f, problem.a, problem.b, root_tol);
    }
    report_evaluations(state);
}

void BM_GslBrentRoot(benchmark::State& state)
{
    Problem const& problem = root_problems[state.range(0)];
    gsl_set_error_handler_off();
    gsl_function f = as_gsl(problem.f);
    gsl_root_fsolver* solver = gsl_root_fsolver_alloc(gsl_root_fsolver_brent);
    evaluations = 0;
    for (auto _ : state) {
        gsl_root_fsolver_set(solver, &f, problem.a, problem.b);
        int status = GSL_CONTINUE;
        for (int pass = 0; pass < 100 && status == GSL_CONTINUE; ++pass) {
            gsl_root_fsolver_iterate(solver);
            status = gsl_root_test_interval(gsl_root_fsolver_x_lower(solver), gsl_root_fsolver_x_upper(solver),
                                            root_tol, 0);
        }
        sink = gsl_root_fsolver_root(solver);
    }
    report_evaluations(state);
    gsl_root_fsolver_free(solver);
}

void BM_Fmin(benchmark::State& state)
{
    Problem const& problem = min_problems[state.range(0)];
    evaluations = 0;
    for (auto _ : state) {
        kelvo::clear_error();
        sink = kelvo::fmin(problem.f, problem.a, problem.b, min_tol);
    }
    report_evaluations(state);
}

void BM_GslBrentMin(benchmark::State& state)
{
    Problem const& problem = min_problems[state.range(0)];
    gsl_set_error_handler_off();
    gsl_function f = as_gsl(problem.f);
    gsl_min_fminimizer* minimizer = gsl_min_fminimizer_alloc(gsl_min_fminimizer_brent);
    double const guess = problem.a + 0.5 * (3 - std::sqrt(5.0)) * (problem.b - problem.a);
    evaluations = 0;
    for (auto _ : state) {
        gsl_min_fminimizer_set(minimizer, &f, guess, problem.a, problem.b);
        // The same stopping rule as Fmin's (relative sqrt(1.2e-16) plus an absolute part)
        // and the same limit of 100 iterations.
        int status = GSL_CONTINUE;
        for (int pass = 0; pass < 100 && status == GSL_CONTINUE; ++pass) {
            gsl_min_fminimizer_iterate(minimizer);
            status = gsl_min_test_interval(gsl_min_fminimizer_x_lower(minimizer),
                                           gsl_min_fminimizer_x_upper(minimizer), min_tol, std::sqrt(1.2e-16));
        }
        sink = gsl_min_fminimizer_x_minimum(minimizer);
    }
    report_evaluations(state);
    gsl_min_fminimizer_free(minimizer);
}

void BM_Romb(benchmark::State& state)
{
    int32_t const m = static_cast<int32_t>(state.range(0));
    evaluations = 0;
    double err_est = 0;
    for (auto _ : state)
        sink = kelvo::romberg(m, &integrand, err_est, 0, 2);
    report_evaluations(state);
}

void BM_GslRomberg(benchmark::State& state)
{
    // Levels up to the same m; GSL stops early once the tolerance is met, so it may use
    // fewer evaluations than Romb, which always takes all m levels.
    gsl_set_error_handler_off();
    std::size_t const levels = static_cast<std::size_t>(state.range(0)) + 1;
    gsl_function f = as_gsl(&integrand);
    gsl_integration_romberg_workspace* workspace = gsl_integration_romberg_alloc(levels);
    evaluations = 0;
    for (auto _ : state) {
        double result = 0;
        std::size_t calls = 0;
        gsl_integration_romberg(&f, 0, 2, 0, 1e-14, &result, &calls, workspace);
        sink = result;
    }
    report_evaluations(state);
    gsl_integration_romberg_free(workspace);
}

// FFT: each iteration restores the input before transforming it (repeated transforms
// would grow without bound); BM_FftCopyOnly measures that copy alone. The input and the
// work area sit in one block, 2 KiB apart modulo 4 KiB: a copy between addresses that are
// nearly equal modulo 4 KiB stalls on false store-to-load dependencies and can take twenty
// times as long, which would swamp the transforms being compared.
class FftBuffers {
public:
    explicit FftBuffers(int m)
        : n_(std::size_t{1} << m)
        , block_(static_cast<double*>(fftw_malloc(sizeof(double) * (4 * n_ + 1024))))
    {
        std::size_t const aligned = (reinterpret_cast<std::uintptr_t>(block_) % 4096) / sizeof(double);
        input_ = block_ + (aligned == 0 ? 0 : 512 - aligned);
        work_ = input_ + 2 * n_ + 256;
        std::mt19937 random(1);
        std::uniform_real_distribution<double> value(-1, 1);
        for (std::size_t i = 0; i < 2 * n_; ++i)
            input_[i] = value(random);
    }
    ~FftBuffers() { fftw_free(block_); }
    FftBuffers(FftBuffers const&) = delete;
    FftBuffers& operator=(FftBuffers const&) = delete;

    std::size_t n() const { return n_; }
    double* work() { return work_; }
    void restore() { std::memcpy(work_, input_, 2 * n_ * sizeof(double)); }

private:
    std::size_t n_;
    double* block_;
    double* input_;
    double* work_;
};

void BM_FftCopyOnly(benchmark::State& state)
{
    FftBuffers buffers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        buffers.restore();
        benchmark::ClobberMemory();
    }
}

void BM_Fft(benchmark::State& state)
{
    int const m = static_cast<int>(state.range(0));
    FftBuffers buffers(m);
    for (auto _ : state) {
        buffers.restore();
        kelvo::fft(buffers.work(), m, -1);
        benchmark::ClobberMemory();
    }
    sink = buffers.work()[2];
}

void BM_GslFftRadix2(benchmark::State& state)
{
    FftBuffers buffers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        buffers.restore();
        gsl_fft_complex_radix2_forward(buffers.work(), 1, buffers.n());
        benchmark::ClobberMemory();
    }
    sink = buffers.work()[2];
}

void BM_Fftw(benchmark::State& state)
{
    FftBuffers buffers(static_cast<int>(state.range(0)));
    auto* work = reinterpret_cast<fftw_complex*>(buffers.work());
    fftw_plan plan = fftw_plan_dft_1d(static_cast<int>(buffers.n()), work, work, FFTW_FORWARD, FFTW_ESTIMATE);
    for (auto _ : state) {
        buffers.restore();
        fftw_execute(plan);
        benchmark::ClobberMemory();
    }
    sink = buffers.work()[2];
    fftw_destroy_plan(plan);
}

BENCHMARK(BM_Zeroin)->DenseRange(0, 1);
BENCHMARK(BM_GslBrentRoot)->DenseRange(0, 1);
BENCHMARK(BM_Fmin)->DenseRange(0, 1);
BENCHMARK(BM_GslBrentMin)->DenseRange(0, 1);
BENCHMARK(BM_Romb)->Arg(10);
BENCHMARK(BM_GslRomberg)->Arg(10);
BENCHMARK(BM_FftCopyOnly)->Arg(10)->Arg(16);
BENCHMARK(BM_Fft)->Arg(10)->Arg(16);
BENCHMARK(BM_GslFftRadix2)->Arg(10)->Arg(16);
BENCHMARK(BM_Fftw)->Arg(10)->Arg(16);

} // namespace

BENCHMARK_MAIN();
