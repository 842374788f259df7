#include "tests/allocation_failure.h"

#include <cstdlib>
#include <limits>
#include <new>

namespace kp::testing {

namespace {

// -1 and the largest size while no AllocationFailure lives. Only the thread of the test
// allocates then.
int64_t allocations_left = -1;
std::size_t largest_allowed = std::numeric_limits<std::size_t>::max();
int64_t refusals = 0;

void* allocate(std::size_t size)
{
    if (allocations_left == 0 || size > largest_allowed) {
        ++refusals;
        return nullptr;
    }
    if (allocations_left > 0)
        --allocations_left;
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

AllocationFailure::AllocationFailure(int64_t allowed)
{
    refusals = 0;
    allocations_left = allowed;
}

AllocationFailure::AllocationFailure(Above largest)
{
    refusals = 0;
    largest_allowed = largest.bytes;
}

AllocationFailure::~AllocationFailure()
{
    allocations_left = -1;
    largest_allowed = std::numeric_limits<std::size_t>::max();
}

int64_t AllocationFailure::refused() const { return refusals; }

} // namespace kp::testing

// Every plain form is replaced, so that each allocation and its release meet the same
// allocator (the address sanitizer checks that they do).
void* operator new(std::size_t size)
{
    if (void* p = kp::testing::allocate(size))
        return p;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, std::nothrow_t const&) noexcept { return kp::testing::allocate(size); }

void operator delete(void* p) noexcept { std::free(p); }

void operator delete(void* p, std::size_t) noexcept { std::free(p); }

void operator delete(void* p, std::nothrow_t const&) noexcept { std::free(p); }
