#include "lib/runtime/guarded_call.h"

#include <exception>
#include <new>
#include <string>

namespace kelvo {

namespace {

// Setting the message allocates, and memory may be what ran out: the code is recorded
// whatever happens to the message.
void record(int32_t code, std::string_view message) noexcept
{
    try {
        set_error(code, message);
    } catch (...) {
        ErrorState& state = error_state();
        state.flag = 1;
        state.code = code;
        state.message.clear();
    }
}

void record_with_reason(char const* reason) noexcept
{
    try {
        record(internal_error_code, std::string(internal_error_message) + ": " + reason);
    } catch (...) {
        record(internal_error_code, internal_error_message);
    }
}

} // namespace

void record_caught_exception() noexcept
{
    try {
        throw;
    } catch (std::bad_alloc const&) {
        record(heap_error_code, heap_error_message);
    } catch (std::exception const& e) {
        record_with_reason(e.what());
    } catch (...) {
        record(internal_error_code, internal_error_message);
    }
}

} // namespace kelvo
