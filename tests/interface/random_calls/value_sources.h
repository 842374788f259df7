#pragma once

// Values by class: integers, reals, colours and texts, each either plausible (what a careful
// caller passes, so that a call gets past its first checks and does real work) or hostile
// (the edges where arithmetic and limits break). A call mostly gets plausible arguments with
// one hostile among them, so that a single bad value meets the deep paths it can break.

#include <cstdint>
#include <span>
#include <string>

#include "tests/interface/random_calls/random.h"

namespace kelvo::calls {

enum class Hostility { plausible, hostile };

// Plausible: small numbers, coordinates and the numbers the headers mention. Hostile: those
// and their neighbours, and the edges of 32-bit arithmetic: 0, +-1, INT32_MIN, INT32_MAX,
// 2^29, 65535, 65536, ...
int64_t random_integer(Random& random, Hostility hostility, std::span<int64_t const> interface_numbers);

// Plausible: moderate reals, small positive ones (tolerances, steps), small integers.
// Hostile: NaN, +-Inf, +-1e308, -0, denormals and other edges, and ordinary values.
double random_real(Random& random, Hostility hostility);

// Colours 0x00BBGGRR; hostile ones have the unused high byte set.
uint32_t random_colour(Random& random, Hostility hostility);

// Plausible: names of variables and parameters, formulas that compile. Hostile: formulas
// that do not ("x^", "(((("), empty and long texts (thousands of bytes, nesting deeper than
// formulas allow, multi-byte characters across length limits), invalid UTF-8, Windows-1252
// bytes, control characters. Never contains a zero byte.
std::string random_text(Random& random, Hostility hostility);

// File names for a call that writes a file: inside directory; hostile ones in a missing
// subdirectory, the directory itself, empty, overlong or not UTF-8.
std::string random_file_path(Random& random, Hostility hostility, std::string const& directory);

} // namespace kelvo::calls
