// The exported functions of the numerical subsystem.

#include <string_view>

#include "lib/kelvolib.h"
#include "lib/numeric/fft.h"
#include "lib/numeric/fmin.h"
#include "lib/numeric/formula_methods.h"
#include "lib/numeric/numeric_errors.h"
#include "lib/numeric/ode_set.h"
#include "lib/numeric/rkf45.h"
#include "lib/numeric/romberg.h"
#include "lib/numeric/zeroin.h"
#include "lib/runtime/guarded_call.h"

#include <limits>

using namespace kelvo;

namespace {

constexpr double no_result = std::numeric_limits<double>::quiet_NaN();

std::string_view text_of(char const* text)
{
    return text == nullptr ? std::string_view{} : std::string_view{text};
}

// A missing function cannot be evaluated: the call fails as if the function had.
double missing_function()
{
    report_numerical_error(NumericalError::function_failed);
    return no_result;
}

} // namespace

extern "C" {

double Zeroin(TkRealFunc f, double a, double b, double tol)
{
    return guarded_call(failed_result<double>(), [&]() -> double {
        if (f == nullptr)
            return missing_function();
        return zeroin(f, a, b, tol);
    });
}

double Fmin(TkRealFunc f, double a, double b, double tol)
{
    return guarded_call(failed_result<double>(), [&]() -> double {
        if (f == nullptr)
            return missing_function();
        return fmin(f, a, b, tol);
    });
}

int32_t TkFindRootByVar(const char* formula, const char* var_name, double* result, double a, double b, double tol)
{
    return guarded_code([&] {
        double value = 0.0;
        double& target = result != nullptr ? *result : value;
        return find_root_by_var(text_of(formula), text_of(var_name), target, a, b, tol);
    });
}

int32_t TkFindminByVar(const char* formula, const char* var_name, double* result, double a, double b, double tol)
{
    return guarded_code([&] {
        double value = 0.0;
        double& target = result != nullptr ? *result : value;
        return find_min_by_var(text_of(formula), text_of(var_name), target, a, b, tol);
    });
}

double Romb(int32_t m, TkRealFunc f, double* err_est, double a, double b)
{
    return guarded_call(failed_result<double>(), [&]() -> double {
        if (f == nullptr)
            return missing_function();
        double estimate = 0.0;
        double& target = err_est != nullptr ? *err_est : estimate;
        return romberg(m, f, target, a, b);
    });
}

int32_t TkIntegrateByVar(int32_t m, const char* formula, const char* var_name, double a, double b, double* result,
                         double* err_est)
{
    return guarded_code([&] {
        double value = 0.0;
        double estimate = 0.0;
        double& result_target = result != nullptr ? *result : value;
        double& estimate_target = err_est != nullptr ? *err_est : estimate;
        return integrate_by_var(m, text_of(formula), text_of(var_name), a, b, result_target, estimate_target);
    });
}

void Rkf(int32_t n, double* t, double* h, double abs_tol, double rel_tol, double h_min, TkDerivsProc derivs,
         double* y, double* dydt, int32_t* k, uint8_t* ok)
{
    guarded_call([&] {
        if (t == nullptr || h == nullptr || y == nullptr || dydt == nullptr || k == nullptr || ok == nullptr) {
            if (ok != nullptr)
                *ok = 0;
            return;
        }
        if (derivs == nullptr) {
            *ok = 0;
            report_numerical_error(NumericalError::function_failed);
            return;
        }
        rkf(n, *t, *h, abs_tol, rel_tol, h_min, derivs, y, dydt, *k, *ok);
    });
}

TkODE TkNewODE(int32_t n, const char* time_name, double abs_tol, double rel_tol)
{
    return guarded_call(TkODE{0}, [&] { return new_ode_set(n, text_of(time_name), abs_tol, rel_tol); });
}

void TkDisposeODE(TkODE set)
{
    guarded_call([&] { dispose_ode_set(set); });
}

int32_t TkSetODELine(TkODE set, int32_t i, const char* name, const char* rhs)
{
    return guarded_call(failed_result<int32_t>(), [&]() -> int32_t {
        OdeSet* found = find_ode_set(set);
        if (found != nullptr)
            guarded_call([&] { set_ode_line(*found, i, text_of(name), text_of(rhs)); });
        return 0;
    });
}

void TkSetODEValue(TkODE set, int32_t i, double value)
{
    guarded_call([&] {
        if (OdeSet* found = find_ode_set(set))
            set_ode_value(*found, i, value);
    });
}

void TkGetODEValueByVar(TkODE set, int32_t i, double* result)
{
    guarded_call([&] {
        OdeSet const* found = find_ode_set(set);
        if (found != nullptr && result != nullptr)
            *result = get_ode_value(*found, i);
    });
}

int32_t TkODESolve(TkODE set)
{
    return guarded_call(failed_result<int32_t>(), [&]() -> int32_t {
        // A set that does not exist cannot take a step.
        OdeSet* found = find_ode_set(set);
        if (found == nullptr)
            return failed_ode_step_code;
        return guarded_code([&] { return solve_ode_set(*found); });
    });
}

void Fft(double* data, int32_t m, double isign)
{
    guarded_call([&] {
        if (data != nullptr)
            fft(data, m, isign);
    });
}

} // extern "C"
