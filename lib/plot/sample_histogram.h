#pragma once

// A histogram of the caller's raw samples, of any number: equal bins over the range of the
// finite samples, counted in one pass and drawn as TkDrawHistogram1 draws bars of the counts
// standing on the bins' left edges (width 1, offset 0).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "lib/graph/graph_record.h"
#include "lib/plot/histograms.h"

namespace kelvo {

// `count` equal bins over [lo, hi], the last one closed. Equal bounds give bins of width 1
// from that value. A range wider than the largest real is measured in halves.
class EqualBins {
public:
    EqualBins(double lo, double hi, int32_t count);

    int32_t count() const { return count_; }
    // The left edge of bin k (0 <= k < count), or hi for k = count.
    double edge(int32_t k) const
    {
        return k == 0 ? lo_ : k == count_ ? hi_ : (lo_ * scale_ + k * scaled_width_) * unscale_;
    }
    // The bin of a sample within [lo, hi]: the one whose edges, as edge() gives them, hold
    // it.
    int32_t bin_of(double sample) const
    {
        return bin_of(sample, [this](int32_t k) { return edge(k); });
    }
    // The same with the left edges read from edges(k), which gives edge(k) for k < count:
    // from a table, counting saves computing them for every sample.
    template <typename LeftEdges>
    int32_t bin_of(double sample, LeftEdges&& edges) const
    {
        double const position = (sample * scale_ - lo_ * scale_) * bins_per_scaled_unit_;
        int32_t k = position >= count_ ? count_ - 1 : static_cast<int32_t>(position);
        // The product may land one bin off the edges as they are drawn; the edges decide.
        if (k > 0 && sample < edges(k))
            --k;
        else if (k + 1 < count_ && sample >= edges(k + 1))
            ++k;
        return k;
    }

private:
    double lo_;
    double hi_;
    int32_t count_;
    double scale_;        // 1, or 1/2 for a range wider than the largest real
    double unscale_;      // 1 / scale_, exactly: a multiplication undoes the scale as a division would
    double scaled_width_; // the width of a bin times scale_
    // 1 / scaled_width_: a sample's bin by a multiplication, whose rounding the edges correct.
    double bins_per_scaled_unit_;
};

// The bins of the finite samples; none when no sample is finite.
std::optional<EqualBins> bins_of_samples(std::span<double const> samples, int32_t count);

// How many finite samples fall in each bin, whose left edges (edge(k), as drawn) are given.
// Whole numbers, since runs of samples in one bin would otherwise wait on the latency of
// adding reals, one sample after the other.
void count_samples(std::span<double const> samples, EqualBins const& bins, std::span<double const> left_edges,
                   std::span<int64_t> tallies);

// More bins than any picture has pixel columns show nothing more, and each costs memory.
inline constexpr int32_t most_sample_bins = 1 << 20;

// TkDrawHistogramData: 20804 for missing samples, 20802 for fewer than one sample or none
// finite, 20807 for fewer than one bin or more than most_sample_bins, 20801 for more
// samples than memory could hold or when the bins' storage cannot be had.
int32_t draw_sample_histogram(GraphRecord& graph, double const* samples, int64_t n, int32_t bins,
                              BarStyle const& style);

} // namespace kelvo
