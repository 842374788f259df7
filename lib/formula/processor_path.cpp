#include "lib/formula/processor_path.h"

#include <array>
#include <cstdlib>

namespace kelvo {

namespace {

constexpr std::array<std::string_view, 4> path_names = {"scalar", "sse2", "avx2", "avx512"};

} // namespace

bool processor_runs(ProcessorPath path)
{
    switch (path) {
    case ProcessorPath::scalar:
    case ProcessorPath::sse2: // every x86-64 processor
        return true;
    case ProcessorPath::avx2:
        return __builtin_cpu_supports("avx2");
    case ProcessorPath::avx512:
        return __builtin_cpu_supports("avx512f");
    }
    return false;
}

std::string_view name_of(ProcessorPath path)
{
    return path_names[static_cast<std::size_t>(path)];
}

std::optional<ProcessorPath> path_named(std::string_view name)
{
    for (std::size_t k = 0; k < path_names.size(); ++k)
        if (path_names[k] == name)
            return static_cast<ProcessorPath>(k);
    return std::nullopt;
}

ProcessorPath chosen_processor_path()
{
    if (char const* asked = std::getenv("KELVO_FORMULA_PATH"))
        if (std::optional<ProcessorPath> path = path_named(asked); path && processor_runs(*path))
            return *path;
    for (ProcessorPath path : {ProcessorPath::avx512, ProcessorPath::avx2})
        if (processor_runs(path))
            return path;
    return ProcessorPath::sse2;
}

BlockPathRunner runner_of(ProcessorPath path)
{
    switch (path) {
    case ProcessorPath::scalar: return &run_block_scalar;
    case ProcessorPath::sse2: return &run_block_sse2;
    case ProcessorPath::avx2: return &run_block_avx2;
    case ProcessorPath::avx512: return &run_block_avx512;
    }
    return &run_block_scalar;
}

BlockRangeMeasurer measurer_of(ProcessorPath path)
{
    switch (path) {
    case ProcessorPath::scalar: return &measure_block_scalar;
    case ProcessorPath::sse2: return &measure_block_sse2;
    case ProcessorPath::avx2: return &measure_block_avx2;
    case ProcessorPath::avx512: return &measure_block_avx512;
    }
    return &measure_block_scalar;
}

bool rounds_like_the_c_library(ProcessorPath path)
{
    return path == ProcessorPath::scalar;
}

} // namespace kelvo
