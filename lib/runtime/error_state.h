#pragma once

// The library-wide error state through which plotting, formula, numerical and formatting
// routines report failures: a flag, a code (0 = none) and a message of at most 255 bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

struct ErrorState {
    uint8_t flag = 0;
    int32_t code = 0;
    std::string message;
};

inline constexpr int32_t heap_error_code = 1;
inline constexpr int32_t range_check_error_code = 201;
// A fault of the library itself: an exported call's work failed in a way no correct call
// can cause. The message says what failed, after this text.
inline constexpr int32_t internal_error_code = 30000;
inline constexpr std::string_view heap_error_message = "Not enough memory on heap";
inline constexpr std::string_view range_check_error_message = "Range check error";
inline constexpr std::string_view internal_error_message = "Internal error";

ErrorState& error_state();

void set_error(int32_t code, std::string_view message);
// Sets the error with the library's own message for the code (heap and range check).
void set_error_by_code(int32_t code);
// Flag and code back to 0; the message stays readable.
void clear_error();
// Flag, code and message as at load time.
void reset_error_state();

} // namespace kelvo
