#pragma once

// The block interpreter, written once for every processor path. A path's source file
// defines its lanes and includes this header, which it alone may include: everything here
// has internal linkage, so the copies compiled for different instruction sets never meet.
//
// The lanes give: `width`; `Real`, a GCC vector of `width` doubles, and `Mask`, the vector
// of 64-bit integers of the same size; and `exp`, `log`, `sin`, `cos`, `atan` and `sqrt`
// of a Real.
//
// Every instruction runs over all the lanes of the block. Each point keeps the outcome it
// has when evaluated alone: its first failure wins, and what a failed point computes
// afterwards is never seen (its value is 0 at the end). Where the scalar evaluator skips a
// dividend after a zero divisor, the block computes it anyway for the other points; the
// failed points ignore it. Failures are found by a vector test over the block and recorded
// point by point only when one occurred.

#include <cstdint>
#include <type_traits>

#include "lib/formula/block_run.h"
#include "lib/formula/formula_errors.h"
#include "lib/formula/lane_functions.h"

namespace kelvo {
namespace {

// The range of a block's values, in one pass of minima that runs as fast as the values load.
// The bit patterns of magnitudes order as integers the way the magnitudes do. One less than
// a pattern orders the same, except that 0 becomes a NaN, which a minimum passes over: its
// minimum is one less than the smallest non-zero magnitude. The pattern subtracted from the
// largest one orders the other way round, and NaN becomes a small positive number: its
// minimum gives the largest magnitude, a NaN showing as one beyond every limit. (Values
// below the smallest normal magnitude may be passed over by the second minimum, but they
// lie far below the underflow limit, where the check flushes them anyway.) Infinite and NaN
// values fail where they are read, so they count as none of the smallest.
template <class Lanes>
ValueRange measured_range(double const* values, int32_t count)
{
    using Real = typename Lanes::Real;
    using Mask = typename Lanes::Mask;
    // Independent minima, so that each waits for its own only every few vectors.
    constexpr int32_t chains = block_lane_multiple / Lanes::width;
    constexpr int64_t largest_finite = 0x7FEFFFFFFFFFFFFF;
    Real least_less_one[chains];
    Real reversed_most[chains];
    for (int32_t c = 0; c < chains; ++c) {
        least_less_one[c] = __builtin_bit_cast(Real, Mask{} + largest_finite); // none yet: infinity
        reversed_most[c] = __builtin_bit_cast(Real, Mask{} + largest_finite);  // none yet: the least normal
    }
    for (int32_t i = 0; i < count; i += block_lane_multiple) {
        // The values of the next block, if they follow (a prefetch of any address is
        // harmless): they arrive while this block's instructions run.
        __builtin_prefetch(values + i + block_size);
        for (int32_t c = 0; c < chains; ++c) {
            Mask bits;
            __builtin_memcpy(&bits, values + i + c * Lanes::width, sizeof bits);
            bits &= INT64_MAX;
            Real const less_one = __builtin_bit_cast(Real, bits - 1);
            Real const reversed = __builtin_bit_cast(Real, INT64_MAX - bits);
            least_less_one[c] = less_one < least_less_one[c] ? less_one : least_less_one[c];
            reversed_most[c] = reversed < reversed_most[c] ? reversed : reversed_most[c];
        }
    }
    int64_t least = INT64_MAX;
    int64_t most = 0;
    for (int32_t c = 0; c < chains; ++c) {
        Mask const l = __builtin_bit_cast(Mask, least_less_one[c]) + 1;
        Mask const m = INT64_MAX - __builtin_bit_cast(Mask, reversed_most[c]);
        for (int32_t k = 0; k < Lanes::width; ++k) {
            least = l[k] < least ? l[k] : least;
            most = m[k] > most ? m[k] : most;
        }
    }
    double const largest = __builtin_bit_cast(double, most);
    double const smallest = __builtin_bit_cast(double, least);
    ValueRange range;
    range.largest = largest <= __DBL_MAX__ ? largest : __builtin_inf();
    range.smallest = smallest <= __DBL_MAX__ ? smallest : __builtin_inf();
    return range;
}

template <class Lanes>
class BlockInterpreter {
    using Real = typename Lanes::Real;
    using Mask = typename Lanes::Mask;
    static constexpr int32_t width = Lanes::width;

    static constexpr int32_t too_large = code_of(FormulaError::result_too_large);
    static constexpr int32_t division_by_zero = code_of(FormulaError::division_by_zero);
    static constexpr int32_t log_of_non_positive = code_of(FormulaError::log_of_non_positive);
    static constexpr int32_t square_root_of_negative = code_of(FormulaError::square_root_of_negative);

    // Below this magnitude the hyperbolic sine and tangent lose digits to cancellation, and
    // the few units of a vector exponential's rounding would grow into many: such points
    // take the C library's exponential.
    static constexpr double cancelling_hyperbolic_argument = 2.0;
    // An exponent whose exponential is exactly 0 in every path.
    static constexpr double exponent_of_zero = -1000.0;

public:
    explicit BlockInterpreter(BlockRun& run)
        : run_(run)
        , lanes_(run.lanes)
        , limits_(run.limits)
    {
    }

