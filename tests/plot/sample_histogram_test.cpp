// Histograms of raw samples: counts against counts written here, the bins' edges deciding
// every sample, equal and non-finite samples, the picture of TkDrawHistogram1 for the same
// bars, and the refusals.

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "lib/plot/sample_histogram.h"
#include "lib/runtime/error_state.h"
#include "tests/plot/plot_graph_test.h"
#include "tests/plot/plot_test_support.h"

namespace kelvo::testing {
namespace {

TkColor const fill = 0x00FF8000;
double const nan = std::numeric_limits<double>::quiet_NaN();
double const inf = std::numeric_limits<double>::infinity();

std::vector<double> counted(std::vector<double> const& samples, int32_t bins)
{
    std::optional<EqualBins> const equal = bins_of_samples(samples, bins);
    if (!equal)
        return {};
    std::vector<double> edges;
    for (int32_t k = 0; k < bins; ++k)
        edges.push_back(equal->edge(k));
    std::vector<int64_t> tallies(static_cast<std::size_t>(bins));
    count_samples(samples, *equal, edges, tallies);
    return {tallies.begin(), tallies.end()};
}

TEST(SampleBins, SamplesOnAnEdgeCountInTheBinAboveAndTheLastBinIsClosed)
{
    std::vector<double> const samples = {0, 1, 1, 2, 3, 3, 3, 4, 0.5, 3.999};
    EXPECT_EQ(counted(samples, 4), (std::vector<double>{2, 2, 1, 5}));
    EXPECT_EQ(counted(samples, 2), (std::vector<double>{4, 6}));
    EXPECT_EQ(counted(samples, 1), (std::vector<double>{10}));
    EXPECT_EQ(counted(samples, 8), (std::vector<double>{1, 1, 2, 0, 1, 0, 3, 2}));
}

TEST(SampleBins, SamplesThatAreNotFiniteAreLeftOut)
{
    std::vector<double> const samples = {nan, 2, inf, 6, -inf, 4, nan};
    std::optional<EqualBins> const bins = bins_of_samples(samples, 2);
    ASSERT_TRUE(bins);
    EXPECT_EQ(bins->edge(0), 2);
    EXPECT_EQ(bins->edge(1), 4);
    EXPECT_EQ(bins->edge(2), 6);
    EXPECT_EQ(counted(samples, 2), (std::vector<double>{1, 2}));
    EXPECT_FALSE(bins_of_samples(std::vector<double>{nan, inf, -inf}, 3)) << "no finite sample";
}

TEST(SampleBins, EqualSamplesFillTheFirstOfBinsOneWide)
{
    std::vector<double> const samples(7, 2.5);
    std::optional<EqualBins> const bins = bins_of_samples(samples, 3);
    ASSERT_TRUE(bins);
    EXPECT_EQ(bins->edge(0), 2.5);
    EXPECT_EQ(bins->edge(1), 3.5);
    EXPECT_EQ(bins->edge(2), 4.5);
    EXPECT_EQ(counted(samples, 3), (std::vector<double>{7, 0, 0}));
}

// Whatever the rounding of the quotient that finds it, a sample's bin is the one whose
// edges, as they are drawn, hold it; a range wider than the largest real included.
TEST(SampleBins, TheDrawnEdgesHoldEverySample)
{
    std::mt19937_64 random(2025);
    double const largest = std::numeric_limits<double>::max();
    struct Spread {
        double lo, hi;
    };
    for (Spread const spread : {Spread{0, 1}, Spread{-3e-7, 1e-7}, Spread{1e15, 1e15 + 977}, Spread{-largest, largest}}) {
        std::uniform_real_distribution<double> sample(spread.lo / 2, spread.hi / 2);
        for (int32_t count : {1, 3, 10, 49, 1000}) {
            std::vector<double> samples = {spread.lo, spread.hi};
            for (int k = 0; k < 400; ++k)
                samples.push_back(2 * sample(random));
            std::optional<EqualBins> const bins = bins_of_samples(samples, count);
            ASSERT_TRUE(bins);
            // Samples exactly on the edges, where the quotient is most likely off by one.
            for (int32_t k = 0; k < count; ++k)
                samples.push_back(bins->edge(k));
            for (double s : samples) {
                int32_t const k = bins->bin_of(s);
                ASSERT_GE(k, 0);
                ASSERT_LT(k, count);
                EXPECT_LE(bins->edge(k), s) << s << " in bin " << k << " of " << count;
                if (k + 1 < count)
                    EXPECT_LT(s, bins->edge(k + 1)) << s << " in bin " << k << " of " << count;
                else
                    EXPECT_LE(s, bins->edge(count));
            }
        }
    }
}

class SampleHistograms : public PlotGraphTest {
protected:
    int drawn_pixels() const { return TkWindowWidth(graph) * TkWindowHeight(graph) - count_shown(graph, background); }
};

// The bars are those of TkDrawHistogram1 over the bins' left edges, with the counts as
// heights: the same pixels, under every option.
TEST_F(SampleHistograms, AreDrawnAsTheClassicHistogramOfTheirCounts)
{
    std::vector<double> samples;
    for (int k = 0; k < 20; ++k)
        samples.push_back(k % 7 + 0.25 * (k % 3));
    samples.push_back(nan);
    // Five bins of 1.25 from 0 to 6.25: [0, 1.25) holds 0, 0.25, 0.5 and 1, the closed
    // [5, 6.25] holds 5, 5.25, 5.5, 6 and 6.25.
    std::vector<double> const edges = {0, 1.25, 2.5, 3.75, 5};
    std::vector<double> const counts = {4, 4, 4, 3, 5};
    ASSERT_EQ(counted(samples, 5), counts);
    OwnedArray const x = OwnedArray::line(edges);
    OwnedArray const y = OwnedArray::line(counts);
    for (uint8_t option : {0, 1, 2, 3}) {
        TkClearWindow(graph);
        TkSetRanges(graph, -1, 8, -1, 6);
        TkSetScales(graph);
        ASSERT_EQ(TkDrawHistogram1(graph, x, y, 5, 1, 0, fill, option), 0);
        Picture const classic(graph);
        TkClearWindow(graph);
        TkSetRanges(graph, -1, 8, -1, 6);
        TkSetScales(graph);
        ASSERT_EQ(TkDrawHistogramData(graph, samples.data(), static_cast<int64_t>(samples.size()), 5, fill, option), 0);
        EXPECT_GT(count_shown(graph, fill), 1000) << "option " << int{option};
        EXPECT_TRUE(Picture(graph) == classic) << "option " << int{option};
    }
}

TEST_F(SampleHistograms, RefusalsDrawNothing)
{
    std::vector<double> const samples = {1, 2, 3};
    std::vector<double> const none_finite = {nan, inf, -inf};
    struct Refusal {
        double const* samples;
        int64_t n;
        int32_t bins;
        int32_t code;
    };
    for (Refusal const r : {Refusal{nullptr, 3, 4, 20804}, Refusal{samples.data(), 0, 4, 20802},
                            Refusal{samples.data(), -1, 4, 20802},
                            Refusal{samples.data(), std::numeric_limits<int64_t>::min(), 4, 20802},
                            // More samples than memory holds: refused before any is read.
                            Refusal{samples.data(), std::numeric_limits<int64_t>::max(), 4, 20801},
                            Refusal{samples.data(), 3, 0, 20807}, Refusal{samples.data(), 3, -5, 20807},
                            Refusal{samples.data(), 3, (1 << 20) + 1, 20807}, Refusal{samples.data(), 3, INT32_MAX, 20807},
                            Refusal{none_finite.data(), 3, 4, 20802}}) {
        EXPECT_EQ(TkDrawHistogramData(graph, r.samples, r.n, r.bins, fill, 3), r.code)
            << "n " << r.n << ", bins " << r.bins;
        EXPECT_EQ(drawn_pixels(), 0);
    }
    EXPECT_EQ(error_state().message, "Not enough data");
    EXPECT_EQ(TkDrawHistogramData(0, samples.data(), 3, 4, fill, 3), 0) << "no graph, nothing to do";
}

// The samples need not fit a library array, and are read where they lie.
TEST_F(SampleHistograms, ManySamplesAreCountedInOnePass)
{
    std::vector<double> samples(300'000);
    for (std::size_t k = 0; k < samples.size(); ++k)
        samples[k] = static_cast<double>(k % 1000);
    std::vector<double> const counts = counted(samples, 10);
    EXPECT_EQ(counts, std::vector<double>(10, 30'000.0));
    ASSERT_EQ(TkDrawHistogramData(graph, samples.data(), static_cast<int64_t>(samples.size()), 10, fill, 1), 0);
    EXPECT_GT(count_shown(graph, fill), 10000);
}

} // namespace
} // namespace kelvo::testing
