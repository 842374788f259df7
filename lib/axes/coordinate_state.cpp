#include "lib/axes/coordinate_state.h"

namespace kelvo {

void reset_coordinate_defaults(GraphRecord& /*graph*/)
{
}

void set_scales(GraphRecord& /*graph*/)
{
}

} // namespace kelvo