    void run()
    {
        for (ip_ = run_.code; ip_->op != Op::end; ++ip_) {
            approximate_ = static_cast<std::size_t>(ip_ - run_.code) >= run_.approximate_from;
            if (borrowed_ != nullptr && !leaves_borrowed_alone())
                copy_borrowed();
            if (!execute())
                ip_ += ip_->skip; // every point's divisor was zero
        }
        if (borrowed_ != nullptr)
            copy_borrowed();
        run_.doubted = run_.doubted || any(doubted_);
    }

private:
    // ---- Lanes ----

    // Vectors at any double's (or integer's) address. Their loads and stores touch doubles
    // (or integers) alone, as byte copies would not, so the compiler knows that a loop's
    // stores leave the pointers and masks it works with alone, and loads none of them again.
    typedef double LooseReal __attribute__((vector_size(sizeof(Real)), aligned(alignof(double))));
    typedef int64_t LooseMask __attribute__((vector_size(sizeof(Mask)), aligned(alignof(int64_t))));
    static Real load(double const* p) { return *reinterpret_cast<LooseReal const*>(p); }
    static void store(double* p, Real v) { *reinterpret_cast<LooseReal*>(p) = v; }
    static Real splat(double x) { return Real{} + x; }
    static Real magnitude(Real v)
    {
        return __builtin_bit_cast(Real, __builtin_bit_cast(Mask, v) & INT64_MAX);
    }
    static Real larger(Real a, Real b) { return a > b ? a : b; }
    static bool any(Mask m)
    {
        for (int32_t k = 0; k < width; ++k)
            if (m[k] != 0)
                return true;
        return false;
    }
    static double magnitude(double x) { return __builtin_fabs(x); }

    double* top() const { return run_.stack[depth_]; }
    double* below() const { return run_.stack[depth_ - 1]; }
    double const* operand() const { return run_.operands[ip_ - run_.code]; }
    double* push() { return run_.stack[++depth_]; }
    // Lays the spare block over the top: unary instructions write there and keep their
    // argument for the rare pass that records failures.
    void replace_top_by_spare()
    {
        double* const argument = run_.stack[depth_];
        run_.stack[depth_] = run_.spare;
        run_.spare = argument;
    }
    double const* argument() const { return run_.spare; }

    // ---- Failures and doubts ----

    void record(int32_t i, int32_t code) const
    {
        run_.failed = true;
        if (run_.codes[i] == 0)
            run_.codes[i] = code;
    }
    bool within_limits(double x) const { return magnitude(x) <= limits_.overflow; }

    // Points beyond the overflow limit (NaN included) fail; their value becomes 0.
    void fail_beyond_limits(double* values) const
    {
        for (int32_t i = 0; i < lanes_; ++i)
            if (!within_limits(values[i])) {
                record(i, too_large);
                values[i] = 0.0;
            }
    }

    // Within the doubt margin of a threshold t > 0, on either side.
    static Mask near(Real x, double t)
    {
        return magnitude(x - t) < splat(doubt_margin * t);
    }

    // One pass over the lanes (its small functions always inlined: a call per vector would
    // cost more than the pass): what its loop needs, copied out of the interpreter so that
    // the loop keeps it in registers (the block's stores could alias the members), and what
    // the loop finds. Whether it looks for doubts, and whether it checks its nodes at all
    // (not where their values were proven within the limits), is part of its type: the loop
    // is compiled for each answer, and no vector tests for them.
    template <bool Approximate, bool Checks = true>
    struct Pass {
        static constexpr bool approximate = Approximate;
        static constexpr bool checks = Checks;
        int32_t lanes;
        EvaluatorLimits limits;
        int64_t* doubts;
        Mask within = ~Mask{}; // every point checked so far within the overflow limit
        Mask doubted{};

