#pragma once

// Where the data of a drawing come from, which decides the limits the drawing keeps: data of
// library arrays keep the 1,000,000-byte block of working storage (and the bound on contour
// work) that goes with the arrays' own size; the caller's own memory is bounded by memory
// alone.

namespace kelvo {

enum class DataSource { LibraryArrays, CallerMemory };

} // namespace kelvo
