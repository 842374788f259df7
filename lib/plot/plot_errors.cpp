#include "lib/plot/plot_errors.h"

#include <array>
#include <string_view>

#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

constexpr std::array<std::string_view, 9> messages = {
    "",
    "Not enough room in memory for local arrays",
    "Not enough data",
    "Bad range specified",
    "Bad data specified",
    "Invalid number of contours",
    "Bad data array",
    "Bad option specified",
    "Escape. Sampled array not complete",
};

} // namespace

void report_plot_error(PlotError error)
{
    set_error(plot_error_code(error), messages[static_cast<std::size_t>(error)]);
}

} // namespace kelvo