        [[gnu::always_inline]] void doubt(int32_t i, Mask where)
        {
            *reinterpret_cast<LooseMask*>(doubts + i) |= where;
            doubted |= where;
        }
        // The node check: magnitudes below the underflow limit become 0; values beyond
        // the overflow limit stay as they are, marked, for fail_beyond_limits.
        [[gnu::always_inline]] Real checked(Real v, int32_t i)
        {
            if (approximate && checks)
                doubt(i, near(magnitude(v), limits.overflow) | near(magnitude(v), limits.underflow));
            return checked_exact(v);
        }
        // The check of a value that no vector function touched (a variable, or arithmetic
        // on variables and numbers alone): every path computes it alike, so it raises no
        // doubt.
        [[gnu::always_inline]] Real checked_exact(Real v)
        {
            if (!checks)
                return v;
            Real const m = magnitude(v);
            within &= m <= limits.overflow;
            return m < limits.underflow ? Real{} : v;
        }
        // A value as the pass stores it. Where nothing is checked, a zero comes out as +0
        // here, as it does from the check of every node. Within the pass, the sign of a
        // zero changes nothing but the sign of zeros: a sum with a zero is the other
        // operand or a zero, a product with one is a zero, and a zero divisor has failed.
        [[gnu::always_inline]] Real stored(Real v) { return checks ? v : v + 0.0; }
    };
    // Runs body(pass) over the lanes; whether any point went beyond the limits. Whether a
    // pass may seek doubts is known where it is written, so that no loop is compiled for
    // what cannot happen.
    template <bool SeeksDoubts = true, class Body>
    bool over_lanes(Body body)
    {
        if constexpr (SeeksDoubts)
            if (approximate_)
                return finish(body, Pass<true>{lanes_, limits_, run_.doubts});
        return finish(body, Pass<false>{lanes_, limits_, run_.doubts});
    }
    // The same, or, where the pass's values were proven within the limits, without a check:
    // such a pass seeks only the doubts of sums that cancel.
    template <bool SeeksDoubts, bool MayCancel, class Body>
    bool over_lanes_unless_proven(Body body, bool proven)
    {
        if (!proven)
            return over_lanes<SeeksDoubts>(body);
        if constexpr (SeeksDoubts && MayCancel)
            if (approximate_)
                return finish(body, Pass<true, false>{lanes_, limits_, run_.doubts});
        return finish(body, Pass<false, false>{lanes_, limits_, run_.doubts});
    }
    template <class Body, class P>
    bool finish(Body& body, P p)
    {
        body(p);
        doubted_ |= p.doubted;
        return P::checks && !all(p.within);
    }
    // Whether every instruction from first to the present one was proven within the limits.
    bool proven_since(Instruction const* first) const
    {
        if (run_.proven == nullptr)
            return false;
        for (Instruction const* at = first; at <= ip_; ++at)
            if (run_.proven[at - run_.code] == 0)
                return false;
        return true;
    }
    // Runs body with the choice as a constant, so that the loops within are compiled once
    // for each answer.
    template <class Body>
    static void either(bool choice, Body body)
    {
        if (choice)
            body(std::true_type{});
        else
            body(std::false_type{});
    }
    // The same where the choice may be true; where it never is, only the body for false is
    // compiled.
    template <bool Possible, class Body>
    static void either_if(bool choice, Body body)
    {
        if constexpr (Possible)
            either(choice, body);
        else
            body(std::false_type{});
    }
    void doubt_lane(int32_t i) const
    {
        run_.doubts[i] = 1;
        run_.doubted = true;
    }

    double checked_lane(double v, int32_t i) const
    {
        double const m = magnitude(v);
        if (approximate_ && (magnitude(m - limits_.overflow) < doubt_margin * limits_.overflow
                             || magnitude(m - limits_.underflow) < doubt_margin * limits_.underflow))
            doubt_lane(i);
        if (!(m <= limits_.overflow)) {
            record(i, too_large);
            return 0.0;
        }
        return m < limits_.underflow ? 0.0 : v;
    }

    // ---- Instructions ----

    // How an instruction reads an operand: a value as it stands (one the formula computed,
    // or a number), or a variable, checked where it is read, and negated when it is pushed
    // so. Only computed values can carry a vector function's rounding.
    enum class Operand { computed, number, variable, negated_variable, squared_variable };
    enum class Sum { no, yes };

    static constexpr auto add = [](Real a, Real b) { return a + b; };
    static constexpr auto subtract = [](Real a, Real b) { return a - b; };
    static constexpr auto multiply = [](Real a, Real b) { return a * b; };
    static constexpr auto divide = [](Real a, Real b) { return a / b; };

    template <Operand kind, class P>
    static Real read(P& p, double const* lanes, int32_t i)
    {
        Real const v = load(lanes + i);
        if constexpr (kind == Operand::computed || kind == Operand::number)
            return v;
        Real const c = p.checked_exact(v);
        if constexpr (kind == Operand::squared_variable)
            return p.checked_exact(c * c);
        return kind == Operand::negated_variable ? Real{} - c : c;
    }

    // A square right after an instruction is done in the same pass, checked as its own
    // node: it can only fail as too large, as the instruction before it can, so where either
    // fails the outcome is the same. Its instruction is then passed over.
    bool squares_next()
    {
        if (ip_[1].op != Op::square)
            return false;
        ++ip_;
        return true;
    }

    // A product with a number right after the pass's instructions, where all of them were
    // proven within the limits, is done in the same pass; its instruction is then passed
    // over. (Unproven, a value beyond the limits could be scaled back within them, and its
    // failure would go unseen.)
    bool scales_next(bool proven)
    {
        if (!proven || ip_[1].op != Op::multiply_number || run_.proven[ip_ + 1 - run_.code] == 0)
            return false;
        ++ip_;
        return true;
    }

