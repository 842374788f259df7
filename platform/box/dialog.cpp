#include "platform/box/dialog.h"

#include <cstdio>
#include <utility>

#include "platform/base/no_destructor.h"

namespace kp {

namespace {
DialogHandler& installed_handler()
{
    static NoDestructor<DialogHandler> handler;
    return *handler;
}
constexpr int32_t dialog_ok = 1;
} // namespace

DialogHandler set_dialog_handler(DialogHandler handler)
{
    return std::exchange(installed_handler(), std::move(handler));
}

int32_t show_dialog(DialogRequest const& request)
{
    DialogHandler handler = installed_handler();
    if (handler)
        return handler(request);
    std::fprintf(stderr, "[dialog] %s\n", request.template_name.c_str());
    return dialog_ok;
}

} // namespace kp
