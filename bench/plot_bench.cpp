// Whole plots against PLplot drawing into its in-memory raster driver at the same size, in
// the same program: the 2D curve with its labelled frame (scene 20), the coin-toss histogram
// with axes (scene 27) and the space curve on a saddle in its fitted 3D frame (scene 22).
//
// For each plot three figures: our plot calls alone on a cleared graph, the clearing left
// out of the time (Kelvo/<plot>/Drawing), our whole frame
// as a program makes it (cleared, drawn, dispatched: Kelvo/<plot>/Frame) and PLplot's whole
// page (PLplot/<plot>); PLplot/EmptyPage is its page with nothing drawn, to be taken off its
// figures. Kelvo/ClearAndDispatch and MemoryFloor (one memset and one memcpy of the graph's
// pixels) give the cost of a frame without a plot; Curve3DArithmeticAlone the space curve's
// arithmetic alone, a floor under drawing it.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include <benchmark/benchmark.h>
#include <plplot.h>

#include "bench/headless_graph.h"
#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

namespace {

constexpr int32_t width = 1024;
constexpr int32_t height = 768;
constexpr double pi = std::numbers::pi;

// ---- Ours: a graph in "Delay Redraw" mode on a headless host, as a program would draw.

struct KelvoGraph : HeadlessGraph {
    KelvoGraph() : HeadlessGraph(width, height) {}
};

// The coin-toss counts of scene 27: a fixed sample, so that every iteration draws the same.
struct TossCounts {
    std::vector<double> heads;
    std::vector<double> counts;
    TossCounts()
    {
        constexpr std::array<int, 21> fixed = {0, 0, 0, 1, 3, 7, 18, 37, 60, 80, 88, 78, 59, 38, 18, 8, 4, 1, 0, 0, 0};
        for (std::size_t i = 0; i < fixed.size(); ++i) {
            heads.push_back(static_cast<double>(i));
            counts.push_back(fixed[i]);
        }
    }
};

void kelvo_curve_2d(TkGraph g)
{
    TkSetRanges(g, 0, 5.5, -50, 50);
    TkSetScales(g);
    TkDrawAxes(g);
    TkLabelAxes(g);
    TkDrawCurve1(g, "50 * exp(-x) / (x-a) / (x-b)", "x", 0, 5, 128, 0x54FF54, 0);
}

void prepare_curve_2d(TkGraph g)
{
    int32_t const cw = TkCellWidth(g);
    int32_t const ch = TkCellHeight(g);
    TkSetMargins(g, 5 * cw, 3 * ch + 15, 5 * cw, 2 * cw);
    TkClearParaList(g);
    TkAddParaList(g, "a", 3);
    TkAddParaList(g, "b", 2);
}

struct KelvoHistogram {
    TkArray x = 0;
    TkArray n = 0;
    explicit KelvoHistogram(TkGraph g)
    {
        TossCounts const tosses;
        x = TkNewArray1(21);
        n = TkNewArray1(21);
        for (int32_t i = 1; i <= 21; ++i) {
            TkSetArray1(x, i, tosses.heads[static_cast<std::size_t>(i - 1)]);
            TkSetArray1(n, i, tosses.counts[static_cast<std::size_t>(i - 1)]);
        }
        int32_t const cw = TkCellWidth(g);
        int32_t const ch = TkCellHeight(g);
        TkSetMargins(g, cw, 4 * ch, cw, 2 * ch);
    }
    ~KelvoHistogram()
    {
        TkDisposeArray(x);
        TkDisposeArray(n);
    }
    void draw(TkGraph g) const { TkDrawHistogram1(g, x, n, 21, 1, 0, 0xFFFFFF, 3); }
};

void prepare_curve_3d(TkGraph g)
{
    int32_t const cw = TkCellWidth(g);
    TkSetMargins(g, cw, 0, cw, 0);
}

void kelvo_curve_3d(TkGraph g)
{
    TkDrawCurve3(g, "t * cos(48 * Pi * t)", "t * sin(48 * Pi * t)", "t^(3/2) * cos(96 * Pi * t)", "t", 0, 1, 256,
                 0x787800, 3);
}

// The space curve's points in C++. Drawn by the curve engine from this function, it
// records in `asked`, when that is set, every t the engine evaluates.
struct SaddleCurve {
    static inline double x = 0;
    static inline double y = 0;
    static inline double z = 0;
    static inline std::vector<double>* asked = nullptr;

