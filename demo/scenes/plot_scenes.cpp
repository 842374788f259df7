// Scenes of the "Plot" and "Evaluate" menus that draw curves and bar charts: a curve with
// the graph's parameters and a pole, normal densities with a legend, a space curve on a
// saddle, a histogram of coin tosses, the Julia set with its 3D bar chart, and the user's
// own formula.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>

#include "demo/named_colours.h"
#include "demo/scenes/formula_question.h"
#include "demo/scenes/scene_helpers.h"
#include "demo/scenes/scene_table.h"

namespace kelvotour {

namespace {

constexpr double pi = std::numbers::pi;

constexpr int32_t axisType_gp = 131;
constexpr int32_t boxed_axes = 3;
constexpr int32_t background_colour = 6;
constexpr int32_t graph_title = 7;
constexpr uint8_t fit_and_frame = 3;
constexpr uint8_t draw_only = 0;

// Library arrays owned for the length of a scene.
class OwnedArray {
public:
    explicit OwnedArray(TkArray handle) : handle_(handle) {}
    ~OwnedArray() { TkDisposeArray(handle_); }
    OwnedArray(OwnedArray const&) = delete;
    OwnedArray& operator=(OwnedArray const&) = delete;
    TkArray get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

private:
    TkArray handle_;
};

std::string real_text(int32_t decimals, double value)
{
    unsigned char text[256];
    RealToStr(decimals, text, value);
    return from_short_string(text);
}

// Sigma as the legend and the formula write it.
std::string decimal_text(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.4g", value);
    return text.data();
}

// ---- Scene 28: iteration counts of the Julia set of lambda sin z.

constexpr int julia_grid = 80;
constexpr int julia_limit = 25;
constexpr int bar_grid = 15;

// The number of steps z <- lambda sin z (lambda = 1 + 0.4 i) from x + i y until |z|^2
// passes 400, at most 25.
int julia_iterations(double x, double y)
{
    constexpr double lambda_re = 1.0;
    constexpr double lambda_im = 0.4;
    int n = 0;
    do {
        double const sin_re = std::sin(x) * std::cosh(y);
        double const sin_im = std::cos(x) * std::sinh(y);
        x = lambda_re * sin_re - lambda_im * sin_im;
        y = lambda_re * sin_im + lambda_im * sin_re;
        ++n;
    } while (x * x + y * y <= 400 && n < julia_limit);
    return n;
}

TkColor julia_colour(int iterations)
{
    double const f = 0.04 * iterations;
    return TkRGB(static_cast<int32_t>(std::lround(255 * std::sqrt(f))), static_cast<int32_t>(std::lround(125 * f)) + 130,
                 static_cast<int32_t>(std::lround(255 * f)), 1);
}

// ---- Scene 29

// The formula buffer holds 499 characters and its terminator; a cut never splits a UTF-8
// sequence.
std::string formula_buffer_text(QString const& text)
{
    constexpr std::size_t capacity = 499;
    QByteArray const bytes = text.toUtf8();
    std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), capacity);
    if (length < static_cast<std::size_t>(bytes.size()))
        while (length > 0 && (static_cast<unsigned char>(bytes[static_cast<qsizetype>(length)]) & 0xC0) == 0x80)
            --length;
    return std::string(bytes.constData(), length);
}

void plot_user_formula(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    reset_graph(state, Clearing::Clear);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    TkSetMargins(id, 5 * cw, 3 * ch, cw, 5 * cw);
    TkDispatchToWindow(id);
    int32_t const result = TkDrawCurve1(id, state.UserFormula.c_str(), "x", 0, 10, 128, c.TkBlue, fit_and_frame);
    TkGraphTitle(id, graph_title, state.UserFormula.c_str());
    if (result >= 10400 && result <= 10413)
        TkGpText(id, 2, ch + 2, "Cannot compile - syntax error!");
    if (result >= 10414 && result <= 10499)
        TkGpText(id, 2, ch + 2, "Cannot evaluate - singularity!");
    TkDispatchToWindow(id);
}

} // namespace

