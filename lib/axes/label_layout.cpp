#include "lib/axes/label_layout.h"

#include <algorithm>
#include <cmath>

#include "lib/draw/number_format.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// Decimal exponents of any finite double lie well inside this; infinite logarithms (of 0)
// are held here so that they convert to integers.
constexpr double exponent_bound = 400;

// round(log10(v) - 0.49): the exponent of the leading digit, ties to even.
int32_t leading_exponent(double v)
{
    double const e = std::nearbyint(std::log10(v) - 0.49);
    if (std::isnan(e))
        return 0;
    return static_cast<int32_t>(std::clamp(e, -exponent_bound, exponent_bound));
}

// Fixed notation, compact, a minus sign only for negative values. Labels are drawing, and
// drawing reports nothing: a value that cannot be written leaves the error state as it was.
std::string formatted(int32_t width, int32_t decimals, double value)
{
    ErrorState const saved = error_state();
    std::string text;
    if (format_fixed(width, decimals, FieldAlignment::Compact, value, '-', text) != 0) {
        error_state() = saved;
        return {};
    }
    return text;
}

} // namespace

LabelLayout label_layout(double lo, double hi, double step, int32_t label_width)
{
    int32_t const es = leading_exponent(step);
    int32_t const em = leading_exponent(std::max(std::fabs(lo), std::fabs(hi)));
    int32_t const digits = em > 0 ? em + 1 : 1;
    int32_t decimals = es < 0 ? -es : 0;
    int32_t const point = decimals > 0 ? 1 : 0;
    int32_t const sign = lo < 0 || hi < 0 ? 1 : 0;
    LabelLayout layout;
    layout.width = digits + sign + point + decimals;
    layout.decimals = decimals;
    if (layout.width <= label_width)
        return layout;
    layout.decimals = 0;
    layout.exponent = std::min(-es, label_width - em - sign - 1);
    layout.width = sign + em + layout.exponent + 1;
    return layout;
}

std::string label_text(LabelLayout const& layout, double value)
{
    return formatted(layout.width, layout.decimals, value * std::pow(10.0, layout.exponent));
}

std::string exponent_suffix(LabelLayout const& layout)
{
    if (layout.exponent == 0)
        return {};
    std::string const power = formatted(5, 0, -layout.exponent);
    return power.empty() ? power : "E" + power;
}

} // namespace kelvo
