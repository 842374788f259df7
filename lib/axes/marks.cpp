#include "lib/axes/marks.h"

namespace kelvo {

// FIXME: symbols and polygons are drawn by the axes work in progress; until it lands these
// draw nothing.
void plot_symbol(GraphRecord&, int32_t, double, double, double) {}
void draw_user_polygon(GraphRecord&, std::span<Triple const>, Filling) {}

} // namespace kelvo