    // out = check(f(a, b)) at every point. Variable operands are checked first; a sum or
    // difference that cancels nearly all its digits is doubted. The pass began at first.
    template <Operand left, Operand right, Sum sum, class F>
    void combine(double* out, double const* a, double const* b, F f, Instruction const* first)
    {
        constexpr bool exact = left != Operand::computed && right != Operand::computed;
        bool const square = squares_next();
        bool const proven = proven_since(first);
        bool const scale = scales_next(proven);
        Real const factor = splat(scale ? ip_->number : 1.0);
        bool const beyond = over_lanes_unless_proven<!exact, sum == Sum::yes>(
            [&](auto& p) {
                either(square, [&](auto squared) {
                    either_if<!std::remove_reference_t<decltype(p)>::checks>(scale, [&](auto scaled) {
                        for (int32_t i = 0; i < p.lanes; i += width) {
                            Real const x = read<left>(p, a, i);
                            Real const y = read<right>(p, b, i);
                            Real v = f(x, y);
                            if (sum == Sum::yes && p.approximate)
                                p.doubt(i, magnitude(v) < splat(doubt_margin) * larger(magnitude(x), magnitude(y)));
                            v = p.checked(v, i);
                            if (squared)
                                v = p.checked(v * v, i);
                            store(out + i, p.stored(scaled ? p.checked(v * factor, i) : v));
                        }
                    });
                });
            },
            proven);
        if (!beyond)
            return;
        if (left != Operand::computed && left != Operand::number)
            fail_operand_beyond_limits(a, out, left == Operand::squared_variable);
        if (right != Operand::computed && right != Operand::number)
            fail_operand_beyond_limits(b, out, right == Operand::squared_variable);
        fail_beyond_limits(out);
    }

    // A variable or number pushed together with the instruction after it, when that one
    // combines the top with a number or variable of its own: one pass for both. Each check
    // of the two can fail only as too large, so the outcome of every point is unchanged.
    template <Operand pushed>
    bool push_combined(double const* lanes)
    {
        double const* const own = run_.operands[ip_ + 1 - run_.code];
        Instruction const* const first = ip_;
        auto const fused = [&](auto combined) {
            ++ip_;
            combined(push());
            return true;
        };
        constexpr Operand number = Operand::number;
        constexpr Operand variable = Operand::variable;
        switch (ip_[1].op) {
        case Op::add_number:
            return fused([&](double* out) { combine<pushed, number, Sum::yes>(out, lanes, own, add, first); });
        case Op::subtract_number:
            return fused([&](double* out) { combine<pushed, number, Sum::yes>(out, lanes, own, subtract, first); });
        case Op::multiply_number:
            return fused([&](double* out) { combine<pushed, number, Sum::no>(out, lanes, own, multiply, first); });
        case Op::divide_by_number:
            return fused([&](double* out) { combine<pushed, number, Sum::no>(out, lanes, own, divide, first); });
        case Op::add_variable:
            return fused([&](double* out) { combine<pushed, variable, Sum::yes>(out, lanes, own, add, first); });
        case Op::subtract_variable:
            return fused([&](double* out) { combine<pushed, variable, Sum::yes>(out, lanes, own, subtract, first); });
        case Op::multiply_variable:
            if (pushed == variable && own == lanes) { // a variable times itself: its square
                ++ip_;
                return combines_square(lanes, first) || push_variable(lanes, false, true, proven_since(first));
            }
            return fused([&](double* out) { combine<pushed, variable, Sum::no>(out, lanes, own, multiply, first); });
        case Op::number_minus:
            return fused([&](double* out) { combine<number, pushed, Sum::yes>(out, own, lanes, subtract, first); });
        default: return false;
        }
    }

    // A variable operand beyond the limits fails where it is read, and so does one read as
    // its square where the square goes beyond them; the result is 0.
    void fail_operand_beyond_limits(double const* operand_lanes, double* out, bool squared = false) const
    {
        for (int32_t i = 0; i < lanes_; ++i)
            if (double const x = operand_lanes[i]; !within_limits(x) || (squared && !within_limits(x * x))) {
                record(i, too_large);
                out[i] = 0.0;
            }
    }

    // A variable's square combined at once with the value below it, when a sum, difference
    // or product of the two top values follows: one pass for the three instructions, and
    // the square is never stored. Each of them can fail only as too large, so the outcome
    // of every point is unchanged. The instruction of the square is the present one.
    bool combines_square(double const* lanes, Instruction const* first)
    {
        switch (ip_[1].op) {
        case Op::add: return square_on_stack<Sum::yes>(lanes, add, first);
        case Op::subtract: return square_on_stack<Sum::yes>(lanes, subtract, first);
        case Op::multiply: return square_on_stack<Sum::no>(lanes, multiply, first);
        default: return false;
        }
    }
    template <Sum sum, class F>
    bool square_on_stack(double const* lanes, F f, Instruction const* first)
    {
        ++ip_;
        double* const out = top();
        if (borrowed_ != nullptr && borrowed_depth_ == depth_) {
            double const* const left = borrowed_;
            borrowed_ = nullptr; // read here: the result takes its place
            combine<Operand::variable, Operand::squared_variable, sum>(out, left, lanes, f, first);
        } else {
            combine<Operand::computed, Operand::squared_variable, sum>(out, out, lanes, f, first);
        }
        return true;
    }

