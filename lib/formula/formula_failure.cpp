#include "lib/formula/formula_failure.h"

#include "lib/runtime/error_state.h"

namespace kelvo {

void FormulaFailure::report() const
{
    if (code_ == 0)
        return;
    if (code_ == name_clash_code) {
        ErrorState& errors = error_state();
        errors.code = code_;
        errors.flag = 1;
        return;
    }
    if (code_ == heap_error_code) {
        set_error_by_code(heap_error_code);
        return;
    }
    set_error(code_, formula_error_message(code_ - formula_error_base));
}

} // namespace kelvo
