#include "lib/plot/array_plot_start.h"

#include "lib/plot/plot_errors.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

int32_t start_array_plot(std::initializer_list<ArrayCheck> checks)
{
    ErrorState& errors = error_state();
    errors.flag = 0;
    errors.code = 0;
    for (ArrayCheck const& check : checks)
        if (int32_t const code = check_plot_arrays(check); code != 0) {
            errors.code = code;
            break;
        }
    return errors.code;
}

int32_t require_counts(std::initializer_list<int32_t> counts)
{
    for (int32_t count : counts)
        if (count < 1) {
            report_plot_error(PlotError::not_enough_data);
            return error_state().code;
        }
    return 0;
}

} // namespace kelvo
