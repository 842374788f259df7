#include "platform/window/cursor.h"

#include <array>
#include <map>
#include <string>
#include <utility>

#include "platform/base/no_destructor.h"
#include "platform/window/window_registry.h"

namespace kp {

namespace {

struct CursorTable {
    HandleTable<Cursor> cursors{0x00C00001};
    std::map<std::string, uint32_t, std::less<>> loaded;
    uint32_t current = 0;
};

CursorTable& table()
{
    static NoDestructor<CursorTable> instance;
    return *instance;
}

// 'X' is black, '.' white, anything else transparent.
Cursor picture_from_art(std::span<char const* const> rows, Point hotspot)
{
    Cursor cursor;
    cursor.shape = CursorShape::Picture;
    cursor.size = {32, 32};
    cursor.hotspot = hotspot;
    cursor.argb.assign(32 * 32, 0);
    for (std::size_t y = 0; y < rows.size() && y < 32; ++y)
        for (std::size_t x = 0; rows[y][x] != '\0' && x < 32; ++x) {
            char const c = rows[y][x];
            if (c == 'X')
                cursor.argb[y * 32 + x] = 0xFF000000;
            else if (c == '.')
                cursor.argb[y * 32 + x] = 0xFFFFFFFF;
        }
    return cursor;
}

Cursor hand_picture()
{
    static constexpr std::array<char const*, 22> rows = {
        "     XX",
        "    X..X",
        "    X..X",
        "    X..X",
        "    X..X",
        "    X..XXX",
        "    X..X..XXX",
        "    X..X..X..XX",
        "    X..X..X..X.X",
        "XXX X..X..X..X..X",
        "X..XX........X..X",
        "X...X...........X",
        " X..X...........X",
        "  X.............X",
        "  X.............X",
        "   X............X",
        "   X...........X",
        "    X..........X",
        "    X.........X",
        "     X........X",
        "     X........X",
        "     XXXXXXXXXX",
    };
    return picture_from_art(rows, {5, 0});
}

Cursor dot_picture()
{
    static constexpr std::array<char const*, 7> rows = {
        "  XXX",
        " XXXXX",
        "XXX.XXX",
        "XX...XX",
        "XXX.XXX",
        " XXXXX",
        "  XXX",
    };
    return picture_from_art(rows, {3, 3});
}

uint32_t load(std::string const& key, Cursor (*make)())
{
    CursorTable& cursors = table();
    if (auto it = cursors.loaded.find(key); it != cursors.loaded.end())
        return it->second;
    uint32_t const handle = cursors.cursors.insert(std::make_unique<Cursor>(make()));
    cursors.loaded.emplace(key, handle);
    return handle;
}

template <CursorShape shape>
Cursor system_shape()
{
    Cursor cursor;
    cursor.shape = shape;
    return cursor;
}

} // namespace

uint32_t load_system_cursor(SystemCursor which)
{
    switch (which) {
    case SystemCursor::Arrow:
        return load("system:arrow", &system_shape<CursorShape::Arrow>);
    case SystemCursor::Hourglass:
        return load("system:hourglass", &system_shape<CursorShape::Hourglass>);
    case SystemCursor::Cross:
        return load("system:cross", &system_shape<CursorShape::Cross>);
    case SystemCursor::IBeam:
        return load("system:ibeam", &system_shape<CursorShape::IBeam>);
    }
    return 0;
}

uint32_t load_named_cursor(std::string_view name)
{
    if (name == "TkHand")
        return load("TkHand", &hand_picture);
    if (name == "TkDot")
        return load("TkDot", &dot_picture);
    return 0;
}

Cursor const* find_cursor(uint32_t cursor)
{
    return table().cursors.find(cursor);
}

uint32_t set_cursor(uint32_t cursor)
{
    if (cursor != 0 && find_cursor(cursor) == nullptr)
        cursor = 0;
    uint32_t const previous = std::exchange(table().current, cursor);
    if (previous != cursor)
        for (WindowHandle host : window_registry().hosts())
            if (HostPresenter* presenter = window_registry().find(host)->host->presenter)
                presenter->cursor_changed(cursor);
    return previous;
}

uint32_t current_cursor()
{
    return table().current;
}

} // namespace kp
