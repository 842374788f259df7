#pragma once

// The numbered styles.

#include <cstdint>

#include "lib/graph/style_record.h"

namespace kelvo {

// Style 1 is black on white, style 2 white on black; every other number (0 and 3 included)
// is the coloured style on black, with the number recorded as given.
StyleRecord build_style_record(int32_t number);

} // namespace kelvo
