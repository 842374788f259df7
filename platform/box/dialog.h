#pragma once

// Modal dialogs built from a named template. The presenter installs a handler that shows
// them; without one the request is written to standard error and answered with OK (1).

#include <cstdint>
#include <functional>
#include <string>

namespace kp {

struct DialogRequest {
    uint32_t owner = 0; // window handle, 0 = no owner
    std::string template_name;
};

using DialogHandler = std::function<int32_t(DialogRequest const&)>;

DialogHandler set_dialog_handler(DialogHandler handler);
// The dialog's result: 1 for OK, 2 for Cancel.
int32_t show_dialog(DialogRequest const& request);

} // namespace kp