    // The pushed value of a variable, through the node check, squared or not (the square
    // checked as a node of its own), and negated: before the square, where the sign makes
    // no difference, or after it, where a negation follows the square (-x*x), which is
    // then done in the same pass and passed over.
    bool push_variable(double const* lanes, bool negated, bool squared, bool proven)
    {
        if (squared) {
            negated = ip_[1].op == Op::negate;
            ip_ += negated ? 1 : 0;
        }
        double* const out = push();
        bool const beyond = over_lanes_unless_proven<false, false>(
            [&](auto& p) {
                either(squared, [&](auto square) {
                    either(negated, [&](auto negate) {
                        for (int32_t i = 0; i < p.lanes; i += width) {
                            Real const c = p.checked_exact(load(lanes + i));
                            Real const v = square ? p.checked_exact(c * c) : c;
                            store(out + i, negate ? Real{} - v : p.stored(v));
                        }
                    });
                });
            },
            proven);
        if (!beyond)
            return true;
        fail_operand_beyond_limits(lanes, out);
        if (squared)
            fail_beyond_limits(out);
        return true;
    }

    // The instruction's variable pushed, squared in the same pass when a square follows.
    // A variable proven within the limits that is pushed as it stands is not copied: the
    // top is its lanes, borrowed until an instruction reads or changes it.
    bool push_alone(bool negated)
    {
        Instruction const* const first = ip_;
        double const* const lanes = operand(); // before the square moves on to its own
        bool const squared = squares_next();
        if (squared && combines_square(lanes, first))
            return true;
        bool const proven = proven_since(first);
        if (proven && !negated && !squared && borrowed_ == nullptr) {
            push();
            borrowed_ = lanes;
            borrowed_depth_ = depth_;
            return true;
        }
        return push_variable(lanes, negated, squared, proven);
    }

    // Whether the instruction leaves a borrowed variable's place alone, or reads it as an
    // operand of its own and writes elsewhere: a sum, difference or product of the two top
    // values. All the others would change it in place, or keep it.
    bool leaves_borrowed_alone() const
    {
        switch (ip_->op) {
        case Op::push_number:
        case Op::push_variable:
        case Op::push_negated_variable:
        case Op::push_too_large:
        case Op::add:
        case Op::subtract:
        case Op::multiply:
            return true;
        case Op::power:
        case Op::divide:
            return borrowed_depth_ < depth_ - 1;
        default: // on the top, or on a variable that a function pushes first
            return borrowed_depth_ < depth_ || ip_->argument != Argument::top;
        }
    }
    // The borrowed variable copied into its place after all. The copy of a proven value
    // needs no check; a zero comes out as +0, as it does from the check.
    void copy_borrowed()
    {
        double* const out = run_.stack[borrowed_depth_];
        int32_t const lanes = lanes_;
        for (int32_t i = 0; i < lanes; i += width)
            store(out + i, load(borrowed_ + i) + 0.0);
        borrowed_ = nullptr;
    }
    // The values at a place of the stack, where they may be a borrowed variable's.
    double const* values_at(int32_t depth) const
    {
        return depth == borrowed_depth_ && borrowed_ != nullptr ? borrowed_ : run_.stack[depth];
    }

    bool copy_to_top(double const* lanes)
    {
        double* const out = push();
        int32_t const count = lanes_;
        for (int32_t i = 0; i < count; i += width)
            store(out + i, load(lanes + i));
        return true;
    }

    // number / top or variable / top, failing where the divisor on top is 0.
    bool divide_into(double const* dividend, Operand kind)
    {
        double* const divisor = top();
        double* const out = run_.spare;
        Mask zero{};
        bool const beyond = over_lanes_unless_proven<true, false>([&](auto& p) {
            for (int32_t i = 0; i < p.lanes; i += width) {
                Real const q = load(divisor + i);
                Real x = load(dividend + i);
                Mask const is_zero = q == 0.0;
                zero |= is_zero;
                if (kind == Operand::variable)
                    x = p.checked_exact(x);
                Real const v = is_zero ? Real{} : x / q;
                store(out + i, p.stored(p.checked(v, i)));
            }
        }, proven_since(ip_));
        if (any(zero))
            fail_where_not(divisor, division_by_zero, [](double q) { return q != 0.0; });
        if (beyond) {
            if (kind == Operand::variable)
                fail_operand_beyond_limits(dividend, out);
            fail_beyond_limits(out);
        }
        replace_top_by_spare();
        return true;
    }

