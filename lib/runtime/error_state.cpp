#include "lib/runtime/error_state.h"

#include "lib/runtime/runtime_state.h"
#include "lib/runtime/short_string.h"
#include "lib/runtime/text_limits.h"

namespace kelvo {

ErrorState& error_state()
{
    return runtime_state().error;
}

void set_error(int32_t code, std::string_view message)
{
    ErrorState& state = error_state();
    state.flag = 1;
    state.code = code;
    state.message = cut_text(message, max_short_string_length);
}

void set_error_by_code(int32_t code)
{
    switch (code) {
    case heap_error_code:
        set_error(code, heap_error_message);
        return;
    case range_check_error_code:
        set_error(code, range_check_error_message);
        return;
    default:
        set_error(code, {});
        return;
    }
}

void clear_error()
{
    ErrorState& state = error_state();
    state.flag = 0;
    state.code = 0;
}

void reset_error_state()
{
    error_state() = ErrorState{};
}

} // namespace kelvo
