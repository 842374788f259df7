#include "lib/axes/nice_values.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "lib/runtime/debug_report.h"

namespace kelvo {

namespace {

// Rounding to the nearest integer with ties to even, kept as a real so that no value can
// overflow an integer.
double round_even(double value)
{
    return std::nearbyint(value);
}

} // namespace

double primary_spacing(double min, double max, int32_t n, bool nice_values)
{
    if (n <= 0)
        debug_report("nints cannot be negative");
    double raw = std::fabs(max - min) / n;
    if (!nice_values)
        return raw;
    // A range that is tiny against its own magnitude still gets a spacing that the double
    // format resolves.
    raw = std::max(raw, 1E-6 * std::max(std::fabs(min), std::fabs(max)));
    double const k = round_even(std::log(raw) / std::numbers::ln10 - 0.5);
    double const p = std::pow(10.0, k);
    double const m = raw / p;
    double const factor = m > 7.1 ? 10 : m > 3.2 ? 5 : m > 1.4 ? 2 : 1;
    return p * factor;
}

EffectiveAxis nice_ends(double min, double max, double step, double origin, AxisCorner corner, AxisKind kind)
{
    double const s = step;
    if (min >= max || s <= 0)
        debug_report("set_ends para invalid");
    double o = round_even(origin / s) * s;
    double lower = 0;
    if (min - s / 2 < o && o < max && corner == AxisCorner::Origin) {
        lower = o - round_even((o - min) / s + 0.45) * s;
    } else {
        o = round_even(min / s) * s;
        // The multiple at or below the minimum: truncating toward zero alone would put the
        // end above a negative minimum and leave data outside the axis.
        lower = std::trunc(min / s) * s;
        if (lower > min)
            lower -= s;
    }
    // A data end within 0.05 of a step outside a pip counts as lying on it.
    double const upper = o + round_even((max - o) / s + 0.45) * s;

    EffectiveAxis axis{lower, upper, o, s};
    if (kind == AxisKind::Logarithmic) {
        bool changed = false;
        if (axis.origin <= 0) {
            axis.origin = 0.01 * max;
            changed = true;
        }
        if (axis.min <= 0) {
            axis.min = std::min(0.01 * max, axis.origin);
            changed = true;
        }
        // The pips still divide the axis evenly.
        if (changed)
            axis.step = (axis.max - axis.min) / round_even((axis.max - axis.min) / s);
    }
    return axis;
}

} // namespace kelvo
