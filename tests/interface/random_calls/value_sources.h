#pragma once

// Hostile values by class: integers, reals, colours and texts. Each source mixes ordinary
// values (so that calls get past their first checks and do real work) with the edges where
// arithmetic and limits break.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/interface/random_calls/random.h"

namespace kelvo::calls {

// Small numbers, coordinates, the numbers the headers mention and their neighbours, and the
// edges of 32-bit arithmetic: 0, +-1, INT32_MIN, INT32_MAX, 2^29, 65535, 65536, ...
int64_t random_integer(Random& random, std::span<int64_t const> interface_numbers);

// Small and moderate reals, and NaN, +-Inf, +-1e308, -0, denormals and other edges.
double random_real(Random& random);

// Colours 0x00BBGGRR, and values with the unused high byte set.
uint32_t random_colour(Random& random);

// Formula-like texts ("sin(x)/(1+x)", "x^", "(((("), names, empty and long texts (thousands
// of bytes, nesting deeper than formulas allow, multi-byte characters across length limits),
// invalid UTF-8, Windows-1252 bytes, control characters. Never contains a zero byte.
std::string random_text(Random& random);

// File names for a call that writes a file: inside directory, a missing subdirectory, the
// directory itself, an empty or overlong name.
std::string random_file_path(Random& random, std::string const& directory);

} // namespace kelvo::calls
