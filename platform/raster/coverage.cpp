#include "platform/raster/coverage.h"

#include <algorithm>
#include <cassert>

namespace kp {

Coverage::Coverage(Rect bounds)
    : bounds_(bounds.is_empty() ? Rect{} : bounds)
    , rows_(static_cast<std::size_t>(bounds_.height))
{
}

void Coverage::span(int32_t y, int64_t x0, int64_t x1)
{
    if (y < bounds_.top() || y >= bounds_.bottom())
        return;
    x0 = std::max<int64_t>(x0, bounds_.left());
    x1 = std::min<int64_t>(x1, bounds_.right());
    if (x0 >= x1)
        return;
    auto& spans = rows_[static_cast<std::size_t>(y - bounds_.top())];
    Span const added{static_cast<int32_t>(x0), static_cast<int32_t>(x1)};
    // Pixels of a line arrive in runs; extend the last span when the run continues.
    if (!spans.empty() && spans.back().right == added.left) {
        spans.back().right = added.right;
        return;
    }
    spans.push_back(added);
    normalized_ = false;
}

void Coverage::add(Coverage const& other)
{
    other.for_each_span([this](int32_t y, int32_t x0, int32_t x1) { span(y, x0, x1); });
    normalized_ = false;
}

void Coverage::normalize()
{
    if (normalized_)
        return;
    for (auto& spans : rows_) {
        if (spans.size() < 2)
            continue;
        std::sort(spans.begin(), spans.end(), [](Span const& a, Span const& b) { return a.left < b.left; });
        std::size_t kept = 0;
        for (std::size_t i = 1; i < spans.size(); ++i) {
            if (spans[i].left <= spans[kept].right)
                spans[kept].right = std::max(spans[kept].right, spans[i].right);
            else
                spans[++kept] = spans[i];
        }
        spans.resize(kept + 1);
    }
    normalized_ = true;
}

std::span<Span const> Coverage::row(int32_t y) const
{
    assert(normalized_);
    if (y < bounds_.top() || y >= bounds_.bottom())
        return {};
    return rows_[static_cast<std::size_t>(y - bounds_.top())];
}

bool Coverage::contains(int32_t x, int32_t y) const
{
    for (Span const& s : row(y))
        if (x >= s.left && x < s.right)
            return true;
    return false;
}

} // namespace kp
