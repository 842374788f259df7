#pragma once

// PLplot keeps one stream, opened once on an RGB buffer of the graph's size in its memory
// driver. The driver can write a little past the end of its buffer, hence the padding. It
// neither clears the buffer at a new page nor keeps it across one: each page clears it to
// white and hands it over again. Colour 1 is black, as our graphs' pen.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include <plplot.h>

// An entry of PLplot's colour map 0 beyond black.
struct PlplotColour {
    int index;
    int red, green, blue;
};

class PlplotPage {
public:
    PlplotPage(int32_t width, int32_t height, std::initializer_list<PlplotColour> colours = {})
        : width_(width)
        , height_(height)
        , buffer_(static_cast<std::size_t>(width) * height * 3 + 65536)
    {
        plsdev("mem");
        plsmem(width_, height_, buffer_.data());
        plscolbg(255, 255, 255);
        plscol0(1, 0, 0, 0);
        for (PlplotColour const& c : colours)
            plscol0(c.index, c.red, c.green, c.blue);
        plinit();
    }
    ~PlplotPage() { plend(); }
    PlplotPage(PlplotPage const&) = delete;
    PlplotPage& operator=(PlplotPage const&) = delete;

    void begin()
    {
        std::memset(buffer_.data(), 0xFF, static_cast<std::size_t>(width_) * height_ * 3);
        pladv(0);
        plsmem(width_, height_, buffer_.data());
    }

private:
    int32_t width_;
    int32_t height_;
    std::vector<unsigned char> buffer_;
};
