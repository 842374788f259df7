#pragma once

// How a text lies and which point of it is placed: the settings that the graph record, the
// label settings and the C interface keep as integer codes.

#include <cstdint>

namespace kelvo {

enum class Orientation : int32_t { Right = 1, Up = 2, Left = 3, Down = 4 };
// Where the reference point lies along the text.
enum class Justification : int32_t { Start = 1, End = 2, Middle = 3 };

constexpr int32_t code_of(Orientation orientation)
{
    return static_cast<int32_t>(orientation);
}

constexpr int32_t code_of(Justification justification)
{
    return static_cast<int32_t>(justification);
}

// A code that names no orientation reads as Right, one that names no justification as Start.
constexpr int32_t known_orientation(int32_t code)
{
    return code >= code_of(Orientation::Right) && code <= code_of(Orientation::Down) ? code
                                                                                      : code_of(Orientation::Right);
}

constexpr int32_t known_justification(int32_t code)
{
    return code >= code_of(Justification::Start) && code <= code_of(Justification::Middle)
               ? code
               : code_of(Justification::Start);
}

} // namespace kelvo
