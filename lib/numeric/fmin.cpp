#include "lib/numeric/fmin.h"

#include <cmath>
#include <limits>

#include "lib/numeric/numeric_errors.h"
#include "lib/runtime/math_helpers.h"

namespace kelvo {

namespace {

constexpr int max_passes = 100;
constexpr double no_result = std::numeric_limits<double>::quiet_NaN();

// The golden-section ratio (3 - sqrt 5) / 2, and the square root of the relative machine
// precision the method assumes; computed once, when the library is loaded.
double const c_golden = 0.5 * (3 - std::sqrt(5.0));
double const sqrt_eps = std::sqrt(1.2e-16);

} // namespace

double fmin(RealFunction f, double a_in, double b_in, double tol)
{
    // Brent's method for minimisation (Algorithms for Minimization without Derivatives,
    // 1973, the FMIN procedure): golden-section search, sped up by successive parabolic
    // interpolation. x is the best point so far, w the second best, v the previous w;
    // u is the newest point.
    FailureWatch const watch;
    if (watch.failed())
        return no_result;
    double const c = c_golden;
    double const eps = sqrt_eps;
    double a = a_in;
    double b = b_in;
    if (b <= a) {
        report_numerical_error(NumericalError::bad_interval);
        return no_result;
    }

    double x = a + c * (b - a);
    double v = x;
    double w = x;
    double d = 0;
    double e = 0;
    double fx = f(x);
    if (watch.failed()) {
        report_numerical_error(NumericalError::function_failed);
        return no_result;
    }
    double fv = fx;
    double fw = fx;
    double const third_of_tol = tol / 3;
    int pass = 0;
    bool converged = false;
    do {
        double xm = (a + b) / 2;
        double tol1 = eps * std::fabs(x) + third_of_tol;
        double t2 = 2 * tol1;
        if (std::fabs(x - xm) <= t2 - (b - a) / 2) {
            converged = true;
        } else {
            bool parabolic = false;
            if (std::fabs(e) > tol1) {
                // Try a parabola through x, w and v.
                double r = (x - w) * (fx - fv);
                double q = (x - v) * (fx - fw);
                double p = (x - v) * q - (x - w) * r;
                q = 2 * (q - r);
                if (q > 0)
                    p = -p;
                q = std::fabs(q);
                r = e;
                e = d;
                bool rejected = 2 * std::fabs(p) >= std::fabs(q * r) || p <= q * (a - x) || p >= q * (b - x);
                if (!rejected) {
                    // Parabolic interpolation step, kept away from the ends.
                    d = p / q;
                    double u = x + d;
                    if (u - a < t2 || b - u < t2)
                        d = sign_of(xm - x) * t2;
                    parabolic = true;
                }
            }
            if (!parabolic) {
                // Golden-section step into the larger of the two parts.
                e = x >= xm ? a - x : b - x;
                d = c * e;
            }
            // Never evaluate closer to x than the tolerance.
            double u = std::fabs(d) >= tol1 ? x + d : x + sign_of(d) * tol1;
            double fu = f(u);
            if (watch.failed()) {
                report_numerical_error(NumericalError::function_failed);
                return no_result;
            }
            if (fu <= fx) {
                // u is the new best point.
                if (u >= x)
                    a = x;
                else
                    b = x;
                v = w;
                fv = fw;
                w = x;
                fw = fx;
                x = u;
                fx = fu;
            } else {
                // u narrows the interval and may become the second or third best point.
                if (u < x)
                    a = u;
                else
                    b = u;
                if (fu <= fw || w == x) {
                    v = w;
                    fv = fw;
                    w = u;
                    fw = fu;
                } else if (fu <= fv || v == x || v == w) {
                    v = u;
                    fv = fu;
                }
            }
        }
        ++pass;
    } while (!converged && pass <= max_passes);

    if (pass > max_passes)
        report_numerical_error(NumericalError::no_convergence);
    return x;
}

} // namespace kelvo
