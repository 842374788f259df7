#include "python/binding/callbacks.h"

#include <limits>
#include <string>

namespace kelvo::python {

namespace {

constexpr std::size_t kind_count = 4;

// The scope of each kind that the trampolines call now; the library is single-threaded and
// so is this table (the GIL is held throughout).
std::array<CallbackScope*, kind_count> current_scopes{};

CallbackScope*& current(CallbackKind kind)
{
    return current_scopes[static_cast<std::size_t>(kind)];
}

// The routines report 20901 "Error in function evaluation" for any error a function leaves
// pending; curves keep this one.
constexpr int32_t function_failed_code = 20901;

// A result as a real, as float() takes numbers: TypeError for anything else (texts too).
double real_number(py::handle value)
{
    if (!PyNumber_Check(value.ptr()))
        throw py::type_error("the function must return a real number, not " + py::repr(value).cast<std::string>());
    return static_cast<double>(py::float_(py::reinterpret_borrow<py::object>(value)));
}

void tell_library_the_function_failed()
{
    TkSetError(function_failed_code, "Error in function evaluation: the Python function raised an exception");
}

} // namespace

CallbackScope::CallbackScope(py::function function, CallbackKind kind)
    : function_(std::move(function))
    , kind_(kind)
    , previous_(current(kind))
{
    current(kind) = this;
}

CallbackScope::~CallbackScope()
{
    current(kind_) = previous_;
}

TkRealFunc CallbackScope::real_function() const
{
    switch (kind_) {
    case CallbackKind::real_function:
        return &call_real;
    case CallbackKind::plane_point:
        return &call_plane_point;
    case CallbackKind::space_point:
        return &call_space_point;
    case CallbackKind::derivatives:
        break;
    }
    return nullptr;
}

TkDerivsProc CallbackScope::derivatives() const
{
    return kind_ == CallbackKind::derivatives ? &call_derivatives : nullptr;
}

void CallbackScope::raise_failure()
{
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

template <typename Result, typename Work>
Result CallbackScope::call(CallbackKind kind, Result failed, Work&& work)
{
    CallbackScope* scope = current(kind);
    if (scope == nullptr || scope->failure_) {
        tell_library_the_function_failed();
        return failed;
    }
    try {
        return work(*scope);
    } catch (...) {
        scope->failure_ = std::current_exception();
        tell_library_the_function_failed();
        return failed;
    }
}

double CallbackScope::call_real(double x)
{
    return call(CallbackKind::real_function, std::numeric_limits<double>::quiet_NaN(),
                [&](CallbackScope& scope) { return real_number(scope.function_(x)); });
}

// A point function returns its point, or None where the curve has none (the pen lifts).
double CallbackScope::store_point(CallbackScope& scope, py::object point, std::size_t dimensions)
{
    if (point.is_none())
        return 0.0;
    if (!PySequence_Check(point.ptr()))
        throw py::type_error("the curve function must return a sequence of coordinates or None, not " +
                             py::repr(point).cast<std::string>());
    py::sequence coordinates = py::reinterpret_borrow<py::sequence>(point);
    if (coordinates.size() != dimensions)
        throw py::value_error("the curve function must return " + std::to_string(dimensions) +
                              " coordinates or None, not " + std::to_string(coordinates.size()) + " values");
    for (std::size_t i = 0; i < dimensions; ++i)
        scope.variables_[i] = real_number(coordinates[i]);
    return 1.0;
}

double CallbackScope::call_plane_point(double t)
{
    return call(CallbackKind::plane_point, 0.0,
                [&](CallbackScope& scope) { return store_point(scope, scope.function_(t), 2); });
}

double CallbackScope::call_space_point(double t)
{
    return call(CallbackKind::space_point, 0.0,
                [&](CallbackScope& scope) { return store_point(scope, scope.function_(t), 3); });
}

void CallbackScope::call_derivatives()
{
    call(CallbackKind::derivatives, 0, [](CallbackScope& scope) {
        scope.function_();
        return 0;
    });
}

} // namespace kelvo::python
