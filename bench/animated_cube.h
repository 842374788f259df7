#pragma once

// The cube of Kelvotour's animation: its path, its edges along the path, and the calls that
// draw it (twelve edges from the current point and one filled face), in the scene's order.

#include <cmath>
#include <cstdint>

#include "lib/kelvolib.h"

namespace animated_cube {

struct Vector3 {
    double x, y, z;
};
inline Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector3 operator*(double f, Vector3 a) { return {f * a.x, f * a.y, f * a.z}; }

constexpr double cube_edge = 3.0;

inline Vector3 edge_along(Vector3 a)
{
    double const length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return length > 0 ? (cube_edge / length) * a : a;
}

inline Vector3 cube_path(double t)
{
    return {(std::cos(3 * t) + 3) * std::cos(2 * t), (std::sin(3 * t) + 3) * std::cos(2 * t), 3 * std::sin(2 * t)};
}

struct Cube {
    Vector3 centre, e1, e2, e3;
    explicit Cube(double t)
    {
        centre = cube_path(t);
        e1 = edge_along(cube_path(t + 0.0001) - centre);
        e2 = edge_along({e1.y, -e1.x, 0});
        e3 = edge_along({-e1.z * e2.y, e1.z * e2.x, e1.x * e2.y - e1.y * e2.x});
    }
};

// The library arrays that hold the corners of the filled face.
struct Face {
    Face() : x(TkNewArray1(4)), y(TkNewArray1(4)), z(TkNewArray1(4)) {}
    ~Face()
    {
        TkDisposeArray(x);
        TkDisposeArray(y);
        TkDisposeArray(z);
    }
    Face(Face const&) = delete;
    Face& operator=(Face const&) = delete;
    TkArray x, y, z;
};

inline void draw_cube(TkGraph g, Cube const& c, Face const& face)
{
    Vector3 const c0 = c.centre + 0.5 * (c.e1 + c.e2 + c.e3);
    TkMoveabs3(g, c0.x, c0.y, c0.z);
    auto draw = [g](Vector3 d) { TkDrawrel3(g, d.x, d.y, d.z); };
    auto move = [g](Vector3 d) { TkMoverel3(g, d.x, d.y, d.z); };
    Vector3 const zero{0, 0, 0};
    draw(zero - c.e1);
    draw(zero - c.e2);
    draw(c.e1);
    draw(c.e2);
    draw(zero - c.e3);
    draw(zero - c.e1);
    draw(c.e3);
    move(zero - c.e3);
    draw(zero - c.e2);
    draw(c.e3);
    move(zero - c.e3);
    draw(c.e1);
    draw(c.e3);
    move(zero - c.e3);
    draw(c.e2);
    Vector3 const corners[4] = {c0 - c.e1, c0 - c.e1 - c.e2, c0 - c.e2, c0};
    for (int32_t i = 0; i < 4; ++i) {
        TkSetArray1(face.x, i + 1, corners[i].x);
        TkSetArray1(face.y, i + 1, corners[i].y);
        TkSetArray1(face.z, i + 1, corners[i].z);
    }
    TkFillPolygon3(g, face.x, face.y, face.z, 4);
}

} // namespace animated_cube
