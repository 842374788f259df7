#include "tests/interface/random_calls/misbehaving_callbacks.h"

#include <cmath>
#include <iterator>
#include <limits>

#include "lib/kelvolib.h"
#include "tests/interface/random_calls/call_frame.h"
#include "tests/interface/random_calls/session.h"

namespace kelvo::calls {

namespace {

double const nan = std::numeric_limits<double>::quiet_NaN();
double const infinity = std::numeric_limits<double>::infinity();

// How many times the current callback has been called, for callbacks that change from
// call to call.
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
    return session == nullptr ? nan : random_real(session->random(), Hostility::hostile);
}

// ---- double f(double) ----

double identity(double x) { return x; }
double shifted_sine(double x) { return std::sin(x) - 0.5; }
double parabola(double x) { return x * x - 2; }
double gaussian(double x) { return std::exp(-x * x); }
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

// The well-behaved ones first: plausible draws take only those.
constexpr std::size_t well_behaved_real_functions = 5;
constexpr NamedCallback<double (*)(double)> real_functions[] = {
    {"f(x) = x", identity},
    {"f(x) = sin x - 0.5", shifted_sine},
    {"f(x) = x^2 - 2", parabola},
    {"f(x) = exp(-x^2)", gaussian},
    {"f evaluates a formula", evaluates_formula},
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
    {"f leaves an error pending", leaves_error},
};

// ---- void derivs(void): reads t and y, writes dydt, through the running call's buffers ----

constexpr std::size_t derivative_count = buffer_bytes / sizeof(double);

// Calls rule(t, y, i) for every element of every derivative buffer of the running call; t
// and y read as 0 where the call has no such buffer.
template <typename Rule>
void write_derivatives(Rule rule)
{
    Session* session = Session::active();
    CallFrame* frame = session == nullptr ? nullptr : session->innermost();
    if (frame == nullptr)
        return;
    DerivativeBuffers const& buffers = frame->derivative_buffers();
    double const t = buffers.time == nullptr ? 0.0 : *buffers.time;
    for (double* dydt : buffers.outputs)
        for (std::size_t i = 0; i < derivative_count; ++i) {
            double const y = buffers.state == nullptr ? 0.0 : buffers.state[i];
            double const partner = buffers.state == nullptr ? 0.0 : buffers.state[i ^ 1];
            dydt[i] = rule(t, y, partner, i);
        }
}

void decay() { write_derivatives([](double, double y, double, std::size_t) { return -y; }); }
void oscillator()
{
    write_derivatives([](double, double, double partner, std::size_t i) { return i % 2 == 0 ? partner : -partner; });
}
void forced() { write_derivatives([](double t, double y, double, std::size_t) { return std::cos(t) - 0.1 * y; }); }
void growth() { write_derivatives([](double t, double y, double, std::size_t) { return t * y; }); }
void constant() { write_derivatives([](double, double, double, std::size_t i) { return std::sin(double(i)); }); }
void blow_up() { write_derivatives([](double, double y, double, std::size_t) { return 1 + y * y; }); }
void zeros() { write_derivatives([](double, double, double, std::size_t) { return 0.0; }); }
void first_not_a_number()
{
    write_derivatives([](double, double y, double, std::size_t i) { return i == 0 ? nan : -y; });
}
void infinite() { write_derivatives([](double, double, double, std::size_t) { return infinity; }); }
void huge_derivatives() { write_derivatives([](double, double, double, std::size_t) { return 1e308; }); }
void stiff()
{
    double const sign = ++callback_calls() % 2 == 0 ? 1 : -1;
    write_derivatives([sign](double, double, double, std::size_t i) { return sign * 1e6 * double(i + 1); });
}
void random_derivatives()
{
    write_derivatives([](double, double, double, std::size_t) { return random_value(); });
}
void leaves_untouched() {}
void derivs_calls_library()
{
    call_library();
    decay();
}
void derivs_closes_graphs()
{
    close_running_call_handles();
    forced();
}
void derivs_disposes_handles()
{
    dispose_running_call_handles();
    oscillator();
}
void derivs_leaves_error()
{
    leave_error_pending();
    decay();
}

constexpr std::size_t well_behaved_derivatives = 6;
constexpr NamedCallback<void (*)()> derivatives_routines[] = {
    {"derivs: y' = -y", decay},
    {"derivs: oscillator", oscillator},
    {"derivs: y' = cos t - y/10", forced},
    {"derivs: y' = t y", growth},
    {"derivs: y'[i] = sin i", constant},
    {"derivs: y' = 1 + y^2", blow_up},
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

template <typename Function, std::size_t N>
NamedCallback<Function> pick_callback(Random& random, Hostility hostility,
                                      NamedCallback<Function> const (&callbacks)[N], std::size_t well_behaved)
{
    callback_calls() = 0;
    return callbacks[random.below(hostility == Hostility::plausible ? well_behaved : N)];
}

} // namespace

NamedCallback<double (*)(double)> random_real_function(Random& random, Hostility hostility)
{
    return pick_callback(random, hostility, real_functions, well_behaved_real_functions);
}

NamedCallback<void (*)()> random_derivatives_routine(Random& random, Hostility hostility)
{
    return pick_callback(random, hostility, derivatives_routines, well_behaved_derivatives);
}

} // namespace kelvo::calls
