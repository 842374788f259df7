// The processor path: the environment names one the processor runs, or the widest is taken.

#include "lib/formula/processor_path.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

using namespace kelvo;

ProcessorPath widest()
{
    for (ProcessorPath path : {ProcessorPath::avx512, ProcessorPath::avx2})
        if (processor_runs(path))
            return path;
    return ProcessorPath::sse2;
}

TEST(ProcessorPath, TheEnvironmentNamesAPathTheProcessorRuns)
{
    ::setenv("KELVO_FORMULA_PATH", "scalar", 1);
    EXPECT_EQ(chosen_processor_path(), ProcessorPath::scalar);
    ::setenv("KELVO_FORMULA_PATH", "sse2", 1);
    EXPECT_EQ(chosen_processor_path(), ProcessorPath::sse2);
    ::setenv("KELVO_FORMULA_PATH", "fastest", 1);
    EXPECT_EQ(chosen_processor_path(), widest()) << "a name of no path is ignored";
    ::unsetenv("KELVO_FORMULA_PATH");
    EXPECT_EQ(chosen_processor_path(), widest());
    if (!processor_runs(ProcessorPath::avx512)) {
        ::setenv("KELVO_FORMULA_PATH", "avx512", 1);
        EXPECT_EQ(chosen_processor_path(), widest()) << "nor is a path this processor cannot run";
        ::unsetenv("KELVO_FORMULA_PATH");
    }
}

} // namespace
