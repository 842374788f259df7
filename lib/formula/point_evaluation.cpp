#include "lib/formula/point_evaluation.h"

#include <sched.h>

#include <algorithm>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "lib/formula/block_evaluator.h"
#include "lib/formula/evaluator.h"
#include "lib/formula/formula_state.h"

namespace kelvo {

namespace {

std::array<double const*, 3> slot_addresses(FormulaState const& state)
{
    return {&state.slots[0], &state.slots[1], &state.slots[2]};
}

// In the order of the points, through the variable slots, as single calls would do it.
PointFailures evaluate_one_by_one(CompiledFormula const& formula, PointSet const& points, double* values)
{
    FormulaState& state = formula_state();
    PointFailures failures;
    for (int64_t p = 0; p < points.size(); ++p) {
        points.fill(p, 1, {&state.slots[0], &state.slots[1], &state.slots[2]});
        Evaluation const evaluation = evaluate(&formula);
        values[p] = evaluation.value;
        failures.note(p, evaluation.failure.code());
    }
    return failures;
}

// One core's share: the points from first to end, block by block.
struct Share {
    int64_t first = 0;
    int64_t end = 0;
    PointFailures failures;

    void evaluate(BlockEvaluator& evaluator, PointSet const& points, double* values)
    {
        std::array<double*, 3> const lanes = {evaluator.inputs(0), evaluator.inputs(1), evaluator.inputs(2)};
        for (int64_t start = first; start < end; start += block_size) {
            auto const count = static_cast<int32_t>(std::min<int64_t>(block_size, end - start));
            BlockEvaluator::Lanes inputs = points.side_by_side(start);
            if (inputs[0] == nullptr) {
                points.fill(start, count, lanes);
                inputs = evaluator.own_inputs();
            }
            evaluator.evaluate(inputs, count, values + start);
            if (!evaluator.failed())
                continue;
            int32_t const* codes = evaluator.codes();
            for (int32_t i = 0; i < count; ++i)
                failures.note(start + i, codes[i]);
        }
    }
};

// The cores the calling thread may run on. One held to fewer than the machine has (by
// taskset, or a container's share) would only make its helpers take turns on them.
int64_t cores_available()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return CPU_COUNT(&set);
    return static_cast<int64_t>(std::thread::hardware_concurrency());
}

} // namespace

int64_t cores_for(int64_t points, int32_t allowed)
{
    if (points < points_worth_sharing)
        return 1;
    int64_t const cores = allowed > 0 ? allowed : cores_available();
    return std::clamp<int64_t>(cores, 1, points / (points_worth_sharing / 2));
}

void PointFailures::note(int64_t point, int32_t code)
{
    if (code == 0)
        return;
    if (first_point < 0) {
        first_point = point;
        first.record_code(code);
    }
    last_point = point;
    last = FormulaFailure{};
    last.record_code(code);
}

void PointFailures::append(PointFailures const& later)
{
    if (later.first_point < 0)
        return;
    if (first_point < 0) {
        first_point = later.first_point;
        first = later.first;
    }
    last_point = later.last_point;
    last = later.last;
}

PointFailures evaluate_points(CompiledFormula const& formula, PointSet const& points, double* values)
{
    if (!evaluates_in_blocks(formula))
        return evaluate_one_by_one(formula, points, values);

    FormulaState const& state = formula_state();
    int64_t const cores = cores_for(points.size(), state.evaluation_cores);
    // Every evaluator is made here, so that the other threads allocate nothing.
    std::vector<std::unique_ptr<BlockEvaluator>> evaluators;
    std::vector<Share> shares(static_cast<std::size_t>(cores));
    int64_t const blocks = (points.size() + block_size - 1) / block_size;
    for (int64_t k = 0; k < cores; ++k) {
        evaluators.push_back(std::make_unique<BlockEvaluator>(formula, slot_addresses(state), state.limits,
                                                              state.processor_path));
        Share& share = shares[static_cast<std::size_t>(k)];
        share.first = std::min(points.size(), blocks * k / cores * block_size);
        share.end = std::min(points.size(), blocks * (k + 1) / cores * block_size);
    }

    // The calling thread takes the first share; a thread that cannot be started leaves its
    // share to the calling thread too.
    std::vector<std::jthread> helpers;
    helpers.reserve(shares.size());
    std::size_t started = 1;
    try {
        for (; started < shares.size(); ++started)
            helpers.emplace_back([&, started] { shares[started].evaluate(*evaluators[started], points, values); });
    } catch (std::system_error const&) {
    }
    shares[0].evaluate(*evaluators[0], points, values);
    for (std::size_t k = started; k < shares.size(); ++k)
        shares[k].evaluate(*evaluators[k], points, values);
    helpers.clear(); // joins

    PointFailures failures;
    for (Share const& share : shares)
        failures.append(share.failures);
    return failures;
}

} // namespace kelvo
