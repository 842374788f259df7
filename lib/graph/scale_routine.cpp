#include "lib/graph/scale_routine.h"

namespace kelvo {

namespace {
ScaleRoutine installed_routine = nullptr;
} // namespace

void install_scale_routine(ScaleRoutine routine)
{
    installed_routine = routine;
}

void compute_scales(GraphRecord& graph)
{
    if (installed_routine != nullptr)
        installed_routine(graph);
}

} // namespace kelvo
