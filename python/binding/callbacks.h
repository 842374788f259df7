#pragma once

// Python callables as the caller's functions of the library. The library calls them
// through plain C function pointers without a context, so a CallbackScope makes one
// callable the one that the trampoline of its kind calls while one library call runs.
// Scopes nest (a callable may call the library again) and each restores the one before.
//
// A callable that raises ends the library call cleanly: the exception is kept, the
// library's error state is told that the function failed (which stops the routine or
// curve that called it), further calls of the trampoline return at once, and the
// exception is raised again once the library call has returned.

#include <pybind11/pybind11.h>

#include <array>
#include <exception>
#include <type_traits>
#include <utility>

#include <kelvo/kelvolib.h>

namespace kelvo::python {

namespace py = pybind11;

enum class CallbackKind {
    real_function, // f(x) -> float: Zeroin, Fmin, Romb, TkDrawCurveFunc1
    plane_point,   // f(t) -> (x, y) or None: TkDrawCurveFunc2
    space_point,   // f(t) -> (x, y, z) or None: TkDrawCurveFunc3
    derivatives,   // f() -> None, reading and writing the buffers given to Rkf
};

class CallbackScope {
public:
    CallbackScope(py::function function, CallbackKind kind);
    ~CallbackScope();
    CallbackScope(CallbackScope const&) = delete;
    CallbackScope& operator=(CallbackScope const&) = delete;

    // The trampoline to hand to the library (for derivatives, use derivatives()).
    TkRealFunc real_function() const;
    TkDerivsProc derivatives() const;
    // The variables that the point trampolines fill, for TkDrawCurveFunc2 and 3.
    double* variable(std::size_t index) { return &variables_[index]; }

    // After the library call: raises what the callable raised, if it did.
    void raise_failure();

private:
    template <typename Result, typename Work>
    static Result call(CallbackKind kind, Result failed, Work&& work);
    static double call_real(double x);
    static double call_plane_point(double t);
    static double call_space_point(double t);
    static void call_derivatives();
    static double store_point(CallbackScope& scope, py::object point, std::size_t dimensions);

    py::function function_;
    CallbackKind kind_;
    CallbackScope* previous_;
    std::exception_ptr failure_;
    std::array<double, 3> variables_{};
};

// Runs one library call with function as the callable of its kind: call(scope) makes the
// call with the scope's trampoline; what the callable raised is raised after it.
template <typename Call>
auto call_with(py::function function, CallbackKind kind, Call&& call)
{
    CallbackScope scope(std::move(function), kind);
    if constexpr (std::is_void_v<decltype(call(scope))>) {
        call(scope);
        scope.raise_failure();
    } else {
        auto result = call(scope);
        scope.raise_failure();
        return result;
    }
}

} // namespace kelvo::python
