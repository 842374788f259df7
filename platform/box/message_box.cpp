#include "platform/box/message_box.h"

#include <cstdio>
#include <utility>

#include "platform/base/no_destructor.h"

namespace kp {

namespace {

MessageBoxHandler& installed_handler()
{
    static NoDestructor<MessageBoxHandler> handler;
    return *handler;
}

MessageBoxAnswer answer_headless(MessageBoxRequest const& request)
{
    std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
    return default_answer(request.buttons);
}

} // namespace

MessageBoxAnswer default_answer(MessageBoxButtons buttons)
{
    switch (buttons) {
    case MessageBoxButtons::YesNo:
    case MessageBoxButtons::YesNoCancel:
        return MessageBoxAnswer::Yes;
    case MessageBoxButtons::Ok:
    case MessageBoxButtons::OkCancel:
        break;
    }
    return MessageBoxAnswer::Ok;
}

MessageBoxHandler set_message_box_handler(MessageBoxHandler handler)
{
    return std::exchange(installed_handler(), std::move(handler));
}

MessageBoxAnswer show_message_box(MessageBoxRequest const& request)
{
    // Copy the handler so that a handler replacing itself while it runs stays alive.
    MessageBoxHandler handler = installed_handler();
    return handler ? handler(request) : answer_headless(request);
}

} // namespace kp
