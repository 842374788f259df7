#include "lib/plot/sample_histogram.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "lib/plot/data_calls.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/working_storage.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

EqualBins::EqualBins(double lo, double hi, int32_t count)
    : lo_(lo), hi_(hi), count_(count), scale_(std::isfinite(hi - lo) ? 1.0 : 0.5), unscale_(1 / scale_)
{
    scaled_width_ = lo == hi ? scale_ : (hi * scale_ - lo * scale_) / count;
    bins_per_scaled_unit_ = 1 / scaled_width_;
}

std::optional<EqualBins> bins_of_samples(std::span<double const> samples, int32_t count)
{
    // Selections rather than branches: the loop then costs the same whatever the order of
    // the samples. Without a finite sample the bounds stay crossed.
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (double s : samples) {
        bool const finite = std::isfinite(s);
        lo = finite && s < lo ? s : lo;
        hi = finite && s > hi ? s : hi;
    }
    if (!(lo <= hi))
        return std::nullopt;
    return EqualBins(lo, hi, count);
}

void count_samples(std::span<double const> samples, EqualBins const& bins, std::span<double const> left_edges,
                   std::span<int64_t> tallies)
{
    EqualBins const local = bins; // kept in registers: the tallies written cannot change it
    auto const edge = [left_edges](int32_t k) { return left_edges[static_cast<std::size_t>(k)]; };
    for (double s : samples)
        if (std::isfinite(s))
            ++tallies[static_cast<std::size_t>(local.bin_of(s, edge))];
}

int32_t draw_sample_histogram(GraphRecord& graph, double const* samples, int64_t n, int32_t bins,
                              BarStyle const& style)
{
    start_data_call();
    if (samples == nullptr) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    if (n < 1) {
        report_plot_error(PlotError::not_enough_data);
        return error_state().code;
    }
    if (n > most_reals_in_memory) {
        report_plot_error(PlotError::no_room);
        return error_state().code;
    }
    if (bins < 1 || bins > most_sample_bins) {
        report_plot_error(PlotError::bad_option);
        return error_state().code;
    }
    std::span<double const> const data(samples, static_cast<std::size_t>(n));
    std::optional<EqualBins> const equal_bins = bins_of_samples(data, bins);
    if (!equal_bins) {
        report_plot_error(PlotError::not_enough_data);
        return error_state().code;
    }
    std::vector<double> edges;
    std::vector<int64_t> tallies;
    std::vector<double> counts;
    if (!allocate_working_storage(edges, static_cast<std::size_t>(bins))
        || !allocate_working_storage(tallies, static_cast<std::size_t>(bins))
        || !allocate_working_storage(counts, static_cast<std::size_t>(bins)))
        return error_state().code;
    for (int32_t k = 0; k < bins; ++k)
        edges[static_cast<std::size_t>(k)] = equal_bins->edge(k);
    count_samples(data, *equal_bins, edges, tallies);
    std::ranges::copy(tallies, counts.begin());
    draw_bars(graph, {edges, counts, 1, 0}, style);
    return error_state().code;
}

} // namespace kelvo