void draw_2d_curve(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    TkSetMargins(id, 5 * cw, 3 * ch + 15, 5 * cw, 2 * cw);
    TkSetRanges(id, 0, 5.5, -50, 50);
    TkSetScales(id);
    TkDrawAxes(id);
    TkLabelAxes(id);
    TkGpText(id, 5, 15, "Computing ....");
    TkClearParaList(id);
    TkAddParaList(id, "a", 3);
    TkAddParaList(id, "b", 2);
    TkDrawCurve1(id, "50 * exp(-x) / (x-a) / (x-b)", "x", 0, 5, 128, named_colours().TkLightGreen, draw_only);
    TkGpFill(id, 0, 0, TkWindowWidth(id), 3 * ch / 2, TkGetGraphColor(id, background_colour), 1);
    TkGpText(id, 5, 15, "f(x) = 50 * exp(- x) / (x-a) / (x-b), a = 3, b = 2");
    double value = 0;
    TkEvaluateEx0ByVar(id, "a + b", &value);
    TkGpText(id, 5, ch + 15, ("Testing parameter evaluation: a + b = " + real_text(2, value)).c_str());
    TkDispatchToWindow(id);
}

void draw_normal_distribution(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    TkSetMargins(id, cw, 3 * ch, cw, 2 * ch);
    TkGpText(id, 5, 15, "Normal distribution with zero mean");
    TkDispatchToWindow(id);
    std::array<TkColor, 4> const colours{c.TkLightCyan, c.TkLightRed, c.TkLightBlue, c.TkLightGreen};
    for (int i = 3; i <= 6; ++i) {
        std::string const sigma = decimal_text(i / 3.0);
        std::string const density = "exp(-x*x / (2 * " + sigma + " * " + sigma + ")) / (" + sigma + " * sqrt(2 * pi))";
        TkColor const colour = colours[static_cast<std::size_t>(i - 3)];
        TkDrawCurve1(id, density.c_str(), "x", -4, 4, 128, colour, i == 3 ? fit_and_frame : draw_only);
        // The legend: a line of two overlapping dashes and the curve's sigma, in its colour.
        TkTextColor(id, colour);
        TkGpText(id, 2, ch * (i - 1) + 2, "---");
        TkGpText(id, 6, TkEndTextY(id), "---");
        TkGpText(id, TkEndTextX(id), TkEndTextY(id), ("\\t sigma = " + sigma).c_str());
        TkDispatchToWindow(id);
    }
    set_busy(state, false);
}

void draw_3d_curve(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    TkSetMargins(id, cw, 0, cw, 0);
    TkGpText(id, 5, 15, "Continuous curve on a saddle");
    TkGpText(id, 5, ch + 15, "  x = t * cos(48 * Pi * t)");
    TkGpText(id, 5, 2 * ch + 15, "  y = t * sin(48 * Pi * t)");
    TkGpText(id, 5, 3 * ch + 15, "  z = t^(3/2) * cos(96 * Pi * t)");
    TkDispatchToWindow(id);
    TkDrawCurve3(id, "t * cos(48 * Pi * t)", "t * sin(48 * Pi * t)", "t^(3/2) * cos(96 * Pi * t)", "t", 0, 1, 256,
                 named_colours().TkCyan, fit_and_frame);
    TkDispatchToWindow(id);
    set_busy(state, false);
}

