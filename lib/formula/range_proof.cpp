#include "lib/formula/range_proof.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>

namespace kelvo {

namespace {

constexpr double infinity = HUGE_VAL;
// Each bound is moved outward by more than the rounding of the operation it bounds.
constexpr double rounding_up = 1.0 + 0x1p-50;
constexpr double rounding_down = 1.0 - 0x1p-50;
// Far more than the few units in the last place by which a vector function may round
// otherwise than the C library's.
constexpr double function_up = 1.0 + 1e-12;
constexpr double function_down = 1.0 - 1e-12;
// No double lies closer than about 2^-61 to an odd multiple of pi/2 or a non-zero multiple
// of pi, so a sine or cosine that is not 0 is larger than this, except the sine of a small
// argument, which is about the argument.
constexpr double least_trigonometric = 0x1p-64;
// The natural logarithm of a positive double other than 1 is at least ln(1 + 2^-53) in
// magnitude, about 1.1e-16; the common logarithm a factor ln 10 less.
constexpr double least_natural_logarithm = 0x1p-60;
constexpr double least_common_logarithm = 0x1p-62;

ValueRange range_of(double value)
{
    double const m = std::fabs(value);
    if (m == 0.0)
        return {0.0, infinity};
    if (!(m <= DBL_MAX))
        return {infinity, infinity};
    return {m, m};
}

// The power of two at or below a positive finite x (0 below the normal range).
double power_of_two_below(double x)
{
    return std::bit_cast<double>(std::bit_cast<uint64_t>(x) & 0x7FF0000000000000u);
}

// Non-zero values of magnitude s or more are whole multiples of the unit in the last place
// of s's power of two, and so is their exact sum or difference; rounded, a non-zero multiple
// stays at least one unit. Hence a sum that is not 0 is at least that unit.
double least_sum(double s)
{
    if (s == infinity)
        return infinity;
    return power_of_two_below(s) * 0x1p-52;
}

ValueRange sum_of(ValueRange a, ValueRange b)
{
    return {(a.largest + b.largest) * rounding_up, least_sum(std::min(a.smallest, b.smallest))};
}

ValueRange product_of(ValueRange a, ValueRange b)
{
    return {a.largest * b.largest * rounding_up, a.smallest * b.smallest * rounding_down};
}

// At the points whose divisor is not 0; the others fail.
ValueRange quotient_of(ValueRange dividend, ValueRange divisor)
{
    return {dividend.largest / divisor.smallest * rounding_up, dividend.smallest / divisor.largest * rounding_down};
}

// Bounds rounded outward to coarse steps, so that the blocks of like data share one proof:
// the largest magnitude up to a power of two, the smallest down to a power of two whose
// exponent lies on a ladder of steps of 16.
ValueRange coarsened(ValueRange r)
{
    ValueRange c;
    if (!(r.largest <= DBL_MAX))
        c.largest = infinity;
    else if (r.largest == 0.0)
        c.largest = 0.0;
    else {
        double const power = std::max(power_of_two_below(r.largest), DBL_MIN);
        c.largest = power < r.largest ? 2.0 * power : power;
    }
    if (r.smallest == infinity)
        c.smallest = infinity;
    else
        c.smallest = std::bit_cast<double>(std::bit_cast<uint64_t>(r.smallest) & 0x7F00000000000000u);
    return c;
}

bool covers(RangeProof::SlotRanges const& wide, RangeProof::SlotRanges const& narrow)
{
    for (std::size_t k = 0; k < wide.size(); ++k)
        if (!(narrow[k].largest <= wide[k].largest && narrow[k].smallest >= wide[k].smallest))
            return false;
    return true;
}

RangeProof::SlotRanges joined(RangeProof::SlotRanges const& a, RangeProof::SlotRanges const& b)
{
    RangeProof::SlotRanges j;
    for (std::size_t k = 0; k < j.size(); ++k)
        j[k] = {std::max(a[k].largest, b[k].largest), std::min(a[k].smallest, b[k].smallest)};
    return j;
}

} // namespace

RangeProof::RangeProof(CompiledFormula const& formula, EvaluatorLimits const& limits,
                       std::array<double const*, 3> const& slots)
    : code_(formula.code())
    , size_(formula.size())
    , stack_depth_(formula.stack_depth())
    , limits_(limits)
    , own_(formula.size())
{
    for (std::size_t i = 0; i < size_; ++i) {
        Instruction const& instruction = code_[i];
        if (takes_variable(instruction)) {
            auto const slot = std::find(slots.begin(), slots.end(), instruction.variable);
            if (slot != slots.end()) {
                own_[i].slot = static_cast<int32_t>(slot - slots.begin());
                reads_[static_cast<std::size_t>(own_[i].slot)] = true;
            } else {
                own_[i].range = range_of(*instruction.variable);
            }
        } else if (takes_number(instruction.op)) {
            own_[i].range = range_of(instruction.number);
        }
    }
    // Proving allocates nothing.
    kept_.reserve(size_);
    fresh_.reserve(size_);
    joined_.reserve(size_);
    stack_.reserve(stack_depth_ + 2);
}

uint8_t const* RangeProof::proven_for(SlotRanges const& measured)
{
    SlotRanges coarse;
    for (std::size_t k = 0; k < coarse.size(); ++k)
        coarse[k] = coarsened(measured[k]);
    if (!keeps_ || !covers(kept_ranges_, coarse)) {
        // The proof for the ranges of both blocks, unless it proves less than this block's own:
        // the kept ranges grow to hold the data seen, without one odd block spoiling them.
        int32_t const fresh = prove(coarse, fresh_);
        SlotRanges const both = keeps_ ? joined(kept_ranges_, coarse) : coarse;
        int32_t const joint = keeps_ ? prove(both, joined_) : -1;
        if (joint >= fresh) {
            kept_ranges_ = both;
            kept_.swap(joined_);
            kept_count_ = joint;
        } else {
            kept_ranges_ = coarse;
            kept_.swap(fresh_);
            kept_count_ = fresh;
        }
        keeps_ = true;
    }
    return kept_count_ > 0 ? kept_.data() : nullptr;
}

// Inside the limits with room to spare, so that no doubt window reaches the value either.
bool RangeProof::well_within(ValueRange r) const
{
    return r.largest <= limits_.overflow / 2 && r.smallest >= 2 * limits_.underflow;
}

// What a check leaves of a value: larger magnitudes fail, smaller ones become 0.
ValueRange RangeProof::checked(ValueRange r) const
{
    return {r.largest <= limits_.overflow ? r.largest : limits_.overflow,
            r.smallest >= limits_.underflow ? r.smallest : limits_.underflow};
}

int32_t RangeProof::prove(SlotRanges const& slots, std::vector<uint8_t>& proven)
{
    ValueRange const unknown{limits_.overflow, limits_.underflow};

    proven.assign(size_, 0);
    stack_.clear();
    int32_t count = 0;
    for (std::size_t i = 0; i < size_; ++i) {
        Instruction const& instruction = code_[i];
        ValueRange const own = own_[i].slot >= 0 ? slots[static_cast<std::size_t>(own_[i].slot)] : own_[i].range;
        // Reading a variable is exact: it needs its check only for values beyond the limits.
        bool const read_within = own.largest <= limits_.overflow && own.smallest >= limits_.underflow;
        ValueRange const read = checked(own);
        bool ok = true;
        auto const node = [&](ValueRange r) {
            ok = ok && well_within(r);
            return checked(r);
        };
        auto const pop = [&] {
            ValueRange const r = stack_.back();
            stack_.pop_back();
            return r;
        };
        switch (instruction.op) {
        case Op::end:
        case Op::negate:
        case Op::check_divisor:
            break;
        case Op::push_number: stack_.push_back(own); break;
        case Op::push_variable:
        case Op::push_negated_variable:
            ok = read_within;
            stack_.push_back(read);
            break;
        case Op::push_too_large: stack_.push_back({0.0, infinity}); break; // every point fails
        case Op::add:
        case Op::subtract: {
            ValueRange const right = pop();
            stack_.back() = node(sum_of(stack_.back(), right));
            break;
        }
        case Op::multiply: {
            ValueRange const right = pop();
            stack_.back() = node(product_of(stack_.back(), right));
            break;
        }
        case Op::divide: {
            ValueRange const dividend = pop();
            stack_.back() = node(quotient_of(dividend, stack_.back()));
            break;
        }
        case Op::power:
            pop();
            stack_.back() = unknown;
            ok = false;
            break;
        case Op::add_number:
        case Op::subtract_number: stack_.back() = node(sum_of(stack_.back(), own)); break;
        case Op::multiply_number: stack_.back() = node(product_of(stack_.back(), own)); break;
        case Op::divide_by_number: stack_.back() = node(quotient_of(stack_.back(), own)); break;
        case Op::square: stack_.back() = node(product_of(stack_.back(), stack_.back())); break;
        case Op::add_variable:
        case Op::subtract_variable:
            ok = read_within;
            stack_.back() = node(sum_of(stack_.back(), read));
            break;
        case Op::multiply_variable:
            ok = read_within;
            stack_.back() = node(product_of(stack_.back(), read));
            break;
        case Op::number_minus: stack_.back() = node(sum_of(own, stack_.back())); break;
        case Op::number_over: stack_.back() = node(quotient_of(own, stack_.back())); break;
        case Op::variable_over:
            ok = read_within;
            stack_.back() = node(quotient_of(read, stack_.back()));
            break;
        case Op::power_number:
        case Op::power_variable:
        case Op::number_power:
            stack_.back() = unknown;
            ok = false;
            break;
        default:
            if (instruction.argument != Argument::top) {
                ok = read_within;
                stack_.push_back(read);
            }
            stack_.back() = checked(function_of(instruction.op, stack_.back(), ok));
            break;
        }
        proven[i] = ok ? 1 : 0;
        count += ok ? 1 : 0;
    }
    return count;
}

// The range of a built-in function's values. The functions whose results are never checked
// (each gives values within the limits for arguments within them) keep ok as it is.
ValueRange RangeProof::function_of(Op op, ValueRange a, bool& ok) const
{
    switch (op) {
    case Op::call_exp: {
        // Results well within the limits leave every argument below the exponent limit by
        // more than ln 2, where the guard has nothing to do.
        ValueRange const r{std::exp(a.largest) * function_up, std::exp(-a.largest) * function_down};
        ok = ok && well_within(r);
        return r;
    }
    case Op::call_ln:
    case Op::call_log: {
        bool const common = op == Op::call_log;
        double const largest = std::max(std::fabs(std::log(a.smallest)), std::fabs(std::log(a.largest))) * function_up;
        return {common ? largest / limits_.ln_ten : largest, common ? least_common_logarithm : least_natural_logarithm};
    }
    case Op::call_sqrt:
        return {std::sqrt(a.largest) * function_up, std::sqrt(a.smallest) * function_down};
    case Op::call_sin: return {function_up, std::min(a.smallest * 0.5, least_trigonometric)};
    case Op::call_cos: return {function_up, least_trigonometric};
    case Op::call_atan: return {1.5707963267948966 * function_up, std::min(a.smallest * 0.5, 0.5)};
    case Op::call_abs: return a;
    case Op::call_fnH: return {1.0, 0.5};
    default: // the tangent, the arcs and the hyperbolic functions: always checked
        ok = false;
        return {limits_.overflow, limits_.underflow};
    }
}

} // namespace kelvo
