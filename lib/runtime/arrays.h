#pragma once

// Library arrays: one to three dimensions of 8-byte reals, indices from 1, last index
// fastest. Callers name them by handle; plotting reads extents and data directly.

#include <cstdint>

#include "lib/kelvolib.h"
#include "lib/runtime/heap.h"

namespace kelvo {

struct LibraryArray {
    int32_t dimensions = 1;
    int32_t n1 = 0;
    int32_t n2 = 1;
    int32_t n3 = 1;
    int32_t plane_size = 1; // n2 * n3
    RealBuffer data;

    int64_t element_count() const { return int64_t{n1} * plane_size; }

    // The element (i, j, k), or null when an index lies outside the extents.
    double* element(int32_t i, int32_t j, int32_t k) const;
};

// 0 when an extent is 0, or with heap error 1 when the data would exceed the heap limit.
TkArray new_array(int32_t dimensions, int32_t e1, int32_t e2, int32_t e3);
void dispose_array(TkArray array);
LibraryArray* find_array(TkArray array);

// Element access for the exported accessors: a bad handle reads 0 and writes nothing; an
// index out of range reads NaN, writes nothing and sets range check error 201.
double get_array_element(TkArray array, int32_t i, int32_t j, int32_t k);
void set_array_element(TkArray array, int32_t i, int32_t j, int32_t k, double value);

} // namespace kelvo
