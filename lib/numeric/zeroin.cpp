#include "lib/numeric/zeroin.h"

#include <cmath>
#include <limits>

#include "lib/numeric/numeric_errors.h"
#include "lib/runtime/math_helpers.h"

namespace kelvo {

namespace {

constexpr double eps = 1.2e-16; // the relative machine precision the method assumes
constexpr int max_passes = 100;
constexpr double no_result = std::numeric_limits<double>::quiet_NaN();

} // namespace

double zeroin(RealFunction f, double a_in, double b_in, double tol_in)
{
    // Brent's method (R. P. Brent, Algorithms for Minimization without Derivatives, 1973,
    // the ZEROIN procedure): bisection, safeguarded by interpolation through the last two
    // or three points. b is the best estimate, c keeps the bracket [b, c], a is the
    // previous b.
    FailureWatch const watch;
    if (watch.failed())
        return no_result;
    double tol = std::fabs(tol_in / 2);
    double a = a_in;
    double b = b_in;
    double fa = f(a);
    if (watch.failed()) {
        report_numerical_error(NumericalError::function_failed);
        return no_result;
    }
    double fb = f(b);
    if (watch.failed()) {
        report_numerical_error(NumericalError::function_failed);
        return no_result;
    }
    // A zero at an end (product 0) is accepted.
    if (fa * fb > 0) {
        report_numerical_error(NumericalError::no_sign_change);
        return no_result;
    }

    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    int pass = 0;
    bool converged = false;
    do {
        if (std::fabs(fc) < std::fabs(fb)) {
            // Keep b the point with the smaller function value.
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        double tol1 = eps * std::fabs(b) + tol;
        double xm = (c - b) / 2;
        if (std::fabs(xm) <= tol1 || fb == 0) {
            converged = true;
        } else {
            if (std::fabs(e) < tol1 || std::fabs(fa) < std::fabs(fb)) {
                // Bisection: the last steps were too small or went the wrong way.
                d = xm;
                e = d;
            } else {
                double s = fb / fa;
                double p;
                double q;
                if (a == c) {
                    // Linear interpolation (secant) through a and b.
                    p = 2 * xm * s;
                    q = 1 - s;
                } else {
                    // Inverse quadratic interpolation through a, b and c.
                    q = fa / fc;
                    double r = fb / fc;
                    p = s * (2 * xm * q * (q - r) - (b - a) * (r - 1));
                    q = (q - 1) * (r - 1) * (s - 1);
                }
                if (p > 0)
                    q = -q;
                p = std::fabs(p);
                if (2 * p <= 3 * xm * q - std::fabs(tol1 * q) && 2 * p <= std::fabs(e * q)) {
                    // The interpolation stays inside the bracket and shrinks fast enough.
                    e = d;
                    d = p / q;
                } else {
                    // Bisection: the interpolation was rejected.
                    d = xm;
                    e = d;
                }
            }
            a = b;
            fa = fb;
            // Never step by less than the tolerance.
            if (std::fabs(d) > tol1)
                b = b + d;
            else
                b = b + sign_of(xm) * tol1;
            fb = f(b);
            if (watch.failed()) {
                report_numerical_error(NumericalError::function_failed);
                return no_result;
            }
            if (fb * fc > 0) {
                // The zero now lies between a and b: restore the bracket.
                c = a;
                fc = fa;
                d = b - a;
                e = d;
            }
        }
        ++pass;
    } while (!converged && pass <= max_passes);

    // The pass that finds convergence counts, so convergence found in pass 101 is late too.
    if (pass > max_passes)
        report_numerical_error(NumericalError::no_convergence);
    return b;
}

} // namespace kelvo
