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

} // namespace kelvo
