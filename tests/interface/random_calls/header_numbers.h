#pragma once

// The integer literals a header mentions, in its code and in its comments ("modes 1..4",
// "512..521", "buffers of 256 bytes", "0xFFFFFFFF"): the numbers an interface gives a
// meaning, which random arguments should hit far more often than chance would.

#include <cstdint>
#include <set>
#include <string_view>

namespace kelvo::calls {

std::set<int64_t> header_numbers(std::string_view text);

} // namespace kelvo::calls