    // Whether any point's divisor on top is not 0; those that are fail, their quotient 0.
    bool check_divisor()
    {
        double const* const divisor = top();
        int32_t const lanes = lanes_;
        bool some_nonzero = false;
        Mask zero{};
        for (int32_t i = 0; i < lanes; i += width) {
            Mask const is_zero = load(divisor + i) == 0.0;
            zero |= is_zero;
            some_nonzero = some_nonzero || !all(is_zero);
        }
        if (any(zero))
            fail_where_not(divisor, division_by_zero, [](double q) { return q != 0.0; });
        return some_nonzero;
    }
    static bool all(Mask m)
    {
        for (int32_t k = 0; k < width; ++k)
            if (m[k] == 0)
                return false;
        return true;
    }

    // The power rule point by point. out may be base or exponent.
    bool power_lanes(double* out, double const* base, double const* exponent, Operand kind)
    {
        for (int32_t i = 0; i < lanes_; ++i) {
            double const x = base[i];
            double const y = kind == Operand::variable ? checked_lane(exponent[i], i) : exponent[i];
            if (approximate_ && lane_power_is_near_a_decision(x, y, limits_))
                doubt_lane(i);
            int32_t code = 0;
            double const v = lane_power(x, y, limits_, code);
            if (code != 0)
                record(i, code);
            out[i] = checked_lane(v, i);
        }
        return true;
    }

    // Records the failure at every point whose argument breaks the rule.
    template <class Allowed>
    void fail_where_not(double const* x, int32_t code, Allowed allowed) const
    {
        for (int32_t i = 0; i < lanes_; ++i)
            if (!allowed(x[i]))
                record(i, code);
    }

    // The node check of a function's results, in place. After the exponential it seeks no
    // doubts: its results lie far above the underflow limit, and near the overflow limit
    // only where its argument lies near the exponent limit, which it doubted already.
    template <bool SeeksDoubts = true>
    void check_results(double* out)
    {
        bool const beyond = over_lanes<SeeksDoubts>([&](auto& p) {
            for (int32_t i = 0; i < p.lanes; i += width)
                store(out + i, p.checked(load(out + i), i));
        });
        if (beyond)
            fail_beyond_limits(out);
    }

    enum class Exponent { argument, magnitude };
    enum class SmallArguments { vector, c_library };

    // The guarded exponential of x or |x|: beyond the exponent limit a positive exponent
    // fails and a negative one gives 0. Where the hyperbolic sine and tangent would cancel
    // the vector function's rounding into many units, the C library's exponential is taken.
    void guarded_exponentials(double* out, double const* x, Exponent of, SmallArguments small)
    {
        auto const exponent_at = [of](Real a) { return of == Exponent::magnitude ? magnitude(a) : a; };
        double const limit = limits_.exponent;
        Mask over_positive{};
        Mask cancelling{};
        over_lanes([&](auto& p) {
            for (int32_t i = 0; i < p.lanes; i += width) {
                Real const a = load(x + i);
                Real const e = exponent_at(a);
                Mask const over = magnitude(e) > limit;
                over_positive |= over & (e > 0.0);
                cancelling |= magnitude(a) < cancelling_hyperbolic_argument;
                if (p.approximate)
                    p.doubt(i, near(magnitude(a), limit));
                store(out + i, over ? splat(exponent_of_zero) : e);
            }
        });
        // The exponentials in a loop of their own: nothing the loop above keeps is lost
        // across the calls of the vector function, which keep no vector register.
        for (int32_t i = 0; i < lanes_; i += width)
            store(out + i, Lanes::exp(load(out + i)));
        auto const exponent_of = [of](double a) { return of == Exponent::magnitude ? magnitude(a) : a; };
        if (any(over_positive))
            fail_where_not(x, too_large, [&](double a) {
                double const e = exponent_of(a);
                return !(magnitude(e) > limit && e > 0.0);
            });
        if (small == SmallArguments::c_library && any(cancelling))
            for (int32_t i = 0; i < lanes_; ++i)
                if (magnitude(x[i]) < cancelling_hyperbolic_argument)
                    out[i] = __builtin_exp(exponent_of(x[i]));
    }

    void call_logarithm(double* out, double const* x, bool common)
    {
        Mask non_positive{};
        Real const divisor = splat(common ? limits_.ln_ten : 1.0);
        over_lanes([&](auto& p) {
            for (int32_t i = 0; i < p.lanes; i += width) {
                Real const a = load(x + i);
                Mask const positive = a > 0.0;
                non_positive |= ~positive;
                if (p.approximate)
                    p.doubt(i, near(a, 1.0));
                Real const v = Lanes::log(positive ? a : splat(1.0));
                store(out + i, positive ? (common ? v / divisor : v) : Real{});
            }
        });
        if (any(non_positive))
            fail_where_not(x, log_of_non_positive, [](double a) { return a > 0.0; });
    }

