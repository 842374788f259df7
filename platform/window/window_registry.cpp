#include "platform/window/window_registry.h"

#include "platform/base/no_destructor.h"

namespace kp {

WindowRegistry& window_registry()
{
    static NoDestructor<WindowRegistry> registry;
    return *registry;
}

std::shared_ptr<Window> WindowRegistry::keep_alive(WindowHandle handle) const
{
    auto const* pointer = windows_.pointer(handle);
    return pointer == nullptr ? nullptr : *pointer;
}

bool WindowRegistry::any_window_of(WindowClass const* window_class) const
{
    bool found = false;
    windows_.for_each([&](uint32_t, Window const& window) { found = found || window.window_class.get() == window_class; });
    return found;
}

std::vector<WindowHandle> WindowRegistry::hosts() const
{
    std::vector<WindowHandle> result;
    windows_.for_each([&](uint32_t handle, Window const& window) {
        if (window.host && !window.destroying)
            result.push_back(handle);
    });
    return result;
}

namespace {
uint32_t& last_error_code()
{
    static uint32_t code = error_code::none;
    return code;
}
} // namespace

uint32_t last_error()
{
    return last_error_code();
}

void set_last_error(uint32_t code)
{
    last_error_code() = code;
}

} // namespace kp
