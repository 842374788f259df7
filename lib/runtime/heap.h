#pragma once

// The library's heap routines with their fixed size limits. A request at or over a limit is
// refused with heap error 1 ("Not enough memory on heap") instead of being attempted.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

inline constexpr int64_t heap_request_limit = 1'000'000; // bytes

using RealBuffer = std::unique_ptr<double[]>;

// n zeroed reals. n = 0 gives no buffer and no error; n * 8 over the limit (or n < 0) gives
// no buffer and heap error 1. The byte count is computed without overflow.
RealBuffer new_real_buffer(int64_t n);

// Frees the buffer held by the variable; false when it held none.
bool free_real_buffer(RealBuffer& buffer);

// A heap copy of a text; refused (empty) when the text is 1,000,000 bytes or longer.
using HeapString = std::optional<std::string>;
HeapString new_heap_string(std::string_view text);
bool free_heap_string(HeapString& variable);

// Whether a request of the given size may be made; sets heap error 1 when not.
bool admit_heap_request(int64_t bytes);

} // namespace kelvo