void draw_histogram_2d(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    TkGpText(id, 5, 15, "Random sampling of tossing a coin: each sample consists");
    TkGpText(id, 5, ch + 15, "of n tosses and the number of heads is recorded.");
    TkGpText(id, 5, 2 * ch + 15, "NB. Resize the window causes new samples to be sampled!");
    TkDispatchToWindow(id);
    TkSetMargins(id, cw, 4 * ch, cw, 2 * ch);

    constexpr int32_t tosses = 20;
    constexpr int samples = 500;
    std::mt19937 random(std::random_device{}());
    std::bernoulli_distribution coin(0.5);
    OwnedArray const heads(TkNewArray1(tosses + 1));
    OwnedArray const counts(TkNewArray1(tosses + 1));
    if (heads && counts) {
        for (int32_t i = 1; i <= tosses + 1; ++i) {
            TkSetArray1(heads.get(), i, i - 1);
            TkSetArray1(counts.get(), i, 0);
        }
        for (int sample = 0; sample < samples; ++sample) {
            int32_t h = 0;
            for (int toss = 0; toss < tosses; ++toss)
                h += coin(random) ? 1 : 0;
            TkSetArray1(counts.get(), h + 1, TkGetArray1(counts.get(), h + 1) + 1);
        }
        TkDrawHistogram1(id, heads.get(), counts.get(), tosses + 1, 1, 0, named_colours().TkWhite, fit_and_frame);
        TkDispatchToWindow(id);
    }
    set_busy(state, false);
}

void draw_more_fractals(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    TkGraphTitle(id, graph_title, "The Julia set of S(z) = lambda * sin(z), where z = x + I y.");
    TkDispatchToWindow(id);
    int32_t const px = TkWindowWidth(id) - 120;
    int32_t const py = (TkWindowHeight(id) - 80) / 2;
    TkGpRectangle(id, px, py, px + 81, py + 81, 0);

    OwnedArray const xs(TkNewArray1(bar_grid));
    OwnedArray const ys(TkNewArray1(bar_grid));
    OwnedArray const counts(TkNewArray2(bar_grid, bar_grid));
    if (xs && ys && counts) {
        double const cell_x = 2 * pi / bar_grid;
        double const cell_y = 4 * pi / bar_grid;
        for (int32_t k = 1; k <= bar_grid; ++k) {
            TkSetArray1(xs.get(), k, (k - 0.5) * cell_x - pi);
            TkSetArray1(ys.get(), k, (k - 0.5) * cell_y - 2 * pi);
        }
        for (int32_t i = 1; i <= julia_grid; ++i)
            for (int32_t j = 1; j <= julia_grid; ++j) {
                double const x = (i - 0.5) * 2 * pi / julia_grid - pi;
                double const y = (j - 0.5) * 4 * pi / julia_grid - 2 * pi;
                int const n = julia_iterations(x, y);
                TkGpColorPixel(id, px + i, py - j + 81, julia_colour(n));
                TkSetArray2(counts.get(), static_cast<int32_t>((x + pi) / cell_x) + 1,
                            static_cast<int32_t>((y + 2 * pi) / cell_y) + 1, n);
            }
        TkDispatchToWindow(id);
        int32_t const cw = TkCellWidth(id);
        int32_t const ch = TkCellHeight(id);
        TkSetMargins(id, 6 * cw, 2 * ch, 15 * cw, 2 * ch);
        TkSetGraphParam(id, axisType_gp, boxed_axes);
        TkSetViewangles(id, 0.9487989505128276, 0.7853981633974483);
        TkDrawHistogram2(id, xs.get(), ys.get(), counts.get(), bar_grid, bar_grid, 0.5, 0.5,
                         named_colours().TkLightMagenta, fit_and_frame);
        TkDispatchToWindow(id);
    }
    set_busy(state, false);
}

void draw_user_defined_function(DemoState& state)
{
    TkGraph const id = state.GraphId;
    int32_t const width = TkWindowWidth(id);
    int32_t const height = TkWindowHeight(id);
    bool const repeat_after_resize = state.CurrentScene == 29
                                     && (width != state.UserFunctionWidth || height != state.UserFunctionHeight);
    state.UserFunctionWidth = width;
    state.UserFunctionHeight = height;
    if (!repeat_after_resize) {
        FormulaAnswer const answer =
            ask_for_formula({QStringLiteral("User defined function"),
                             QStringLiteral("Enter f(x) and see a plot of x in [0, 10]:"),
                             QString::fromUtf8(state.UserFormula.c_str())});
        if (!answer)
            return;
        state.UserFormula = formula_buffer_text(*answer);
    }
    plot_user_formula(state);
}

} // namespace kelvotour