    void call_sqrt(double* out, double const* x)
    {
        int32_t const lanes = lanes_;
        Mask negative{};
        for (int32_t i = 0; i < lanes; i += width) {
            Real const a = load(x + i);
            Mask const allowed = a >= 0.0;
            negative |= ~allowed;
            store(out + i, allowed ? Lanes::sqrt(allowed ? a : Real{}) : Real{});
        }
        if (any(negative))
            fail_where_not(x, square_root_of_negative, [](double a) { return a >= 0.0; });
    }

    // The sine and cosine give 0 from 2^63 on. Near a root the result is small against
    // the argument, and rounding carried by the argument decides its sign.
    template <class F>
    void call_trigonometric(double* out, double const* x, F f)
    {
        over_lanes([&](auto& p) {
            for (int32_t i = 0; i < p.lanes; i += width) {
                Real const a = load(x + i);
                Real const m = magnitude(a);
                Mask const inside = m < trig_argument_limit;
                Real const v = inside ? f(inside ? a : Real{}) : Real{};
                if (p.approximate)
                    p.doubt(i, near(m, trig_argument_limit) | (magnitude(v) < splat(doubt_margin) * m));
                store(out + i, v);
            }
        });
    }

    // sin / cos, failing where the cosine is within the underflow limit of 0.
    void call_tan(double* out, double const* x)
    {
        double const underflow = limits_.underflow;
        Mask flat{};
        over_lanes([&](auto& p) {
            for (int32_t i = 0; i < p.lanes; i += width) {
                Real const a = load(x + i);
                Real const c = Lanes::cos(a);
                Real const s = Lanes::sin(a);
                Mask const steep = magnitude(c) > underflow;
                flat |= ~steep;
                if (p.approximate) {
                    Real const limit = splat(doubt_margin) * magnitude(a);
                    p.doubt(i, (magnitude(s) < limit) | (magnitude(c) < limit));
                }
                store(out + i, steep ? s / c : Real{});
            }
        });
        if (any(flat))
            for (int32_t i = 0; i < lanes_; i += width) {
                Mask const at = ~(magnitude(Lanes::cos(load(x + i))) > underflow);
                for (int32_t k = 0; k < width; ++k)
                    if (at[k] != 0)
                        record(i + k, too_large);
            }
    }

    template <class F>
    void each_lane(double* out, F f)
    {
        int32_t const lanes = lanes_;
        for (int32_t i = 0; i < lanes; i += width)
            store(out + i, f(i));
    }

    // arc sine and arc cosine point by point; near +-1 their slope is unbounded.
    void call_arc(double* out, double const* x, double (*f)(double))
    {
        for (int32_t i = 0; i < lanes_; ++i) {
            if (approximate_ && magnitude(magnitude(x[i]) - 1.0) < doubt_margin)
                doubt_lane(i);
            out[i] = f(x[i]);
        }
    }

    bool call_function()
    {
        if (ip_->argument != Argument::top)
            push_variable(operand(), ip_->argument == Argument::negated_variable, false, proven_since(ip_));
        replace_top_by_spare();
        apply_function(top(), argument());
        return true;
    }

    // out = f(x), checked in a pass of its own (a check within the loop of a vector
    // function would cost more: every vector register is lost across its call). Results
    // beyond the limits fail, except where the function cannot give such values. Its
    // argument is a checked value, 0 or of a magnitude from the underflow to the overflow
    // limit, so the sine, cosine, arc tangent, absolute value and step cannot, nor can the
    // logarithms (at most 372 in magnitude, 0 only at 1) and the square root (from the
    // underflow limit's root up): their results need no check.
    void apply_function(double* out, double const* x)
    {
        switch (ip_->op) {
        case Op::call_exp:
            if (proven_since(ip_)) // no argument near the exponent limit, no result beyond the limits
                return each_lane(out, [&](int32_t i) { return Lanes::exp(load(x + i)); });
            guarded_exponentials(out, x, Exponent::argument, SmallArguments::vector);
            return check_results<false>(out);
        case Op::call_log: return call_logarithm(out, x, true);
        case Op::call_ln: return call_logarithm(out, x, false);
        case Op::call_sqrt: return call_sqrt(out, x);
        case Op::call_sin: return call_trigonometric(out, x, [](Real a) { return Lanes::sin(a); });
        case Op::call_cos: return call_trigonometric(out, x, [](Real a) { return Lanes::cos(a); });
        case Op::call_tan:
            call_tan(out, x);
            return check_results(out);
        case Op::call_atan: return each_lane(out, [&](int32_t i) { return Lanes::atan(load(x + i)); });
        case Op::call_acos:
            call_arc(out, x, &lane_arc_cosine);
            return check_results(out);
        case Op::call_asin:
            call_arc(out, x, &lane_arc_sine);
            return check_results(out);
        case Op::call_cosh:
            guarded_exponentials(out, x, Exponent::magnitude, SmallArguments::vector);
            each_lane(out, [&](int32_t i) {
                Real const e = load(out + i);
                return (e + 1.0 / e) * 0.5;
            });
            return check_results(out);
        case Op::call_sinh:
            guarded_exponentials(out, x, Exponent::magnitude, SmallArguments::c_library);
            each_lane(out, [&](int32_t i) {
                Real const e = load(out + i);
                return load(x + i) >= 0.0 ? (e - 1.0 / e) * 0.5 : (1.0 / e - e) * 0.5;
            });
            return check_results(out);
        case Op::call_tanh:
            guarded_exponentials(out, x, Exponent::argument, SmallArguments::c_library);
            each_lane(out, [&](int32_t i) {
                Real const e = load(out + i);
                return 1.0 - 2.0 / (e * e + 1.0);
            });
            return check_results(out);
        case Op::call_abs: return each_lane(out, [&](int32_t i) { return magnitude(load(x + i)); });
        case Op::call_fnH:
            return each_lane(out, [&](int32_t i) {
                Real const a = load(x + i);
                return a < 0.0 ? Real{} : (a == 0.0 ? splat(0.5) : splat(1.0));
            });
        default: return; // rnd: formulae that draw random numbers are never run in blocks
        }
    }

