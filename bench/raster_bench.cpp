// The raster engine against cairo (antialiasing off) on one 1024 x 768 surface: both draw
// into the same pixels, so the figures compare like with like. Each iteration draws the
// whole batch; items per second count lines, rectangles, polygons or copied pixels.

#include <cairo.h>

#include <cstring>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/graphics/object_guards.h"

namespace {

constexpr int width = 1024;
constexpr int height = 768;
constexpr int line_count = 100'000;
constexpr int rectangle_count = 10'000;
constexpr int polygon_count = 1'000;
constexpr int polygon_vertices = 7;

struct Batch {
    std::vector<kp::Point> line_ends; // pairs
    std::vector<kp::Point> rectangle_corners;
    std::vector<kp::Point> polygon_points; // polygon_vertices per polygon
    std::vector<uint32_t> colours;

    Batch()
    {
        std::mt19937 random(2024);
        std::uniform_int_distribution<int> x(0, width - 1);
        std::uniform_int_distribution<int> y(0, height - 1);
        for (int i = 0; i < 2 * line_count; ++i)
            line_ends.push_back({x(random), y(random)});
        std::uniform_int_distribution<int> rx(0, width - 50);
        std::uniform_int_distribution<int> ry(0, height - 50);
        for (int i = 0; i < rectangle_count; ++i)
            rectangle_corners.push_back({rx(random), ry(random)});
        for (int i = 0; i < polygon_count * polygon_vertices; ++i)
            polygon_points.push_back({x(random), y(random)});
        for (int i = 0; i < 256; ++i)
            colours.push_back(random() & 0x00FFFFFF);
    }
};

Batch const& batch()
{
    static Batch const b;
    return b;
}

// A memory context on a 1024 x 768 bitmap, and a cairo context drawing into the same pixels
// (cairo's RGB24 is our 0x00RRGGBB with rows of 4096 bytes).
class Target {
public:
    Target()
        : bitmap_(kp::create_compatible_bitmap(dc, width, height))
        , selected_(dc, bitmap_.get())
    {
        kp::Surface* pixels = kp::bitmap_surface(bitmap_.get());
        surface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels->pixels().data()),
                                                       CAIRO_FORMAT_RGB24, width, height, width * 4);
        cairo = cairo_create(surface_);
        cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cairo, 1.0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_BUTT);
    }
    ~Target()
    {
        cairo_destroy(cairo);
        cairo_surface_destroy(surface_);
    }
    Target(Target const&) = delete;
    Target& operator=(Target const&) = delete;

    kp::Surface& pixels() { return *kp::bitmap_surface(bitmap_.get()); }
    void flush() { cairo_surface_flush(surface_); }

    kp::MemoryDeviceContext dc;
    cairo_t* cairo = nullptr;

private:
    kp::OwnedObject bitmap_;
    kp::ScopedSelection selected_;
    cairo_surface_t* surface_ = nullptr;
};

void set_cairo_colour(cairo_t* cairo, uint32_t pixel)
{
    cairo_set_source_rgb(cairo, ((pixel >> 16) & 0xFF) / 255.0, ((pixel >> 8) & 0xFF) / 255.0, (pixel & 0xFF) / 255.0);
}

// --- 100,000 one-pixel lines ------------------------------------------------------------

