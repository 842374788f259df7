#pragma once

// Grid-drawing calls work on a transposed copy of the caller's array: sizes (n2, n1) with
// element (j, i) = (i, j), or (n3, n2, n1) for three dimensions. The copy is an ordinary
// library array, disposed when its holder goes.

#include "lib/kelvolib.h"

namespace kelvo {

inline constexpr int32_t transposed_copy_no_room = 24006;
inline constexpr int32_t transposed_copy_bad_dimensions = 24007;

class TransposedCopy {
public:
    // On failure handle() is 0 and the error state holds 24007 (not two or three
    // dimensions) or 24006 (no room for the copy).
    explicit TransposedCopy(TkArray source);
    ~TransposedCopy();
    TransposedCopy(TransposedCopy const&) = delete;
    TransposedCopy& operator=(TransposedCopy const&) = delete;

    TkArray handle() const { return copy_; }

private:
    TkArray copy_ = 0;
};

} // namespace kelvo
