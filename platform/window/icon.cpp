#include "platform/window/icon.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "platform/base/handle_table.h"
#include "platform/base/no_destructor.h"

namespace kp {

namespace {

constexpr int32_t icon_side = 32;

// A white rounded card with a black frame, two grey axes and one period of a blue sine.
Icon kelvo_picture()
{
    Icon icon;
    icon.size = {icon_side, icon_side};
    icon.argb.assign(icon_side * icon_side, 0);
    auto put = [&](int x, int y, uint32_t argb) {
        if (x >= 0 && y >= 0 && x < icon_side && y < icon_side)
            icon.argb[static_cast<std::size_t>(y * icon_side + x)] = argb;
    };
    for (int y = 1; y < icon_side - 1; ++y)
        for (int x = 1; x < icon_side - 1; ++x) {
            bool const edge = x == 1 || y == 1 || x == icon_side - 2 || y == icon_side - 2;
            put(x, y, edge ? 0xFF000000 : 0xFFFFFFFF);
        }
    for (int i = 4; i < icon_side - 4; ++i) {
        put(i, icon_side / 2, 0xFF808080);
        put(6, i, 0xFF808080);
    }
    for (int x = 6; x < icon_side - 4; ++x) {
        double const phase = 2 * std::numbers::pi * (x - 6) / (icon_side - 10);
        int const y = static_cast<int>(std::lround(icon_side / 2 - 9 * std::sin(phase)));
        put(x, y, 0xFF2040C0);
        put(x, y + 1, 0xFF2040C0);
    }
    return icon;
}

struct IconTable {
    HandleTable<Icon> icons{0x00D00001};
    uint32_t kelvo = 0;
};

IconTable& table()
{
    static NoDestructor<IconTable> instance;
    return *instance;
}

} // namespace

uint32_t load_named_icon(std::string_view name)
{
    if (name != "Kelvo")
        return 0;
    IconTable& icons = table();
    if (icons.kelvo == 0)
        icons.kelvo = icons.icons.insert(std::make_unique<Icon>(kelvo_picture()));
    return icons.kelvo;
}

Icon const* find_icon(uint32_t icon)
{
    return table().icons.find(icon);
}

} // namespace kp
