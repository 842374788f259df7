#pragma once

// Colours. In memory a pixel is 0x00RRGGBB; at the C interface a colour is 0x00BBGGRR
// (red in the low byte). Color holds the pixel form; the conversions are the only place
// where the two meet.

#include <cstdint>

namespace kp {

class Color {
public:
    constexpr Color() = default;
    static constexpr Color from_rgb(uint8_t red, uint8_t green, uint8_t blue)
    {
        return Color(uint32_t{red} << 16 | uint32_t{green} << 8 | blue);
    }
    // From a pixel value 0x00RRGGBB (the high byte is dropped).
    static constexpr Color from_pixel(uint32_t pixel) { return Color(pixel & 0x00FFFFFF); }
    // From an interface colour 0x00BBGGRR (the high byte is dropped).
    static constexpr Color from_interface(uint32_t bgr)
    {
        return from_rgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }

    constexpr uint8_t red() const { return (value_ >> 16) & 0xFF; }
    constexpr uint8_t green() const { return (value_ >> 8) & 0xFF; }
    constexpr uint8_t blue() const { return value_ & 0xFF; }
    constexpr uint32_t pixel() const { return value_; }
    constexpr uint32_t to_interface() const { return uint32_t{blue()} << 16 | uint32_t{green()} << 8 | red(); }

    constexpr bool operator==(Color const&) const = default;

private:
    constexpr explicit Color(uint32_t pixel) : value_(pixel) {}
    uint32_t value_ = 0;
};

namespace colors {
inline constexpr Color black = Color::from_rgb(0, 0, 0);
inline constexpr Color white = Color::from_rgb(255, 255, 255);
} // namespace colors

} // namespace kp
