#pragma once

// Window classes: a name, a window procedure, the number of extra bytes each window of the
// class carries, and class styles.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/color.h"
#include "platform/window/message.h"

namespace kp {

enum class ClassStyle : uint32_t {
    None = 0,
    OwnDeviceContext = 1, // each window keeps one device context for its whole life
    DoubleClicks = 2,     // the class receives double-click messages
};

constexpr ClassStyle operator|(ClassStyle a, ClassStyle b)
{
    return static_cast<ClassStyle>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}
constexpr bool has_style(ClassStyle styles, ClassStyle style)
{
    return (static_cast<uint32_t>(styles) & static_cast<uint32_t>(style)) != 0;
}

struct WindowClass {
    std::string name;
    WindowProcedure procedure;
    int32_t extra_bytes = 0;
    ClassStyle styles = ClassStyle::None;
    std::string icon; // name of a named icon, empty for none
    // Painted under the update region when painting begins; none leaves pixels as they are.
    std::optional<Color> background;
};

// False when the name is empty or taken, the procedure is missing or extra_bytes is
// negative or larger than 4096.
bool register_class(WindowClass window_class);
// False when the class is unknown or windows of it still exist.
bool unregister_class(std::string_view name);
// Class names compare without regard to letter case.
std::shared_ptr<WindowClass const> find_class(std::string_view name);

} // namespace kp
