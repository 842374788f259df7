#include "lib/axes/scales.h"

namespace kelvo {

void set_scales(GraphRecord& /*graph*/)
{
}

} // namespace kelvo
