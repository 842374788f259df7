#pragma once

// Makes operator new fail on purpose, for tests of code that must survive running out of
// memory. Linking allocation_failure.cpp replaces the program's operator new and delete, so
// it belongs only in a test program of its own.

#include <cstddef>
#include <cstdint>

namespace kp::testing {

// While one lives, the allocations after the first `allowed` ones throw std::bad_alloc, or,
// made with Above, every allocation of more bytes than it says.
class AllocationFailure {
public:
    struct Above {
        std::size_t bytes;
    };

    explicit AllocationFailure(int64_t allowed);
    explicit AllocationFailure(Above largest_allowed);
    ~AllocationFailure();
    AllocationFailure(AllocationFailure const&) = delete;
    AllocationFailure& operator=(AllocationFailure const&) = delete;

    // How many allocations were refused so far.
    int64_t refused() const;
};

} // namespace kp::testing
