#include "lib/runtime/timer.h"

#include <ctime>

namespace kelvo {

int32_t centiseconds_of(int32_t hours, int32_t minutes, int32_t seconds, int32_t milliseconds)
{
    return ((hours * 60 + minutes) * 60 + seconds) * 100 + milliseconds / 10;
}

int32_t centiseconds_since_midnight()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    return centiseconds_of(local.tm_hour, local.tm_min, local.tm_sec,
                           static_cast<int32_t>(now.tv_nsec / 1'000'000));
}

} // namespace kelvo
