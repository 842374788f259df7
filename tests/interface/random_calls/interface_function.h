#pragma once

// The exported functions the driver can call, as generated from the headers by
// caller_generator: each with a caller that builds random arguments for it.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvo::calls {

class Session;

struct InterfaceFunction {
    char const* name;
    std::size_t parameter_count;
    void (*call)(Session& session);
};

std::span<InterfaceFunction const> interface_functions();

// The integers the headers mention (modes, limits, message numbers, codes).
std::span<int64_t const> interface_numbers();

} // namespace kelvo::calls