    // The two top values combined into one.
    template <Sum sum, class F>
    bool on_stack(F f)
    {
        double const* const left = values_at(depth_ - 1);
        double const* const right = values_at(depth_);
        if (borrowed_depth_ >= depth_ - 1)
            borrowed_ = nullptr; // read here: the result takes its place
        combine<Operand::computed, Operand::computed, sum>(below(), left, right, f, ip_);
        --depth_;
        return true;
    }
    // The top combined with the instruction's number or variable.
    template <Operand kind, Sum sum, class F>
    bool with_operand(F f)
    {
        combine<Operand::computed, kind, sum>(top(), top(), operand(), f, ip_);
        return true;
    }
    bool push_too_large()
    {
        double* const out = push();
        for (int32_t i = 0; i < lanes_; ++i) {
            record(i, too_large);
            out[i] = 0.0;
        }
        return true;
    }
    // 0 - x rather than -x: a zero comes out as +0.
    bool negate()
    {
        double* const v = top();
        int32_t const lanes = lanes_;
        for (int32_t i = 0; i < lanes; i += width)
            store(v + i, Real{} - load(v + i));
        return true;
    }

    // Runs the instruction; false when a divisor check found every divisor 0.
    bool execute()
    {
        constexpr Operand computed = Operand::computed;
        constexpr Operand number = Operand::number;
        constexpr Operand variable = Operand::variable;
        switch (ip_->op) {
        case Op::push_number: return push_combined<number>(operand()) || copy_to_top(operand());
        case Op::push_variable: return push_combined<variable>(operand()) || push_alone(false);
        case Op::push_negated_variable:
            return push_combined<Operand::negated_variable>(operand()) || push_alone(true);
        case Op::push_too_large: return push_too_large();
        case Op::negate: return negate();
        case Op::add: return on_stack<Sum::yes>(add);
        case Op::subtract: return on_stack<Sum::yes>(subtract);
        case Op::multiply: return on_stack<Sum::no>(multiply);
        case Op::power:
            power_lanes(below(), below(), top(), computed);
            --depth_;
            return true;
        case Op::divide:
            // The dividend on top, the divisor below, checked for zero already.
            combine<computed, computed, Sum::no>(below(), top(), below(), divide, ip_);
            --depth_;
            return true;
        case Op::add_number: return with_operand<number, Sum::yes>(add);
        case Op::subtract_number: return with_operand<number, Sum::yes>(subtract);
        case Op::multiply_number: return with_operand<number, Sum::no>(multiply);
        case Op::divide_by_number: return with_operand<number, Sum::no>(divide);
        case Op::add_variable: return with_operand<variable, Sum::yes>(add);
        case Op::subtract_variable: return with_operand<variable, Sum::yes>(subtract);
        case Op::multiply_variable: return with_operand<variable, Sum::no>(multiply);
        case Op::square:
            combine<computed, computed, Sum::no>(top(), top(), top(), multiply, ip_);
            return true;
        case Op::number_minus:
            combine<number, computed, Sum::yes>(top(), operand(), top(), subtract, ip_);
            return true;
        case Op::power_number: return power_lanes(top(), top(), operand(), number);
        case Op::power_variable: return power_lanes(top(), top(), operand(), variable);
        case Op::number_power: return power_lanes(top(), operand(), top(), number);
        case Op::number_over: return divide_into(operand(), number);
        case Op::variable_over: return divide_into(operand(), variable);
        case Op::check_divisor: return check_divisor();
        default: return call_function();
        }
    }

    BlockRun& run_;
    int32_t const lanes_;
    EvaluatorLimits const limits_;
    Instruction const* ip_ = nullptr;
    int32_t depth_ = -1; // the stack block that holds the top
    // A pushed variable's lanes, standing for the stack block at borrowed_depth_.
    double const* borrowed_ = nullptr;
    int32_t borrowed_depth_ = -1;
    bool approximate_ = false;
    Mask doubted_{};
};

} // namespace
} // namespace kelvo
