#include "platform/box/process.h"

#include <cstdio>
#include <cstdlib>

namespace kp {

void end_process(int exit_code)
{
    std::fflush(nullptr);
    std::exit(exit_code);
}

} // namespace kp
