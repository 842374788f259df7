#pragma once

// Which instruction set block evaluation uses: the widest the processor runs, unless the
// environment variable KELVO_FORMULA_PATH (scalar, sse2, avx2 or avx512) names another one
// it runs. The scalar path takes the C library's functions and gives exactly the values of
// single-point evaluation; the vector paths take glibc's vector functions.

#include <cstdint>
#include <optional>
#include <string_view>

#include "lib/formula/block_run.h"

namespace kelvo {

enum class ProcessorPath : uint8_t {
    scalar,
    sse2,
    avx2,
    avx512,
};

bool processor_runs(ProcessorPath path);
std::string_view name_of(ProcessorPath path);
std::optional<ProcessorPath> path_named(std::string_view name);

// Read once, when the library is loaded.
ProcessorPath chosen_processor_path();
BlockPathRunner runner_of(ProcessorPath path);
BlockRangeMeasurer measurer_of(ProcessorPath path);
// Whether the path's functions may round differently from the C library's.
bool rounds_like_the_c_library(ProcessorPath path);

} // namespace kelvo
