// Sending messages and default processing.

#include "platform/window/painting.h"
#include "platform/window/window_registry.h"

namespace kp {

LResult send_message(WindowHandle handle, uint32_t number, WParam word, LParam value)
{
    // Held for the whole call: the procedure may destroy its own window.
    std::shared_ptr<Window> window = window_registry().keep_alive(handle);
    if (!window)
        return 0;
    if (window->host) {
        if (!window->host->message_handler)
            return default_window_procedure(handle, number, word, value);
        WindowProcedure handler = window->host->message_handler;
        LResult const result = handler(handle, number, word, value);
        // A host always ends its own paint, whatever its handler did, so that a handler
        // that only listens cannot leave the host to be painted forever.
        if (number == message::paint)
            default_window_procedure(handle, number, word, value);
        return result;
    }
    std::shared_ptr<WindowClass const> const window_class = window->window_class;
    return window_class->procedure(handle, number, word, value);
}

LResult default_window_procedure(WindowHandle handle, uint32_t number, WParam, LParam)
{
    if (number == message::paint) {
        // Taking and ending the paint validates the window, so that it is not painted again.
        begin_paint(handle);
        end_paint(handle);
    }
    return 0;
}

} // namespace kp
