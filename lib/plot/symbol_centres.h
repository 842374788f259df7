#pragma once

// The centre pixels of many symbols, a bit a pixel: a million symbols on a window of a
// million pixels land on many pixels more than once, and alike symbols at one centre paint
// what one of them paints (or, in exclusive or, what an odd number of them paints).

#include <cstdint>
#include <vector>

#include "lib/axes/axis_geometry.h"

namespace kelvo {

class SymbolCentres {
public:
    // How a centre reached again counts: once, or by the parity of its count.
    enum class Counting { once, parity };

    // Centres inside the window (width x height pixels from 0, 0) and a margin around it;
    // others are not kept, as a symbol reaching no further than the margin paints nothing
    // there.
    SymbolCentres(int32_t width, int32_t height, int32_t margin, Counting counting);
    // Whether the bits of such a window stay within what is worth taking (32 MB, a window of
    // the largest picture): beyond, symbols are drawn one by one.
    static bool fits(int32_t width, int32_t height, int32_t margin);

    void add(PixelPoint centre)
    {
        int64_t const x = int64_t{centre.x} + margin_;
        int64_t const y = int64_t{centre.y} + margin_;
        if (x < 0 || y < 0 || x >= columns_ || y >= rows_)
            return;
        std::size_t const bit = static_cast<std::size_t>(y * columns_ + x);
        uint64_t const mask = uint64_t{1} << (bit % 64);
        if (counting_ == Counting::parity)
            bits_[bit / 64] ^= mask;
        else
            bits_[bit / 64] |= mask;
    }

    // Calls visit(centre) for every centre kept, row by row.
    template <typename Visit>
    void for_each(Visit&& visit) const
    {
        for (std::size_t word = 0; word < bits_.size(); ++word)
            for (uint64_t w = bits_[word]; w != 0; w &= w - 1) {
                auto const bit = static_cast<int64_t>(word * 64 + static_cast<std::size_t>(__builtin_ctzll(w)));
                visit(PixelPoint{static_cast<int32_t>(bit % columns_ - margin_), static_cast<int32_t>(bit / columns_ - margin_)});
            }
    }

private:
    int64_t columns_;
    int64_t rows_;
    int32_t margin_;
    Counting counting_;
    std::vector<uint64_t> bits_;
};

} // namespace kelvo
