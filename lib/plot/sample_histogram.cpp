#include "lib/plot/sample_histogram.h"

#include <cmath>

#include "lib/plot/data_calls.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/working_storage.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

EqualBins::EqualBins(double lo, double hi, int32_t count)
    : lo_(lo), hi_(hi), count_(count), scale_(std::isfinite(hi - lo) ? 1.0 : 0.5)
{
    scaled_width_ = lo == hi ? scale_ : (hi * scale_ - lo * scale_) / count;
}

int32_t EqualBins::bin_of(double sample) const
{
    double const position = (sample * scale_ - lo_ * scale_) / scaled_width_;
    int32_t k = position >= count_ ? count_ - 1 : static_cast<int32_t>(position);
    // The quotient may land one bin off the edges as they are drawn; the edges decide.
    if (k > 0 && sample < edge(k))
        --k;
    else if (k + 1 < count_ && sample >= edge(k + 1))
        ++k;
    return k;
}

std::optional<EqualBins> bins_of_samples(std::span<double const> samples, int32_t count)
{
    std::optional<double> lo;
    double hi = 0;
    for (double s : samples) {
        if (!std::isfinite(s))
            continue;
        if (!lo) {
            lo = s;
            hi = s;
        } else if (s < *lo) {
            lo = s;
        } else if (s > hi) {
            hi = s;
        }
    }
    if (!lo)
        return std::nullopt;
    return EqualBins(*lo, hi, count);
}

void count_samples(std::span<double const> samples, EqualBins const& bins, std::span<double> counts)
{
    for (double s : samples)
        if (std::isfinite(s))
            counts[static_cast<std::size_t>(bins.bin_of(s))] += 1;
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
    if (bins < 1) {
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
    std::vector<double> counts;
    if (!allocate_working_storage(edges, static_cast<std::size_t>(bins))
        || !allocate_working_storage(counts, static_cast<std::size_t>(bins)))
        return error_state().code;
    for (int32_t k = 0; k < bins; ++k)
        edges[static_cast<std::size_t>(k)] = equal_bins->edge(k);
    count_samples(data, *equal_bins, counts);
    draw_bars(graph, {edges, counts, 1, 0}, style);
    return error_state().code;
}

} // namespace kelvo