    static double point_at(double t)
    {
        if (asked != nullptr)
            asked->push_back(t);
        x = t * std::cos(48 * pi * t);
        y = t * std::sin(48 * pi * t);
        z = std::pow(t, 1.5) * std::cos(96 * pi * t);
        return 1;
    }
};

void record_curve_3d_parameters(TkGraph g)
{
    TkDrawCurveFunc3(g, SaddleCurve::point_at, &SaddleCurve::x, &SaddleCurve::y, &SaddleCurve::z, 0, 1, 256,
                     0x787800, 3);
}

// The drawing alone, and the whole frame.
template <typename Draw>
void run_kelvo(benchmark::State& state, KelvoGraph const& k, bool whole_frame, Draw&& draw)
{
    for (auto _ : state) {
        if (whole_frame)
            TkClearWindow(k.graph);
        else
            clear_untimed(state, k.graph);
        draw(k.graph);
        if (whole_frame)
            TkDispatchToWindow(k.graph);
    }
}

void BM_KelvoCurve2D(benchmark::State& state)
{
    KelvoGraph const k;
    prepare_curve_2d(k.graph);
    run_kelvo(state, k, state.range(0) != 0, kelvo_curve_2d);
}
BENCHMARK(BM_KelvoCurve2D)->ArgName("frame")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_UntimedClearAlone(benchmark::State& state)
{
    untimed_clear_alone(state);
}
BENCHMARK(BM_UntimedClearAlone)->Unit(benchmark::kMicrosecond);

void BM_KelvoHistogram(benchmark::State& state)
{
    KelvoGraph const k;
    KelvoHistogram const histogram(k.graph);
    run_kelvo(state, k, state.range(0) != 0, [&](TkGraph g) { histogram.draw(g); });
}
BENCHMARK(BM_KelvoHistogram)->ArgName("frame")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_KelvoCurve3D(benchmark::State& state)
{
    KelvoGraph const k;
    prepare_curve_3d(k.graph);
    run_kelvo(state, k, state.range(0) != 0, kelvo_curve_3d);
}
BENCHMARK(BM_KelvoCurve3D)->ArgName("frame")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The space curve's arithmetic alone, in C++, at every t the curve engine evaluates (about
// 4,000 under the refinement rule, where PLplot joins its 256 points): a floor under any
// drawing of this curve from these formulae, whatever evaluates them.
void BM_Curve3DArithmeticAlone(benchmark::State& state)
{
    std::vector<double> asked;
    {
        KelvoGraph const k;
        prepare_curve_3d(k.graph);
        SaddleCurve::asked = &asked;
        record_curve_3d_parameters(k.graph);
        SaddleCurve::asked = nullptr;
    }
    for (auto _ : state) {
        for (double t : asked) {
            SaddleCurve::point_at(t);
            benchmark::DoNotOptimize(SaddleCurve::z);
        }
    }
    state.counters["points"] = static_cast<double>(asked.size());
}
BENCHMARK(BM_Curve3DArithmeticAlone)->Unit(benchmark::kMicrosecond);

void BM_KelvoClearAndDispatch(benchmark::State& state)
{
    KelvoGraph const k;
    run_kelvo(state, k, true, [](TkGraph) {});
}
BENCHMARK(BM_KelvoClearAndDispatch)->Unit(benchmark::kMicrosecond);

// One memset and one memcpy of the graph's 32-bit pixels.
void BM_MemoryFloor(benchmark::State& state)
{
    std::vector<uint32_t> image(static_cast<std::size_t>(width) * height);
    std::vector<uint32_t> window(image.size());
    for (auto _ : state) {
        std::memset(image.data(), 0xFF, image.size() * sizeof(uint32_t));
        std::memcpy(window.data(), image.data(), image.size() * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemoryFloor)->Unit(benchmark::kMicrosecond);

// ---- PLplot: one stream on the mem driver, a page per iteration.

class PLplotPage {
public:
    static PLplotPage& instance()
    {
        static PLplotPage page;
        return page;
    }

private:
    PLplotPage()
        // The driver writes up to a few kilobytes past the end of its buffer.
        : buffer_(static_cast<std::size_t>(width) * height * 3 + (1 << 20))
    {
        plsdev("mem");
        plsmem(width, height, buffer_.data());
        plscolbg(255, 255, 255);
        plinit();
        plfontld(1);
    }

public:
    // The driver lets go of its buffer at the end of every page: each page needs it again.
    void lend_buffer() { plsmem(width, height, buffer_.data()); }

private:
    std::vector<unsigned char> buffer_;
};

double scene20_value(double x)
{
    return 50 * std::exp(-x) / (x - 3) / (x - 2);
}

void plplot_curve_2d()
{
    std::array<PLFLT, 128> x{};
    std::array<PLFLT, 128> y{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = 5.0 * static_cast<double>(i) / 127;
        y[i] = scene20_value(x[i]);
    }
    plvpor(0.08, 0.92, 0.1, 0.9);
    plwind(0, 5.5, -50, 50);
    plcol0(1);
    plbox("bcnst", 0, 0, "bcnstv", 0, 0);
    plcol0(3);
    plline(static_cast<PLINT>(x.size()), x.data(), y.data());
}

void plplot_histogram(TossCounts const& tosses)
{
    plvpor(0.02, 0.98, 0.1, 0.85);
    plwind(-5, 25, 0, 100);
    plcol0(1);
    plbox("bcnst", 0, 0, "bcnstv", 0, 0);
    for (std::size_t i = 0; i < tosses.heads.size(); ++i) {
        PLFLT const left = tosses.heads[i];
        PLFLT const right = left + 1;
        PLFLT const top = tosses.counts[i];
        std::array<PLFLT, 4> bx{left, left, right, right};
        std::array<PLFLT, 4> by{0, top, top, 0};
        plcol0(15);
        plfill(4, bx.data(), by.data());
        plcol0(1);
        plline(4, bx.data(), by.data());
    }
    plbox("bcnst", 0, 0, "bcnstv", 0, 0);
}

void plplot_curve_3d()
{
    std::array<PLFLT, 256> x{};
    std::array<PLFLT, 256> y{};
    std::array<PLFLT, 256> z{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        double const t = static_cast<double>(i) / 255;
        x[i] = t * std::cos(48 * pi * t);
        y[i] = t * std::sin(48 * pi * t);
        z[i] = std::pow(t, 1.5) * std::cos(96 * pi * t);
    }
    plvpor(0.02, 0.98, 0.02, 0.98);
    plwind(-1.0, 1.0, -0.9, 1.1);
    plcol0(1);
    plw3d(1.0, 1.0, 1.0, -1, 1, -1, 1, -1, 1, 30, -75);
    plbox3("bnstu", "", 0.0, 0, "bnstu", "", 0.0, 0, "bcdmnstuv", "", 0.0, 0);
    plcol0(3);
    plline3(static_cast<PLINT>(x.size()), x.data(), y.data(), z.data());
}

template <typename Draw>
void run_plplot(benchmark::State& state, Draw&& draw)
{
    PLplotPage& page = PLplotPage::instance();
    for (auto _ : state) {
        page.lend_buffer();
        plbop();
        draw();
        pleop();
    }
}

void BM_PLplotCurve2D(benchmark::State& state)
{
    run_plplot(state, plplot_curve_2d);
}
BENCHMARK(BM_PLplotCurve2D)->Unit(benchmark::kMicrosecond);

void BM_PLplotHistogram(benchmark::State& state)
{
    TossCounts const tosses;
    run_plplot(state, [&] { plplot_histogram(tosses); });
}
BENCHMARK(BM_PLplotHistogram)->Unit(benchmark::kMicrosecond);

void BM_PLplotCurve3D(benchmark::State& state)
{
    run_plplot(state, plplot_curve_3d);
}
BENCHMARK(BM_PLplotCurve3D)->Unit(benchmark::kMicrosecond);

void BM_PLplotEmptyPage(benchmark::State& state)
{
    run_plplot(state, [] {});
}
BENCHMARK(BM_PLplotEmptyPage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
