#include "tests/interface/random_calls/handle_pools.h"

#include <algorithm>

namespace kelvo::calls {

namespace {

constexpr std::size_t retired_kept = 32;

template <typename T>
void remove_value(std::vector<T>& values, T value)
{
    values.erase(std::remove(values.begin(), values.end(), value), values.end());
}

template <typename T>
void keep_retired(std::vector<T>& retired, T value)
{
    remove_value(retired, value);
    retired.push_back(value);
    if (retired.size() > retired_kept)
        retired.erase(retired.begin());
}

} // namespace

char const* handle_kind_name(HandleKind kind)
{
    switch (kind) {
    case HandleKind::graph:
        return "graph";
    case HandleKind::window:
        return "window";
    case HandleKind::image:
        return "image";
    case HandleKind::array:
        return "array";
    case HandleKind::ode:
        return "ODE set";
    }
    return "handle";
}

void HandlePool::issue(uint32_t value)
{
    if (value == 0)
        return;
    remove_value(retired_, value);
    remove_value(live_, value);
    live_.push_back(value);
}

void HandlePool::retire(uint32_t value)
{
    if (value == 0)
        return;
    remove_value(live_, value);
    keep_retired(retired_, value);
}

DrawnHandle HandlePools::draw(HandleKind kind, Random& random, Hostility hostility) const
{
    HandlePool const& pool = (*this)[kind];
    int const roll = hostility == Hostility::plausible ? 0 : static_cast<int>(random.below(100));
    if (roll < 50 && !pool.live().empty()) {
        std::vector<uint32_t> const& live = pool.live();
        // Half of the time one of the newest three, which later calls keep working on.
        std::size_t const newest = std::min<std::size_t>(3, live.size());
        std::size_t const index =
            random.chance(50) ? live.size() - 1 - random.below(newest) : random.below(live.size());
        return {live[index], "live"};
    }
    if (roll < 70 && !pool.retired().empty())
        return {pool.retired()[random.below(pool.retired().size())], "retired"};
    if (roll < 82) {
        HandlePool const& other = pools_[random.below(handle_kind_count)];
        if (!other.live().empty())
            return {other.live()[random.below(other.live().size())], "other kind"};
    }
    if (roll < 92) {
        uint32_t const never[] = {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, static_cast<uint32_t>(random.bits()),
                                  static_cast<uint32_t>(random.between(1, 5000))};
        return {never[random.below(std::size(never))], "arbitrary"};
    }
    return {0, "none"};
}

void BlockPool::issue(void* block)
{
    if (block == nullptr)
        return;
    remove_value(retired_, block);
    remove_value(live_, block);
    live_.push_back(block);
}

void BlockPool::retire(void* block)
{
    remove_value(live_, block);
    keep_retired(retired_, block);
}

} // namespace kelvo::calls
