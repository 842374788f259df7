// The exported functions of the plotting subsystem.

#include "lib/kelvolib.h"

extern "C" {

// ---- Curves and function sampling

// ---- Arrays and histograms

// ---- Contours

// ---- Surfaces

// ---- Surfaces of revolution

} // extern "C"
