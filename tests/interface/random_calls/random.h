#pragma once

// The driver's one source of randomness. Every choice of a run comes from it, so that a
// seed repeats the run exactly.

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>

namespace kelvo::calls {

class Random {
public:
    explicit Random(uint64_t seed) : engine_(seed) {}

    uint64_t bits() { return engine_(); }

    // A number in [0, n); n > 0.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }

    // A number in [low, high].
    int64_t between(int64_t low, int64_t high)
    {
        return low + static_cast<int64_t>(engine_() % static_cast<uint64_t>(high - low + 1));
    }

    // True in percent cases out of a hundred.
    bool chance(int percent) { return static_cast<int>(engine_() % 100) < percent; }

    // A real in [0, 1).
    double unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    template <typename T>
    T const& pick(std::span<T const> items)
    {
        return items[below(items.size())];
    }

private:
    std::mt19937_64 engine_;
};

} // namespace kelvo::calls
