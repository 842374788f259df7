#pragma once

// Helpers for plotting tests: library arrays that go away with the test, and what a graph
// window shows, read once.

#include <cstdint>
#include <functional>
#include <vector>

#include "lib/kelvolib.h"
#include "lib/runtime/arrays.h"
#include "platform/kelvoplatform.h"

namespace kelvo::testing {

class OwnedArray {
public:
    explicit OwnedArray(TkArray handle) : handle_(handle) {}
    ~OwnedArray()
    {
        if (handle_ != 0)
            TkDisposeArray(handle_);
    }
    OwnedArray(OwnedArray&& other) noexcept : handle_(other.handle_) { other.handle_ = 0; }
    OwnedArray(OwnedArray const&) = delete;
    OwnedArray& operator=(OwnedArray const&) = delete;

    static OwnedArray line(std::vector<double> const& values)
    {
        OwnedArray array(TkNewArray1(static_cast<int32_t>(values.size())));
        for (std::size_t k = 0; k < values.size(); ++k)
            TkSetArray1(array.handle_, static_cast<int32_t>(k + 1), values[k]);
        return array;
    }

    // Element (i, j), from 1, is value(i, j).
    static OwnedArray grid(int32_t nx, int32_t ny, std::function<double(int32_t, int32_t)> const& value)
    {
        OwnedArray array(TkNewArray2(nx, ny));
        for (int32_t i = 1; i <= nx; ++i)
            for (int32_t j = 1; j <= ny; ++j)
                TkSetArray2(array.handle_, i, j, value(i, j));
        return array;
    }

    TkArray handle() const { return handle_; }
    // The first extent.
    int32_t length() const
    {
        LibraryArray const* array = find_array(handle_);
        return array == nullptr ? 0 : array->n1;
    }
    operator TkArray() const { return handle_; }

private:
    TkArray handle_ = 0;
};

// Evenly spaced values from a to b.
inline std::vector<double> evenly(double a, double b, int32_t n)
{
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int32_t k = 0; k < n; ++k)
        values[static_cast<std::size_t>(k)] = n == 1 ? a : a + (b - a) * k / (n - 1);
    return values;
}

class Picture {
public:
    explicit Picture(TkGraph graph) : width(TkWindowWidth(graph)), height(TkWindowHeight(graph))
    {
        TkWnd const window = TkGetGraphHWnd(graph);
        pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x)
                pixels[index(x, y)] = KpGetPixel(window, x, y);
    }

    TkColor at(int32_t x, int32_t y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0xFFFFFFFF;
        return pixels[index(x, y)];
    }

    int count(TkColor colour) const
    {
        int n = 0;
        for (TkColor c : pixels)
            n += c == colour;
        return n;
    }

    // Whether the colour shows within `radius` pixels (a square) of (x, y).
    bool near(int32_t x, int32_t y, TkColor colour, int32_t radius = 1) const
    {
        for (int32_t dy = -radius; dy <= radius; ++dy)
            for (int32_t dx = -radius; dx <= radius; ++dx)
                if (at(x + dx, y + dy) == colour)
                    return true;
        return false;
    }

    friend bool operator==(Picture const&, Picture const&) = default;

    int32_t width = 0;
    int32_t height = 0;
    std::vector<TkColor> pixels;

private:
    std::size_t index(int32_t x, int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
};

} // namespace kelvo::testing
