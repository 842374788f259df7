// Numerical methods. The caller's functions are Python callables; the buffers of Rkf() and
// Fft() are numpy arrays that the library reads and writes in place.

#include "python/binding/binding.h"
#include "python/binding/callbacks.h"

#include <kelvo/kelvolib.h>

#include <limits>

namespace kelvo::python {

namespace {

constexpr double untouched = std::numeric_limits<double>::quiet_NaN();

// The counts the library accepts; outside them it refuses without touching the buffers, so
// only counts inside are checked against the buffers' sizes.
constexpr int32_t most_rkf_equations = 30;
constexpr int32_t largest_fft_power = 30;

// Zeroin() and Fmin(), which search [a, b] for a point of the caller's function.
template <double (*search)(TkRealFunc, double, double, double)>
double with_function(py::function f, double a, double b, double tol)
{
    return call_with(std::move(f), CallbackKind::real_function,
                     [&](CallbackScope& scope) { return search(scope.real_function(), a, b, tol); });
}

// TkFindRootByVar() and TkFindminByVar(), the same searches of a formula: (code, result).
template <int32_t (*search)(char const*, char const*, double*, double, double, double)>
py::tuple by_formula(char const* formula, char const* var_name, double a, double b, double tol)
{
    double result = untouched;
    int32_t const code = search(formula, var_name, &result, a, b, tol);
    return py::make_tuple(code, result);
}

} // namespace

void bind_numerics(py::module_& module)
{
    module.def("Zeroin", &with_function<&Zeroin>, py::arg("f"), py::arg("a"), py::arg("b"), py::arg("tol"),
               "f(x) -> float.");
    module.def("Fmin", &with_function<&Fmin>, py::arg("f"), py::arg("a"), py::arg("b"), py::arg("tol"),
               "f(x) -> float.");
    module.def("TkFindRootByVar", &by_formula<&TkFindRootByVar>, py::arg("formula"), py::arg("var_name"),
               py::arg("a"), py::arg("b"), py::arg("tol"), "(code, result)");
    module.def("TkFindminByVar", &by_formula<&TkFindminByVar>, py::arg("formula"), py::arg("var_name"), py::arg("a"),
               py::arg("b"), py::arg("tol"), "(code, result)");
    module.def(
        "Romb", [](int32_t m, py::function f, double a, double b) {
            double estimate = untouched;
            double const integral = call_with(std::move(f), CallbackKind::real_function, [&](CallbackScope& scope) {
                return Romb(m, scope.real_function(), &estimate, a, b);
            });
            return py::make_tuple(integral, estimate);
        },
        py::arg("m"), py::arg("f"), py::arg("a"), py::arg("b"), "(integral, err_est); f(x) -> float.");
    module.def(
        "TkIntegrateByVar", [](int32_t m, char const* formula, char const* var_name, double a, double b) {
            double result = untouched;
            double estimate = untouched;
            int32_t const code = TkIntegrateByVar(m, formula, var_name, a, b, &result, &estimate);
            return py::make_tuple(code, result, estimate);
        },
        py::arg("m"), py::arg("formula"), py::arg("var_name"), py::arg("a"), py::arg("b"), "(code, result, err_est)");
    module.def(
        "Rkf",
        [](int32_t n, py::object t, py::object h, double abs_tol, double rel_tol, double h_min, py::function derivs,
           py::object y, py::object dydt, py::object k) {
            Buffer<double> const time(t, "t", Access::write);
            Buffer<double> const step(h, "h", Access::write);
            Buffer<double> const state(y, "y", Access::write);
            Buffer<double> const derivatives(dydt, "dydt", Access::write);
            Buffer<int32_t> const counter(k, "k", Access::write);
            time.require(1, "t");
            step.require(1, "h");
            counter.require(1, "k");
            if (n >= 1 && n <= most_rkf_equations) {
                state.require(static_cast<std::size_t>(n), "y");
                derivatives.require(static_cast<std::size_t>(n), "dydt");
            }
            uint8_t ok = 0;
            call_with(std::move(derivs), CallbackKind::derivatives, [&](CallbackScope& scope) {
                Rkf(n, time.data(), step.data(), abs_tol, rel_tol, h_min, scope.derivatives(), state.data(),
                    derivatives.data(), counter.data(), &ok);
            });
            return ok;
        },
        py::arg("n"), py::arg("t"), py::arg("h"), py::arg("abs_tol"), py::arg("rel_tol"), py::arg("h_min"),
        py::arg("derivs"), py::arg("y"), py::arg("dydt"), py::arg("k"),
        "One accepted step; returns ok. t, h (float64), y, dydt (float64, n each) and k (int32) are numpy arrays "
        "read and written in place, where derivs() reads t[0] and y and writes dydt.");
    module.def("TkNewODE", &TkNewODE, py::arg("n"), py::arg("time_name"), py::arg("abs_tol"), py::arg("rel_tol"));
    module.def("TkDisposeODE", &TkDisposeODE, py::arg("set"));
    module.def("TkSetODELine", &TkSetODELine, py::arg("set"), py::arg("i"), py::arg("name"), py::arg("rhs"));
    module.def("TkSetODEValue", &TkSetODEValue, py::arg("set"), py::arg("i"), py::arg("value"));
    module.def("TkGetODEValueByVar", &written_real<&TkGetODEValueByVar, TkODE, int32_t>, py::arg("set"), py::arg("i"));
    module.def("TkODESolve", &TkODESolve, py::arg("set"));
    module.def(
        "Fft", [](py::object data, int32_t m, double isign) {
            Buffer<double> const numbers(data, "data", Access::write);
            if (m >= 1 && m <= largest_fft_power)
                numbers.require(std::size_t{2} << m, "data");
            Fft(numbers.data(), m, isign);
        },
        py::arg("data"), py::arg("m"), py::arg("isign"),
        "data: a float64 numpy array of 2^m (real, imaginary) pairs, transformed in place.");
}

} // namespace kelvo::python
