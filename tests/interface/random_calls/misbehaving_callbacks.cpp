#include "tests/interface/random_calls/misbehaving_callbacks.h"

#include <cmath>
#include <iterator>
#include <limits>

#include "lib/kelvolib.h"
#include "tests/interface/random_calls/call_frame.h"
#include "tests/interface/random_calls/session.h"
#include "tests/interface/random_calls/value_sources.h"

namespace kelvo::calls {

namespace {

double const nan = std::numeric_limits<double>::quiet_NaN();
double const infinity = std::numeric_limits<double>::infinity();

// How many times the current callback has been called, for callbacks that fail now and then.
unsigned long long& callback_calls()
{
    static unsigned long long count = 0;
    return count;
}

// Leaves an error pending in the library's error state: a negative base with a fractional
// exponent is a range check error.
void leave_error_pending()
{
    static_cast<void>(RaisePower(-2.0, 0.5));
}

void close_running_call_handles()
{
    if (Session* session = Session::active()) {
        session->close_handles_of_running_call(HandleKind::graph);
        session->close_handles_of_running_call(HandleKind::window);
    }
}

void dispose_running_call_handles()
{
    if (Session* session = Session::active()) {
        session->close_handles_of_running_call(HandleKind::array);
        session->close_handles_of_running_call(HandleKind::ode);
        session->close_handles_of_running_call(HandleKind::image);
    }
}

void call_library()
{
    if (Session* session = Session::active())
        session->call_from_callback();
}

double random_value()
{
    Session* session = Session::active();
    return session == nullptr ? nan : random_real(session->random());
}

// ---- double f(double) ----

double identity(double x) { return x; }
double shifted_sine(double x) { return std::sin(x) - 0.5; }
double parabola(double x) { return x * x - 2; }
double reciprocal(double x) { return 1 / x; }
double exponential(double x) { return std::exp(x); }
double not_a_number(double) { return nan; }
double plus_infinity(double) { return infinity; }
double minus_infinity(double) { return -infinity; }
double zero(double) { return 0; }
double huge(double x) { return x < 0 ? -1e308 : 1e308; }
double denormal(double) { return std::numeric_limits<double>::denorm_min(); }
double random_values(double) { return random_value(); }
double nan_now_and_then(double x) { return ++callback_calls() % 5 == 0 ? nan : std::cos(x); }
double calls_library(double x)
{
    call_library();
    return std::sin(x);
}
double closes_graphs(double x)
{
    close_running_call_handles();
    return x - 1;
}
double disposes_handles(double x)
{
    dispose_running_call_handles();
    return x * x - 1;
}
double evaluates_formula(double x)
{
    double result = 0;
    static_cast<void>(TkEvaluate1ByVar("sin(x)/(1+x)", "x", &result, x));
    return result;
}
double leaves_error(double x)
{
    leave_error_pending();
    return x;
}

constexpr NamedCallback<double (*)(double)> real_functions[] = {
    {"f(x) = x", identity},
    {"f(x) = sin x - 0.5", shifted_sine},
    {"f(x) = x^2 - 2", parabola},
    {"f(x) = 1/x", reciprocal},
    {"f(x) = exp x", exponential},
    {"f returns NaN", not_a_number},
    {"f returns +Inf", plus_infinity},
    {"f returns -Inf", minus_infinity},
    {"f returns 0", zero},
    {"f returns +-1e308", huge},
    {"f returns a denormal", denormal},
    {"f returns random reals", random_values},
    {"f returns NaN every fifth call", nan_now_and_then},
    {"f calls the library", calls_library},
    {"f closes the call's graphs and windows", closes_graphs},
    {"f disposes the call's arrays, ODE sets and images", disposes_handles},
    {"f evaluates a formula", evaluates_formula},
    {"f leaves an error pending", leaves_error},
};

// ---- void derivs(void): writes the running call's derivative buffers ----

template <typename Value>
void write_derivatives(Value value)
{
    Session* session = Session::active();
    CallFrame* frame = session == nullptr ? nullptr : session->innermost();
    if (frame == nullptr)
        return;
    constexpr std::size_t count = buffer_bytes / sizeof(double);
    for (double* dydt : frame->derivative_outputs())
        for (std::size_t i = 0; i < count; ++i)
            dydt[i] = value(i);
}

void harmonic() { write_derivatives([](std::size_t i) { return std::sin(static_cast<double>(i)); }); }
void zeros() { write_derivatives([](std::size_t) { return 0.0; }); }
void first_not_a_number() { write_derivatives([](std::size_t i) { return i == 0 ? nan : 1.0; }); }
void infinite() { write_derivatives([](std::size_t) { return infinity; }); }
void huge_derivatives() { write_derivatives([](std::size_t) { return 1e308; }); }
void stiff()
{
    double const sign = ++callback_calls() % 2 == 0 ? 1 : -1;
    write_derivatives([sign](std::size_t i) { return sign * 1e6 * static_cast<double>(i + 1); });
}
void random_derivatives() { write_derivatives([](std::size_t) { return random_value(); }); }
void leaves_untouched() {}
void derivs_calls_library()
{
    call_library();
    harmonic();
}
void derivs_closes_graphs()
{
    close_running_call_handles();
    zeros();
}
void derivs_disposes_handles()
{
    dispose_running_call_handles();
    harmonic();
}
void derivs_leaves_error()
{
    leave_error_pending();
    harmonic();
}

constexpr NamedCallback<void (*)()> derivatives_routines[] = {
    {"derivs: sin i", harmonic},
    {"derivs: zeros", zeros},
    {"derivs: NaN first", first_not_a_number},
    {"derivs: +Inf", infinite},
    {"derivs: 1e308", huge_derivatives},
    {"derivs: stiff, alternating", stiff},
    {"derivs: random reals", random_derivatives},
    {"derivs: writes nothing", leaves_untouched},
    {"derivs calls the library", derivs_calls_library},
    {"derivs closes the call's graphs and windows", derivs_closes_graphs},
    {"derivs disposes the call's arrays, ODE sets and images", derivs_disposes_handles},
    {"derivs leaves an error pending", derivs_leaves_error},
};

} // namespace

NamedCallback<double (*)(double)> random_real_function(Random& random)
{
    callback_calls() = 0;
    return real_functions[random.below(std::size(real_functions))];
}

NamedCallback<void (*)()> random_derivatives_routine(Random& random)
{
    callback_calls() = 0;
    return derivatives_routines[random.below(std::size(derivatives_routines))];
}

} // namespace kelvo::calls
