#include "platform/window/window_class.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/base/no_destructor.h"
#include "platform/window/window_registry.h"

namespace kp {

namespace {

constexpr int32_t max_extra_bytes = 4096;

std::string folded(std::string_view name)
{
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    return key;
}

std::map<std::string, std::shared_ptr<WindowClass const>>& classes()
{
    static NoDestructor<std::map<std::string, std::shared_ptr<WindowClass const>>> table;
    return *table;
}

} // namespace

bool register_class(WindowClass window_class)
{
    if (window_class.name.empty() || !window_class.procedure || window_class.extra_bytes < 0
        || window_class.extra_bytes > max_extra_bytes)
        return false;
    std::string key = folded(window_class.name);
    if (classes().contains(key))
        return false;
    classes().emplace(std::move(key), std::make_shared<WindowClass const>(std::move(window_class)));
    return true;
}

bool unregister_class(std::string_view name)
{
    auto it = classes().find(folded(name));
    if (it == classes().end())
        return false;
    if (window_registry().any_window_of(it->second.get()))
        return false;
    classes().erase(it);
    return true;
}

std::shared_ptr<WindowClass const> find_class(std::string_view name)
{
    auto it = classes().find(folded(name));
    return it == classes().end() ? nullptr : it->second;
}

} // namespace kp
