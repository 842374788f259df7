#include "lib/formula/point_set.h"

#include <algorithm>

namespace kelvo {

PointSet PointSet::paired(std::span<double const* const> arrays, int64_t count)
{
    PointSet points;
    points.layout_ = Layout::paired;
    points.slots_ = std::min(arrays.size(), points.values_.size());
    std::copy_n(arrays.begin(), points.slots_, points.values_.begin());
    points.size_ = count;
    return points;
}

PointSet PointSet::grid(std::span<std::span<double const> const> axes)
{
    PointSet points;
    points.layout_ = Layout::grid;
    points.slots_ = std::min(axes.size(), points.values_.size());
    points.size_ = points.slots_ == 0 ? 0 : 1;
    for (std::size_t k = 0; k < points.slots_; ++k) {
        points.values_[k] = axes[k].data();
        points.extents_[k] = static_cast<int64_t>(axes[k].size());
        points.size_ *= points.extents_[k];
    }
    return points;
}

std::array<double const*, 3> PointSet::side_by_side(int64_t first) const
{
    std::array<double const*, 3> lanes{};
    if (layout_ == Layout::paired)
        for (std::size_t k = 0; k < slots_; ++k)
            lanes[k] = values_[k] + first;
    return lanes;
}

void PointSet::fill(int64_t first, int32_t count, std::array<double*, 3> const& lanes) const
{
    if (layout_ == Layout::paired) {
        for (std::size_t k = 0; k < slots_; ++k)
            std::copy_n(values_[k] + first, count, lanes[k]);
        return;
    }
    // The grid index of the first point, then counted on like a number whose last digit
    // is the last axis.
    std::array<int64_t, 3> index{};
    int64_t rest = first;
    for (std::size_t k = slots_; k-- > 0;) {
        index[k] = rest % extents_[k];
        rest /= extents_[k];
    }
    for (int32_t i = 0; i < count; ++i) {
        for (std::size_t k = 0; k < slots_; ++k)
            lanes[k][i] = values_[k][index[k]];
        for (std::size_t k = slots_; k-- > 0;) {
            if (++index[k] < extents_[k])
                break;
            index[k] = 0;
        }
    }
}

} // namespace kelvo
