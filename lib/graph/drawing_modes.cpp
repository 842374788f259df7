#include "lib/graph/drawing_modes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvo {

namespace {
// Rounded half to even, and kept within 32 bits for windows near the size limit.
int32_t round_half_even(double value)
{
    return static_cast<int32_t>(std::min(std::nearbyint(value), double{std::numeric_limits<int32_t>::max()}));
}
} // namespace

DrawingMode opened_mode_from_flags(int32_t flags)
{
    int32_t const mode = flags & 7;
    return is_valid_mode(mode) ? static_cast<DrawingMode>(mode) : DrawingMode::Foreground;
}

bool is_valid_mode(int32_t mode)
{
    return mode >= 1 && mode <= 4;
}

int image_count(DrawingMode mode)
{
    switch (mode) {
    case DrawingMode::Foreground:
        return 0;
    case DrawingMode::AutoRedraw:
    case DrawingMode::DelayRedraw:
        return 1;
    case DrawingMode::Background:
        return 2;
    }
    return 0;
}

kp::Size image_size_for(kp::Size window, int32_t slack)
{
    double const width = std::max(window.width, 1);
    double const height = std::max(window.height, 1);
    double const factor = std::sqrt(slack / width / height + 1.0);
    return {round_half_even(width * factor), round_half_even(height * factor)};
}

bool images_need_rebuild(kp::Size image, kp::Size window)
{
    return image.width < window.width || window.height > image.height
        || int64_t{image.width} * image.height - int64_t{window.width} * window.height > image_slack_at_open;
}

} // namespace kelvo