void Lines_Kelvo(benchmark::State& state)
{
    Target target;
    auto const& ends = batch().line_ends;
    kp::OwnedObject pen(kp::create_pen(kp::PenStyle::Solid, 1, kp::Color::from_rgb(200, 30, 90)));
    kp::ScopedSelection selected(target.dc, pen.get());
    for (auto _ : state) {
        for (std::size_t i = 0; i < ends.size(); i += 2) {
            target.dc.move_to(ends[i]);
            target.dc.line_to(ends[i + 1]);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * line_count);
}

void Lines_Cairo(benchmark::State& state)
{
    Target target;
    auto const& ends = batch().line_ends;
    set_cairo_colour(target.cairo, 0x00C81E5A);
    for (auto _ : state) {
        // Pixel centres are at half coordinates in cairo.
        for (std::size_t i = 0; i < ends.size(); i += 2) {
            cairo_move_to(target.cairo, ends[i].x + 0.5, ends[i].y + 0.5);
            cairo_line_to(target.cairo, ends[i + 1].x + 0.5, ends[i + 1].y + 0.5);
            cairo_stroke(target.cairo);
        }
        target.flush();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * line_count);
}

// --- 10,000 filled 50 x 50 rectangles ---------------------------------------------------

enum class Objects { PerRectangle, SelectedOnce };

void Rectangles_Kelvo(benchmark::State& state, Objects objects)
{
    Target target;
    auto const& corners = batch().rectangle_corners;
    auto const& colours = batch().colours;
    if (objects == Objects::SelectedOnce) {
        // A filled rectangle with the pen and brush already in place.
        kp::Color const colour = kp::Color::from_pixel(colours[0]);
        kp::OwnedObject pen(kp::create_pen(kp::PenStyle::Solid, 1, colour));
        kp::OwnedObject brush(kp::create_solid_brush(colour));
        kp::ScopedSelection pen_selected(target.dc, pen.get());
        kp::ScopedSelection brush_selected(target.dc, brush.get());
        for (auto _ : state) {
            for (kp::Point const corner : corners)
                target.dc.rectangle({corner.x, corner.y, 50, 50});
            benchmark::ClobberMemory();
        }
        state.SetItemsProcessed(state.iterations() * rectangle_count);
        return;
    }
    for (auto _ : state) {
        // A pen and a brush of the colour made for each rectangle, as the library's
        // rectangle fill does.
        for (std::size_t i = 0; i < corners.size(); ++i) {
            kp::Color const colour = kp::Color::from_pixel(colours[i % colours.size()]);
            kp::OwnedObject pen(kp::create_pen(kp::PenStyle::Solid, 1, colour));
            kp::OwnedObject brush(kp::create_solid_brush(colour));
            kp::ScopedSelection pen_selected(target.dc, pen.get());
            kp::ScopedSelection brush_selected(target.dc, brush.get());
            target.dc.rectangle({corners[i].x, corners[i].y, 50, 50});
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * rectangle_count);
}

void Rectangles_Cairo(benchmark::State& state)
{
    Target target;
    auto const& corners = batch().rectangle_corners;
    auto const& colours = batch().colours;
    for (auto _ : state) {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            set_cairo_colour(target.cairo, colours[i % colours.size()]);
            cairo_rectangle(target.cairo, corners[i].x, corners[i].y, 50, 50);
            cairo_fill(target.cairo);
        }
        target.flush();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * rectangle_count);
}

// --- 1,000 filled 7-vertex polygons -----------------------------------------------------

enum class Outline { None, Pen };

void Polygons_Kelvo(benchmark::State& state, Outline outline)
{
    Target target;
    auto const& points = batch().polygon_points;
    kp::OwnedObject brush(kp::create_solid_brush(kp::Color::from_rgb(20, 120, 220)));
    kp::ScopedSelection brush_selected(target.dc, brush.get());
    kp::ScopedSelection pen_selected(target.dc, kp::stock_object(outline == Outline::None ? kp::StockObject::NullPen
                                                                                            : kp::StockObject::BlackPen));
    for (auto _ : state) {
        for (int i = 0; i < polygon_count; ++i)
            target.dc.polygon(std::span(points).subspan(std::size_t(i) * polygon_vertices, polygon_vertices),
                              kp::FillRule::Alternate);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * polygon_count);
}

void Polygons_Cairo(benchmark::State& state)
{
    Target target;
    auto const& points = batch().polygon_points;
    set_cairo_colour(target.cairo, 0x001478DC);
    cairo_set_fill_rule(target.cairo, CAIRO_FILL_RULE_EVEN_ODD);
    for (auto _ : state) {
        for (int i = 0; i < polygon_count; ++i) {
            kp::Point const* p = &points[std::size_t(i) * polygon_vertices];
            cairo_move_to(target.cairo, p[0].x + 0.5, p[0].y + 0.5);
            for (int v = 1; v < polygon_vertices; ++v)
                cairo_line_to(target.cairo, p[v].x + 0.5, p[v].y + 0.5);
            cairo_close_path(target.cairo);
            cairo_fill(target.cairo);
        }
        target.flush();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * polygon_count);
}

// --- One full-surface copy, and memcpy of the same bytes --------------------------------

void FullCopy_Kelvo(benchmark::State& state)
{
    Target source;
    Target destination;
    for (auto _ : state) {
        destination.dc.copy_block({0, 0, width, height}, source.dc, {0, 0}, kp::RasterOp::Copy);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * width * height * 4);
}

void FullCopy_Memcpy(benchmark::State& state)
{
    Target source;
    Target destination;
    for (auto _ : state) {
        std::memcpy(destination.pixels().pixels().data(), source.pixels().pixels().data(), std::size_t(width) * height * 4);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * width * height * 4);
}

void FullCopy_Cairo(benchmark::State& state)
{
    Target source;
    Target destination;
    cairo_surface_t* source_surface = cairo_get_target(source.cairo);
    cairo_set_operator(destination.cairo, CAIRO_OPERATOR_SOURCE);
    for (auto _ : state) {
        cairo_set_source_surface(destination.cairo, source_surface, 0, 0);
        cairo_paint(destination.cairo);
        destination.flush();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * width * height * 4);
}

} // namespace

BENCHMARK(Lines_Kelvo)->Unit(benchmark::kMillisecond);
BENCHMARK(Lines_Cairo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rectangles_Kelvo, new_pen_and_brush_each, Objects::PerRectangle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rectangles_Kelvo, selected_once, Objects::SelectedOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(Rectangles_Cairo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Polygons_Kelvo, fill_only, Outline::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Polygons_Kelvo, fill_and_outline, Outline::Pen)->Unit(benchmark::kMillisecond);
BENCHMARK(Polygons_Cairo)->Unit(benchmark::kMillisecond);
BENCHMARK(FullCopy_Kelvo)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullCopy_Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullCopy_Cairo)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
