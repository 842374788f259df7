#include "lib/plot/symbol_centres.h"

#include <algorithm>

namespace kelvo {

SymbolCentres::SymbolCentres(int32_t width, int32_t height, int32_t margin, Counting counting)
    : columns_(std::max(width, 0) + 2 * int64_t{margin})
    , rows_(std::max(height, 0) + 2 * int64_t{margin})
    , margin_(margin)
    , counting_(counting)
    , bits_(static_cast<std::size_t>((columns_ * rows_ + 63) / 64))
{
}

bool SymbolCentres::fits(int32_t width, int32_t height, int32_t margin)
{
    constexpr int64_t most_bits = int64_t{1} << 28;
    int64_t const columns = std::max(width, 0) + 2 * int64_t{margin};
    int64_t const rows = std::max(height, 0) + 2 * int64_t{margin};
    // Each side is below 2^32, so the product cannot overflow.
    return columns * rows <= most_bits;
}

} // namespace kelvo
