#pragma once

// The floating horizon of hidden-line drawing: for every pixel column (or row) the smallest
// and largest row (or column) drawn there so far. Lines are drawn front to back; a point is
// visible when it lies outside what nearer lines already covered.
//
// A surface keeps one entry per window column and records rows; a surface of revolution
// keeps one per window row and records columns. Below, "index" is the pixel coordinate that
// chooses the entry and "depth" the one it records.

#include <cassert>
#include <cstdint>
#include <limits>
#include <vector>

#include "lib/plot/pixel_line.h"

namespace kelvo {

enum class HorizonIndex { Columns, Rows };

// Class 1 (at or before everything drawn in its entry) is drawn in the upper colour, class
// 2 (at or beyond it) in the lower colour, class 0 not at all.
enum class Visibility : uint8_t { Hidden = 0, Upper = 1, Lower = 2 };

inline constexpr int32_t horizon_unreached = std::numeric_limits<int32_t>::max();

class Horizon {
public:
    explicit Horizon(HorizonIndex index) : index_(index) {}

    // Entries for indices 1..count, each with low = horizon_unreached and the given high.
    // False (with "Not enough room in memory for local arrays") when refused.
    bool reset(int32_t count, int32_t initial_high);

    int32_t index_of(PixelPoint p) const { return index_ == HorizonIndex::Columns ? p.x : p.y; }
    int32_t depth_of(PixelPoint p) const { return index_ == HorizonIndex::Columns ? p.y : p.x; }
    int32_t count() const { return static_cast<int32_t>(entries_.size()); }

    // Callers pin the index of every point to 1..count.
    Visibility visibility(PixelPoint p) const
    {
        Entry const& e = entry(index_of(p));
        int32_t const depth = depth_of(p);
        if (e.low >= depth)
            return Visibility::Upper;
        if (depth >= e.high)
            return Visibility::Lower;
        return Visibility::Hidden;
    }

    // Records the segment a-b: along it, from the end with the smaller index (a when equal),
    // each index gets the depth of the end plus the rounded running sum of the slope.
    // Nothing changes when both ends are hidden.
    void update(PixelPoint a, PixelPoint b);

    // Entries whose high is still `from` get `to`.
    void replace_high(int32_t from, int32_t to);

private:
    struct Entry {
        int32_t low;
        int32_t high;
    };
    Entry& entry(int32_t index)
    {
        assert(index >= 1 && index <= count());
        return entries_[static_cast<std::size_t>(index - 1)];
    }
    Entry const& entry(int32_t index) const
    {
        assert(index >= 1 && index <= count());
        return entries_[static_cast<std::size_t>(index - 1)];
    }

    HorizonIndex index_;
    std::vector<Entry> entries_;
};

} // namespace kelvo
